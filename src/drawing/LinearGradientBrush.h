#pragma once

#include "drawing/Brush.h"

class LinearGradientBrush : public Brush {
public:
    // A gradient from one point to another that repeats beyond them.
    bool Create(const PointF& start, const PointF& end, std::uint32_t startArgb, std::uint32_t endArgb);
    bool SetLinearBlend(float focus, float scale);

private:
    flat::GpLineGradient* gradient() const { return static_cast<flat::GpLineGradient*>(native()); }
};
