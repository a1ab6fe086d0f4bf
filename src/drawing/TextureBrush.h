#pragma once

#include "drawing/Brush.h"

class Image;

// Fills by tiling a picture, or a rectangle of it.
class TextureBrush : public Brush {
public:
    bool Create(const Image& image, int wrapMode = 0);
    bool Create(const Image& image, float x, float y, float width, float height, int wrapMode = 0);
    bool TranslateTransform(float dx, float dy, int order = 0);

private:
    flat::GpTexture* texture() const { return static_cast<flat::GpTexture*>(native()); }
};
