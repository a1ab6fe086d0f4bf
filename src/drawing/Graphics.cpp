#include "drawing/Graphics.h"

#include "drawing/Image.h"
#include "drawing/TransformAbout.h"

using namespace flat;

namespace {
template <typename T> INT countOf(const std::vector<T>& items)
{
    return static_cast<INT>(items.size());
}
} // namespace

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

bool Graphics::CreateFromHWND(HWND hwnd, bool icm)
{
    GpGraphics* graphics = nullptr;
    const GpStatus status = icm ? GdipCreateFromHWNDICM(hwnd, &graphics) : GdipCreateFromHWND(hwnd, &graphics);
    return adopt(status, graphics);
}

bool Graphics::GetImageGraphicsContext(const Image& image)
{
    GpGraphics* graphics = nullptr;
    const GpStatus status = GdipGetImageGraphicsContext(image.GetNativeObject(), &graphics);
    return adopt(status, graphics);
}

bool Graphics::Flush(int intention)
{
    return recordStatus(GdipFlush(native(), static_cast<FlushIntention>(intention)));
}

HDC Graphics::GetDC()
{
    HDC hdc = nullptr;
    recordStatus(GdipGetDC(native(), &hdc));
    return hdc;
}

bool Graphics::ReleaseDC(HDC hdc)
{
    return recordStatus(GdipReleaseDC(native(), hdc));
}

int Graphics::GetCompositingMode() const
{
    CompositingMode mode {};
    recordStatus(GdipGetCompositingMode(native(), &mode));
    return mode;
}

bool Graphics::SetCompositingMode(int mode)
{
    return recordStatus(GdipSetCompositingMode(native(), static_cast<CompositingMode>(mode)));
}

GpPoint Graphics::GetRenderingOrigin() const
{
    GpPoint origin(0, 0);
    recordStatus(GdipGetRenderingOrigin(native(), &origin.X, &origin.Y));
    return origin;
}

bool Graphics::SetRenderingOrigin(int x, int y)
{
    return recordStatus(GdipSetRenderingOrigin(native(), x, y));
}

int Graphics::GetCompositingQuality() const
{
    CompositingQuality quality {};
    recordStatus(GdipGetCompositingQuality(native(), &quality));
    return quality;
}

bool Graphics::SetCompositingQuality(int quality)
{
    return recordStatus(GdipSetCompositingQuality(native(), static_cast<CompositingQuality>(quality)));
}

bool Graphics::SetSmoothingMode(int mode)
{
    return recordStatus(GdipSetSmoothingMode(native(), static_cast<SmoothingMode>(mode)));
}

int Graphics::GetSmoothingMode() const
{
    SmoothingMode mode {};
    recordStatus(GdipGetSmoothingMode(native(), &mode));
    return mode;
}

bool Graphics::SetTextRenderingHint(int hint)
{
    return recordStatus(GdipSetTextRenderingHint(native(), static_cast<TextRenderingHint>(hint)));
}

int Graphics::GetTextRenderingHint() const
{
    TextRenderingHint hint {};
    recordStatus(GdipGetTextRenderingHint(native(), &hint));
    return hint;
}

bool Graphics::SetInterpolationMode(int mode)
{
    return recordStatus(GdipSetInterpolationMode(native(), static_cast<InterpolationMode>(mode)));
}

int Graphics::GetInterpolationMode() const
{
    InterpolationMode mode {};
    recordStatus(GdipGetInterpolationMode(native(), &mode));
    return mode;
}

bool Graphics::SetPixelOffsetMode(int mode)
{
    return recordStatus(GdipSetPixelOffsetMode(native(), static_cast<PixelOffsetMode>(mode)));
}

int Graphics::GetPixelOffsetMode() const
{
    PixelOffsetMode mode {};
    recordStatus(GdipGetPixelOffsetMode(native(), &mode));
    return mode;
}

bool Graphics::SetTextContrast(unsigned contrast)
{
    return recordStatus(GdipSetTextContrast(native(), contrast));
}

unsigned Graphics::GetTextContrast() const
{
    UINT contrast = 0;
    recordStatus(GdipGetTextContrast(native(), &contrast));
    return contrast;
}

bool Graphics::SetWorldTransform(GpMatrix* matrix)
{
    return recordStatus(GdipSetWorldTransform(native(), matrix));
}

bool Graphics::GetWorldTransform(GpMatrix* matrix) const
{
    return recordStatus(GdipGetWorldTransform(native(), matrix));
}

bool Graphics::ResetWorldTransform()
{
    return recordStatus(GdipResetWorldTransform(native()));
}

bool Graphics::MultiplyWorldTransform(const GpMatrix* matrix, int order)
{
    return recordStatus(GdipMultiplyWorldTransform(native(), matrix, static_cast<MatrixOrder>(order)));
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

bool Graphics::ScaleAt(float sx, float sy, PointF centre, int order)
{
    return transformAbout(
        centre, order, [&](float dx, float dy) { return TranslateWorldTransform(dx, dy, order); },
        [&] { ScaleWorldTransform(sx, sy, order); });
}

bool Graphics::RotateAt(float angle, PointF centre, int order)
{
    return transformAbout(
        centre, order, [&](float dx, float dy) { return TranslateWorldTransform(dx, dy, order); },
        [&] { RotateWorldTransform(angle, order); });
}

bool Graphics::SetPageUnit(int unit)
{
    return recordStatus(GdipSetPageUnit(native(), static_cast<Unit>(unit)));
}

int Graphics::GetPageUnit() const
{
    Unit unit {};
    recordStatus(GdipGetPageUnit(native(), &unit));
    return unit;
}

bool Graphics::SetPageScale(float scale)
{
    return recordStatus(GdipSetPageScale(native(), scale));
}

float Graphics::GetPageScale() const
{
    REAL scale = 0;
    recordStatus(GdipGetPageScale(native(), &scale));
    return scale;
}

float Graphics::GetDpiX() const
{
    REAL dpi = 0;
    recordStatus(GdipGetDpiX(native(), &dpi));
    return dpi;
}

float Graphics::GetDpiY() const
{
    REAL dpi = 0;
    recordStatus(GdipGetDpiY(native(), &dpi));
    return dpi;
}

bool Graphics::TransformPoints(int destSpace, int srcSpace, std::vector<PointF>& points) const
{
    return recordStatus(GdipTransformPoints(native(), static_cast<CoordinateSpace>(destSpace),
        static_cast<CoordinateSpace>(srcSpace), points.data(), countOf(points)));
}

bool Graphics::TransformPointsI(int destSpace, int srcSpace, std::vector<GpPoint>& points) const
{
    return recordStatus(GdipTransformPointsI(native(), static_cast<CoordinateSpace>(destSpace),
        static_cast<CoordinateSpace>(srcSpace), points.data(), countOf(points)));
}

// GDI+ reads and rewrites the same colour, so a failure must not hand the input back.
std::uint32_t Graphics::GetNearestColor(std::uint32_t argb) const
{
    ARGB colour = argb;
    return recordStatus(GdipGetNearestColor(native(), &colour)) ? colour : 0;
}
