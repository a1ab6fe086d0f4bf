#include "drawing/LinearGradientBrush.h"

using namespace flat;

bool LinearGradientBrush::Create(
    const PointF& start, const PointF& end, std::uint32_t startArgb, std::uint32_t endArgb)
{
    GpLineGradient* brush = nullptr;
    const GpStatus status = GdipCreateLineBrush(&start, &end, startArgb, endArgb, WrapModeTile, &brush);
    return adopt(status, brush);
}

bool LinearGradientBrush::SetLinearBlend(float focus, float scale)
{
    return recordStatus(GdipSetLineLinearBlend(gradient(), focus, scale));
}
