#pragma once

#include <vector>

#include "drawing/Brush.h"

class GraphicsPath;

class PathGradientBrush : public Brush {
public:
    bool CreateFromPath(const GraphicsPath& path);
    bool SetCenterColor(std::uint32_t argb);
    // Count defaults to the number of colours given.
    bool SetSurroundColors(const std::vector<std::uint32_t>& colours);
    bool SetSurroundColors(const std::vector<std::uint32_t>& colours, int count);
    bool SetFocusScales(float xScale, float yScale);
    bool SetLinearBlend(float focus, float scale);

private:
    flat::GpPathGradient* gradient() const { return static_cast<flat::GpPathGradient*>(native()); }
};
