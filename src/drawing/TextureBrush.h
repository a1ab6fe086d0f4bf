#pragma once

#include "drawing/BrushFunctions.h"
#include "drawing/TransformableBrush.h"

class Image;
class ImageAttributes;

// Fills by tiling a picture, or a rectangle of it.
class TextureBrush : public TransformableBrush<flat::GpTexture, TextureFunctions> {
public:
    bool Create(const Image& image, int wrapMode = flat::WrapModeTile);
    bool Create(const Image& image, float x, float y, float width, float height, int wrapMode = flat::WrapModeTile);
    bool CreateI(const Image& image, int x, int y, int width, int height, int wrapMode = flat::WrapModeTile);
    // A rectangle of the picture, adjusted by the attributes once when the brush is made. The
    // wrap mode comes from the attributes too.
    bool CreateWithAttributes(
        const Image& image, const ImageAttributes& attributes, float x, float y, float width, float height);
    bool CreateWithAttributesI(
        const Image& image, const ImageAttributes& attributes, int x, int y, int width, int height);

    // `target` gives up what it held and owns a copy of the brush's picture.
    bool GetImage(Image& target) const;
};
