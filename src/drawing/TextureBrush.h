#pragma once

#include "drawing/Brush.h"

class Image;
class ImageAttributes;

// Fills by tiling a picture, or a rectangle of it.
class TextureBrush : public Brush {
public:
    bool Create(const Image& image, int wrapMode = 0);
    bool Create(const Image& image, float x, float y, float width, float height, int wrapMode = 0);
    bool CreateI(const Image& image, int x, int y, int width, int height, int wrapMode = 0);
    // A rectangle of the picture, adjusted by the attributes once when the brush is made. The
    // wrap mode comes from the attributes too.
    bool CreateWithAttributes(
        const Image& image, const ImageAttributes& attributes, float x, float y, float width, float height);
    bool CreateWithAttributesI(
        const Image& image, const ImageAttributes& attributes, int x, int y, int width, int height);

    // Copies the brush's transform into `matrix`.
    bool GetTransform(flat::GpMatrix* matrix) const;
    bool SetTransform(const flat::GpMatrix* matrix);
    bool ResetTransform();
    bool MultiplyTransform(const flat::GpMatrix* matrix, int order = 0);
    bool TranslateTransform(float dx, float dy, int order = 0);
    bool ScaleTransform(float sx, float sy, int order = 0);
    bool ScaleAt(float sx, float sy, PointF centre, int order = 0);
    bool RotateTransform(float angle, int order = 0);
    bool RotateAt(float angle, PointF centre, int order = 0);

    int GetWrapMode() const;
    bool SetWrapMode(int wrapMode);
    // `target` gives up what it held and owns a copy of the brush's picture.
    bool GetImage(Image& target) const;

private:
    flat::GpTexture* texture() const { return static_cast<flat::GpTexture*>(native()); }
};
