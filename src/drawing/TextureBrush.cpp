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

bool TextureBrush::GetTransform(GpMatrix* matrix) const
{
    return recordStatus(GdipGetTextureTransform(texture(), matrix));
}

bool TextureBrush::SetTransform(const GpMatrix* matrix)
{
    return recordStatus(GdipSetTextureTransform(texture(), matrix));
}

bool TextureBrush::ResetTransform()
{
    return recordStatus(GdipResetTextureTransform(texture()));
}

bool TextureBrush::MultiplyTransform(const GpMatrix* matrix, int order)
{
    return recordStatus(GdipMultiplyTextureTransform(texture(), matrix, static_cast<GpMatrixOrder>(order)));
}

bool TextureBrush::TranslateTransform(float dx, float dy, int order)
{
    return recordStatus(GdipTranslateTextureTransform(texture(), dx, dy, static_cast<GpMatrixOrder>(order)));
}

bool TextureBrush::ScaleTransform(float sx, float sy, int order)
{
    return recordStatus(GdipScaleTextureTransform(texture(), sx, sy, static_cast<GpMatrixOrder>(order)));
}

bool TextureBrush::ScaleAt(float sx, float sy, PointF centre, int order)
{
    return scaleTransformAt(*this, sx, sy, centre, order);
}

bool TextureBrush::RotateTransform(float angle, int order)
{
    return recordStatus(GdipRotateTextureTransform(texture(), angle, static_cast<GpMatrixOrder>(order)));
}

bool TextureBrush::RotateAt(float angle, PointF centre, int order)
{
    return rotateTransformAt(*this, angle, centre, order);
}

int TextureBrush::GetWrapMode() const
{
    GpWrapMode mode = WrapModeTile;
    recordStatus(GdipGetTextureWrapMode(texture(), &mode));
    return mode;
}

bool TextureBrush::SetWrapMode(int wrapMode)
{
    return recordStatus(GdipSetTextureWrapMode(texture(), static_cast<GpWrapMode>(wrapMode)));
}

bool TextureBrush::GetImage(Image& target) const
{
    // Disposing first also releases the stream behind a picture the target loaded.
    target.Dispose();
    GpImage* image = nullptr;
    const GpStatus status = GdipGetTextureImage(texture(), &image);
    target.SetNativeObject(status == Ok ? image : nullptr);
    return recordStatus(status);
}
