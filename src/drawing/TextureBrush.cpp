#include "drawing/TextureBrush.h"

#include "drawing/Image.h"
#include "drawing/ImageAttributes.h"

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

bool TextureBrush::CreateI(const Image& image, int x, int y, int width, int height, int wrapMode)
{
    GpTexture* brush = nullptr;
    const GpStatus status = GdipCreateTexture2I(
        image.GetNativeObject(), static_cast<GpWrapMode>(wrapMode), x, y, width, height, &brush);
    return adopt(status, brush);
}

bool TextureBrush::CreateWithAttributes(
    const Image& image, const ImageAttributes& attributes, float x, float y, float width, float height)
{
    GpTexture* brush = nullptr;
    const GpStatus status = GdipCreateTextureIA(
        image.GetNativeObject(), attributes.GetNativeObject(), x, y, width, height, &brush);
    return adopt(status, brush);
}

bool TextureBrush::CreateWithAttributesI(
    const Image& image, const ImageAttributes& attributes, int x, int y, int width, int height)
{
    GpTexture* brush = nullptr;
    const GpStatus status = GdipCreateTextureIAI(
        image.GetNativeObject(), attributes.GetNativeObject(), x, y, width, height, &brush);
    return adopt(status, brush);
}

bool TextureBrush::GetImage(Image& target) const
{
    // Disposing first also releases the stream behind a picture the target loaded.
    target.Dispose();
    GpImage* image = nullptr;
    const GpStatus status = GdipGetTextureImage(nativeBrush(), &image);
    target.SetNativeObject(status == Ok ? image : nullptr);
    return recordStatus(status);
}
