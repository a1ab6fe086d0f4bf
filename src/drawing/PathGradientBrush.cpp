#include "drawing/PathGradientBrush.h"

#include <algorithm>

#include "drawing/GraphicsPath.h"

using namespace flat;

bool PathGradientBrush::Create(const std::vector<PointF>& points, int wrapMode)
{
    GpPathGradient* brush = nullptr;
    const GpStatus status = GdipCreatePathGradient(
        points.data(), static_cast<INT>(points.size()), static_cast<GpWrapMode>(wrapMode), &brush);
    return adopt(status, brush);
}

bool PathGradientBrush::CreateI(const std::vector<GpPoint>& points, int wrapMode)
{
    GpPathGradient* brush = nullptr;
    const GpStatus status = GdipCreatePathGradientI(
        points.data(), static_cast<INT>(points.size()), static_cast<GpWrapMode>(wrapMode), &brush);
    return adopt(status, brush);
}

bool PathGradientBrush::CreateFromPath(const GraphicsPath& path)
{
    GpPathGradient* brush = nullptr;
    const GpStatus status = GdipCreatePathGradientFromPath(path.GetNativeObject(), &brush);
    return adopt(status, brush);
}

std::uint32_t PathGradientBrush::GetCenterColor() const
{
    ARGB colour = 0;
    recordStatus(GdipGetPathGradientCenterColor(gradient(), &colour));
    return colour;
}

bool PathGradientBrush::SetCenterColor(std::uint32_t argb)
{
    return recordStatus(GdipSetPathGradientCenterColor(gradient(), argb));
}

int PathGradientBrush::GetPointCount() const
{
    INT count = 0;
    recordStatus(GdipGetPathGradientPointCount(gradient(), &count));
    return count;
}

int PathGradientBrush::GetSurroundColorCount() const
{
    INT count = 0;
    recordStatus(GdipGetPathGradientSurroundColorCount(gradient(), &count));
    return count;
}

std::vector<std::uint32_t> PathGradientBrush::GetSurroundColors() const
{
    INT count = GetSurroundColorCount();
    if (count <= 0)
        return {};
    std::vector<ARGB> colours(count);
    if (!recordStatus(GdipGetPathGradientSurroundColorsWithCount(gradient(), colours.data(), &count)))
        return {};
    colours.resize(std::clamp<INT>(count, 0, static_cast<INT>(colours.size())));
    return { colours.begin(), colours.end() };
}

bool PathGradientBrush::SetSurroundColors(const std::vector<std::uint32_t>& colours)
{
    return SetSurroundColors(colours, static_cast<int>(colours.size()));
}

bool PathGradientBrush::SetSurroundColors(const std::vector<std::uint32_t>& colours, int count)
{
    // Never let GDI+ read past the colours actually given.
    if (count < 0 || static_cast<std::size_t>(count) > colours.size())
        count = static_cast<int>(colours.size());
    INT passed = count;
    std::vector<ARGB> buffer(colours.begin(), colours.end());
    return recordStatus(GdipSetPathGradientSurroundColorsWithCount(gradient(), buffer.data(), &passed));
}

bool PathGradientBrush::GetPath(GraphicsPath& path) const
{
    return recordStatus(GdipGetPathGradientPath(gradient(), path.GetNativeObject()));
}

bool PathGradientBrush::SetPath(const GraphicsPath& path)
{
    return recordStatus(GdipSetPathGradientPath(gradient(), path.GetNativeObject()));
}

PointF PathGradientBrush::GetCenterPoint() const
{
    PointF centre(0, 0);
    recordStatus(GdipGetPathGradientCenterPoint(gradient(), &centre));
    return centre;
}

GpPoint PathGradientBrush::GetCenterPointI() const
{
    GpPoint centre(0, 0);
    recordStatus(GdipGetPathGradientCenterPointI(gradient(), &centre));
    return centre;
}

bool PathGradientBrush::SetCenterPoint(const PointF& centre)
{
    return recordStatus(GdipSetPathGradientCenterPoint(gradient(), &centre));
}

bool PathGradientBrush::SetCenterPointI(const GpPoint& centre)
{
    return recordStatus(GdipSetPathGradientCenterPointI(gradient(), &centre));
}

RectF PathGradientBrush::GetRectangle() const
{
    RectF rect(0, 0, 0, 0);
    recordStatus(GdipGetPathGradientRect(gradient(), &rect));
    return rect;
}

GpRect PathGradientBrush::GetRectangleI() const
{
    GpRect rect(0, 0, 0, 0);
    recordStatus(GdipGetPathGradientRectI(gradient(), &rect));
    return rect;
}

bool PathGradientBrush::SetGammaCorrection(bool useGamma)
{
    return recordStatus(GdipSetPathGradientGammaCorrection(gradient(), useGamma ? TRUE : FALSE));
}

bool PathGradientBrush::GetGammaCorrection() const
{
    BOOL useGamma = FALSE;
    recordStatus(GdipGetPathGradientGammaCorrection(gradient(), &useGamma));
    return useGamma != FALSE;
}

bool PathGradientBrush::SetBlend(const Blend& blend)
{
    const auto count = static_cast<INT>(std::min(blend.factors.size(), blend.positions.size()));
    return recordStatus(GdipSetPathGradientBlend(gradient(), blend.factors.data(), blend.positions.data(), count));
}

Blend PathGradientBrush::GetBlend() const
{
    const int count = GetBlendCount();
    if (count <= 0)
        return {};
    Blend blend{ std::vector<float>(count), std::vector<float>(count) };
    if (!recordStatus(GdipGetPathGradientBlend(gradient(), blend.factors.data(), blend.positions.data(), count)))
        return {};
    return blend;
}

int PathGradientBrush::GetBlendCount() const
{
    INT count = 0;
    recordStatus(GdipGetPathGradientBlendCount(gradient(), &count));
    return count;
}

int PathGradientBrush::GetPresetBlendCount() const
{
    INT count = 0;
    recordStatus(GdipGetPathGradientPresetBlendCount(gradient(), &count));
    return count;
}

PointF PathGradientBrush::GetFocusScales() const
{
    REAL x = 0;
    REAL y = 0;
    recordStatus(GdipGetPathGradientFocusScales(gradient(), &x, &y));
    return PointF(x, y);
}

bool PathGradientBrush::SetFocusScales(float xScale, float yScale)
{
    return recordStatus(GdipSetPathGradientFocusScales(gradient(), xScale, yScale));
}

bool PathGradientBrush::SetPresetBlend(const ColorBlend& blend)
{
    const auto count = static_cast<INT>(std::min(blend.colours.size(), blend.positions.size()));
    const std::vector<ARGB> colours(blend.colours.begin(), blend.colours.begin() + count);
    return recordStatus(GdipSetPathGradientPresetBlend(gradient(), colours.data(), blend.positions.data(), count));
}

ColorBlend PathGradientBrush::GetPresetBlend() const
{
    const int count = GetPresetBlendCount();
    if (count <= 0)
        return {};
    std::vector<ARGB> colours(count);
    std::vector<float> positions(count);
    if (!recordStatus(GdipGetPathGradientPresetBlend(gradient(), colours.data(), positions.data(), count)))
        return {};
    return { { colours.begin(), colours.end() }, positions };
}

bool PathGradientBrush::SetSigmaBlend(float focus, float scale)
{
    return recordStatus(GdipSetPathGradientSigmaBlend(gradient(), focus, scale));
}

bool PathGradientBrush::SetLinearBlend(float focus, float scale)
{
    return recordStatus(GdipSetPathGradientLinearBlend(gradient(), focus, scale));
}

int PathGradientBrush::GetWrapMode() const
{
    GpWrapMode mode = WrapModeTile;
    recordStatus(GdipGetPathGradientWrapMode(gradient(), &mode));
    return mode;
}

bool PathGradientBrush::SetWrapMode(int wrapMode)
{
    return recordStatus(GdipSetPathGradientWrapMode(gradient(), static_cast<GpWrapMode>(wrapMode)));
}

bool PathGradientBrush::GetTransform(GpMatrix* matrix) const
{
    return recordStatus(GdipGetPathGradientTransform(gradient(), matrix));
}

bool PathGradientBrush::SetTransform(GpMatrix* matrix)
{
    return recordStatus(GdipSetPathGradientTransform(gradient(), matrix));
}

bool PathGradientBrush::ResetTransform()
{
    return recordStatus(GdipResetPathGradientTransform(gradient()));
}

bool PathGradientBrush::MultiplyTransform(const GpMatrix* matrix, int order)
{
    return recordStatus(GdipMultiplyPathGradientTransform(gradient(), matrix, static_cast<GpMatrixOrder>(order)));
}

bool PathGradientBrush::TranslateTransform(float dx, float dy, int order)
{
    return recordStatus(GdipTranslatePathGradientTransform(gradient(), dx, dy, static_cast<GpMatrixOrder>(order)));
}

bool PathGradientBrush::ScaleTransform(float sx, float sy, int order)
{
    return recordStatus(GdipScalePathGradientTransform(gradient(), sx, sy, static_cast<GpMatrixOrder>(order)));
}

bool PathGradientBrush::ScaleAt(float sx, float sy, PointF centre, int order)
{
    return scaleTransformAt(*this, sx, sy, centre, order);
}

bool PathGradientBrush::RotateTransform(float angle, int order)
{
    return recordStatus(GdipRotatePathGradientTransform(gradient(), angle, static_cast<GpMatrixOrder>(order)));
}

bool PathGradientBrush::RotateAt(float angle, PointF centre, int order)
{
    return rotateTransformAt(*this, angle, centre, order);
}
