#include "drawing/Graphics.h"

#include <cwchar>

#include "drawing/Brush.h"
#include "drawing/Font.h"
#include "drawing/GraphicsPath.h"
#include "drawing/Image.h"
#include "drawing/ImageAttributes.h"
#include "drawing/Pen.h"
#include "drawing/StringFormat.h"

using namespace flat;

namespace {
INT textLength(const std::wstring& text)
{
    return static_cast<INT>(std::wcslen(text.c_str()));
}
}

bool Graphics::CreateFromHDC(HDC hdc)
{
    GpGraphics* graphics = nullptr;
    const GpStatus status = GdipCreateFromHDC(hdc, &graphics);
    return adopt(status, graphics);
}

bool Graphics::CreateFromHDC(HDC hdc, HANDLE device)
{
    GpGraphics* graphics = nullptr;
    const GpStatus status = GdipCreateFromHDC2(hdc, device, &graphics);
    return adopt(status, graphics);
}

bool Graphics::GetImageGraphicsContext(const Image& image)
{
    GpGraphics* graphics = nullptr;
    const GpStatus status = GdipGetImageGraphicsContext(image.GetNativeObject(), &graphics);
    return adopt(status, graphics);
}

bool Graphics::SetCompositingQuality(int quality)
{
    return recordStatus(GdipSetCompositingQuality(native(), static_cast<CompositingQuality>(quality)));
}

bool Graphics::SetSmoothingMode(int mode)
{
    return recordStatus(GdipSetSmoothingMode(native(), static_cast<SmoothingMode>(mode)));
}

bool Graphics::SetTextRenderingHint(int hint)
{
    return recordStatus(GdipSetTextRenderingHint(native(), static_cast<TextRenderingHint>(hint)));
}

bool Graphics::SetInterpolationMode(int mode)
{
    return recordStatus(GdipSetInterpolationMode(native(), static_cast<InterpolationMode>(mode)));
}

bool Graphics::SetPixelOffsetMode(int mode)
{
    return recordStatus(GdipSetPixelOffsetMode(native(), static_cast<PixelOffsetMode>(mode)));
}

bool Graphics::TranslateWorldTransform(float dx, float dy, int order)
{
    return recordStatus(GdipTranslateWorldTransform(native(), dx, dy, static_cast<MatrixOrder>(order)));
}

bool Graphics::ScaleWorldTransform(float sx, float sy, int order)
{
    return recordStatus(GdipScaleWorldTransform(native(), sx, sy, static_cast<MatrixOrder>(order)));
}

bool Graphics::RotateWorldTransform(float angle, int order)
{
    return recordStatus(GdipRotateWorldTransform(native(), angle, static_cast<MatrixOrder>(order)));
}

// Prepend order applies the last call first, so the three calls run in opposite orders.
bool Graphics::ScaleAt(float sx, float sy, PointF centre, int order)
{
    const float sign = order == 0 ? 1.0f : -1.0f;
    TranslateWorldTransform(sign * centre.X, sign * centre.Y, order);
    ScaleWorldTransform(sx, sy, order);
    return TranslateWorldTransform(-sign * centre.X, -sign * centre.Y, order);
}

bool Graphics::RotateAt(float angle, PointF centre, int order)
{
    const float sign = order == 0 ? 1.0f : -1.0f;
    TranslateWorldTransform(sign * centre.X, sign * centre.Y, order);
    RotateWorldTransform(angle, order);
    return TranslateWorldTransform(-sign * centre.X, -sign * centre.Y, order);
}

bool Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2)
{
    return recordStatus(GdipDrawLine(native(), pen.GetNativeObject(), x1, y1, x2, y2));
}

bool Graphics::DrawPath(const Pen& pen, const GraphicsPath& path)
{
    return recordStatus(GdipDrawPath(native(), pen.GetNativeObject(), path.GetNativeObject()));
}

bool Graphics::Clear(std::uint32_t argb)
{
    return recordStatus(GdipGraphicsClear(native(), argb));
}

bool Graphics::FillRectangle(const Brush& brush, float x, float y, float width, float height)
{
    return recordStatus(GdipFillRectangle(native(), brush.GetNativeObject(), x, y, width, height));
}

bool Graphics::FillPath(const Brush& brush, const GraphicsPath& path)
{
    return recordStatus(GdipFillPath(native(), brush.GetNativeObject(), path.GetNativeObject()));
}

bool Graphics::DrawString(const std::wstring& text, const Font& font, const Brush& brush, const RectF& layout,
    const StringFormat& format)
{
    return recordStatus(GdipDrawString(native(), text.c_str(), textLength(text), font.GetNativeObject(), &layout,
        format.GetNativeObject(), brush.GetNativeObject()));
}

RectF Graphics::MeasureString(const std::wstring& text, const Font& font, const RectF& layout,
    const StringFormat& format)
{
    RectF bounds(0, 0, 0, 0);
    recordStatus(GdipMeasureString(native(), text.c_str(), textLength(text), font.GetNativeObject(), &layout,
        format.GetNativeObject(), &bounds, nullptr, nullptr));
    return bounds;
}

bool Graphics::DrawImage(const Image& image, float x, float y, float width, float height, int sourceUnit)
{
    const auto sourceWidth = static_cast<float>(image.GetWidth());
    const auto sourceHeight = static_cast<float>(image.GetHeight());
    return recordStatus(GdipDrawImageRectRect(native(), image.GetNativeObject(), x, y, width, height, 0, 0,
        sourceWidth, sourceHeight, static_cast<Unit>(sourceUnit), nullptr, nullptr, nullptr));
}

bool Graphics::DrawImage(const Image& image, float x, float y, float width, float height, float sourceX,
    float sourceY, float sourceWidth, float sourceHeight, int sourceUnit, const ImageAttributes& attributes)
{
    return recordStatus(GdipDrawImageRectRect(native(), image.GetNativeObject(), x, y, width, height, sourceX,
        sourceY, sourceWidth, sourceHeight, static_cast<Unit>(sourceUnit), attributes.GetNativeObject(), nullptr,
        nullptr));
}

bool Graphics::SetClipPath(const GraphicsPath& path, int combineMode)
{
    return recordStatus(GdipSetClipPath(native(), path.GetNativeObject(), static_cast<CombineMode>(combineMode)));
}

bool Graphics::SetClipRect(float x, float y, float width, float height, int combineMode)
{
    return recordStatus(GdipSetClipRect(native(), x, y, width, height, static_cast<CombineMode>(combineMode)));
}

bool Graphics::ResetClip()
{
    return recordStatus(GdipResetClip(native()));
}
