#include "drawing/PathGradientBrush.h"

#include "drawing/GraphicsPath.h"

using namespace flat;

bool PathGradientBrush::CreateFromPath(const GraphicsPath& path)
{
    GpPathGradient* brush = nullptr;
    const GpStatus status = GdipCreatePathGradientFromPath(path.GetNativeObject(), &brush);
    return adopt(status, brush);
}

bool PathGradientBrush::SetCenterColor(std::uint32_t argb)
{
    return recordStatus(GdipSetPathGradientCenterColor(gradient(), argb));
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

bool PathGradientBrush::SetFocusScales(float xScale, float yScale)
{
    return recordStatus(GdipSetPathGradientFocusScales(gradient(), xScale, yScale));
}

bool PathGradientBrush::SetLinearBlend(float focus, float scale)
{
    return recordStatus(GdipSetPathGradientLinearBlend(gradient(), focus, scale));
}
