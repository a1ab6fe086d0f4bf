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
    recordStatus(GdipGetPathGradientCenterColor(nativeBrush(), &colour));
    return colour;
}

bool PathGradientBrush::SetCenterColor(std::uint32_t argb)
{
    return recordStatus(GdipSetPathGradientCenterColor(nativeBrush(), argb));
}

int PathGradientBrush::GetPointCount() const
{
    INT count = 0;
    recordStatus(GdipGetPathGradientPointCount(nativeBrush(), &count));
    return count;
}

int PathGradientBrush::GetSurroundColorCount() const
{
    INT count = 0;
    recordStatus(GdipGetPathGradientSurroundColorCount(nativeBrush(), &count));
    return count;
}

std::vector<std::uint32_t> PathGradientBrush::GetSurroundColors() const
{
    INT count = GetSurroundColorCount();
    if (count <= 0)
        return {};
    std::vector<ARGB> colours(count);
    if (!recordStatus(GdipGetPathGradientSurroundColorsWithCount(nativeBrush(), colours.data(), &count)))
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
    return recordStatus(GdipSetPathGradientSurroundColorsWithCount(nativeBrush(), buffer.data(), &passed));
}

bool PathGradientBrush::GetPath(GraphicsPath& path) const
{
    return recordStatus(GdipGetPathGradientPath(nativeBrush(), path.GetNativeObject()));
}

bool PathGradientBrush::SetPath(const GraphicsPath& path)
{
    return recordStatus(GdipSetPathGradientPath(nativeBrush(), path.GetNativeObject()));
}

PointF PathGradientBrush::GetCenterPoint() const
{
    PointF centre(0, 0);
    recordStatus(GdipGetPathGradientCenterPoint(nativeBrush(), &centre));
    return centre;
}

GpPoint PathGradientBrush::GetCenterPointI() const
{
    GpPoint centre(0, 0);
    recordStatus(GdipGetPathGradientCenterPointI(nativeBrush(), &centre));
    return centre;
}

bool PathGradientBrush::SetCenterPoint(const PointF& centre)
{
    return recordStatus(GdipSetPathGradientCenterPoint(nativeBrush(), &centre));
}

bool PathGradientBrush::SetCenterPointI(const GpPoint& centre)
{
    return recordStatus(GdipSetPathGradientCenterPointI(nativeBrush(), &centre));
}

PointF PathGradientBrush::GetFocusScales() const
{
    REAL x = 0;
    REAL y = 0;
    recordStatus(GdipGetPathGradientFocusScales(nativeBrush(), &x, &y));
    return PointF(x, y);
}

bool PathGradientBrush::SetFocusScales(float xScale, float yScale)
{
    return recordStatus(GdipSetPathGradientFocusScales(nativeBrush(), xScale, yScale));
}
