#include "drawing/TextureBrush.h"

#include "drawing/Image.h"

using namespace flat;

bool TextureBrush::Create(const Image& image, int wrapMode)
{
    GpTexture* brush = nullptr;
    const GpStatus status = GdipCreateTexture(image.GetNativeObject(), static_cast<GpWrapMode>(wrapMode), &brush);
    return adopt(status, brush);
}

bool TextureBrush::Create(const Image& image, float x, float y, float width, float height, int wrapMode)
{
    GpTexture* brush = nullptr;
    const GpStatus status = GdipCreateTexture2(
        image.GetNativeObject(), static_cast<GpWrapMode>(wrapMode), x, y, width, height, &brush);
    return adopt(status, brush);
}

bool TextureBrush::TranslateTransform(float dx, float dy, int order)
{
    return recordStatus(GdipTranslateTextureTransform(texture(), dx, dy, static_cast<GpMatrixOrder>(order)));
}
