#include "drawing/LinearGradientBrush.h"

using namespace flat;

bool LinearGradientBrush::Create(
    const PointF& start, const PointF& end, std::uint32_t startArgb, std::uint32_t endArgb)
{
    GpLineGradient* brush = nullptr;
    const GpStatus status = GdipCreateLineBrush(&start, &end, startArgb, endArgb, WrapModeTile, &brush);
    return adopt(status, brush);
}

bool LinearGradientBrush::CreateI(
    const GpPoint& start, const GpPoint& end, std::uint32_t startArgb, std::uint32_t endArgb, int wrapMode)
{
    GpLineGradient* brush = nullptr;
    const GpStatus status =
        GdipCreateLineBrushI(&start, &end, startArgb, endArgb, static_cast<GpWrapMode>(wrapMode), &brush);
    return adopt(status, brush);
}

bool LinearGradientBrush::CreateFromRect(
    const RectF& rect, std::uint32_t startArgb, std::uint32_t endArgb, int mode, int wrapMode)
{
    GpLineGradient* brush = nullptr;
    const GpStatus status = GdipCreateLineBrushFromRect(&rect, startArgb, endArgb,
        static_cast<LinearGradientMode>(mode), static_cast<GpWrapMode>(wrapMode), &brush);
    return adopt(status, brush);
}

bool LinearGradientBrush::CreateFromRectI(
    const GpRect& rect, std::uint32_t startArgb, std::uint32_t endArgb, int mode, int wrapMode)
{
    GpLineGradient* brush = nullptr;
    const GpStatus status = GdipCreateLineBrushFromRectI(&rect, startArgb, endArgb,
        static_cast<LinearGradientMode>(mode), static_cast<GpWrapMode>(wrapMode), &brush);
    return adopt(status, brush);
}

bool LinearGradientBrush::CreateFromRectWithAngle(const RectF& rect, std::uint32_t startArgb, std::uint32_t endArgb,
    float angle, bool isAngleScalable, int wrapMode)
{
    GpLineGradient* brush = nullptr;
    const GpStatus status = GdipCreateLineBrushFromRectWithAngle(&rect, startArgb, endArgb, angle,
        isAngleScalable ? TRUE : FALSE, static_cast<GpWrapMode>(wrapMode), &brush);
    return adopt(status, brush);
}

bool LinearGradientBrush::CreateFromRectWithAngleI(const GpRect& rect, std::uint32_t startArgb,
    std::uint32_t endArgb, float angle, bool isAngleScalable, int wrapMode)
{
    GpLineGradient* brush = nullptr;
    const GpStatus status = GdipCreateLineBrushFromRectWithAngleI(&rect, startArgb, endArgb, angle,
        isAngleScalable ? TRUE : FALSE, static_cast<GpWrapMode>(wrapMode), &brush);
    return adopt(status, brush);
}

std::array<std::uint32_t, 2> LinearGradientBrush::GetLinearColors() const
{
    ARGB colours[2] = {};
    recordStatus(GdipGetLineColors(nativeBrush(), colours));
    return { colours[0], colours[1] };
}

bool LinearGradientBrush::SetLinearColors(std::uint32_t startArgb, std::uint32_t endArgb)
{
    return recordStatus(GdipSetLineColors(nativeBrush(), startArgb, endArgb));
}
