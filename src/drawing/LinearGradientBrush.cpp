#include "drawing/LinearGradientBrush.h"

#include <algorithm>

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
    recordStatus(GdipGetLineColors(gradient(), colours));
    return { colours[0], colours[1] };
}

bool LinearGradientBrush::SetLinearColors(std::uint32_t startArgb, std::uint32_t endArgb)
{
    return recordStatus(GdipSetLineColors(gradient(), startArgb, endArgb));
}

RectF LinearGradientBrush::GetRectangle() const
{
    RectF rect(0, 0, 0, 0);
    recordStatus(GdipGetLineRect(gradient(), &rect));
    return rect;
}

GpRect LinearGradientBrush::GetRectangleI() const
{
    GpRect rect(0, 0, 0, 0);
    recordStatus(GdipGetLineRectI(gradient(), &rect));
    return rect;
}

bool LinearGradientBrush::SetGammaCorrection(bool useGamma)
{
    return recordStatus(GdipSetLineGammaCorrection(gradient(), useGamma ? TRUE : FALSE));
}

bool LinearGradientBrush::GetGammaCorrection() const
{
    BOOL useGamma = FALSE;
    recordStatus(GdipGetLineGammaCorrection(gradient(), &useGamma));
    return useGamma != FALSE;
}

bool LinearGradientBrush::SetBlend(const Blend& blend)
{
    const auto count = static_cast<INT>(std::min(blend.factors.size(), blend.positions.size()));
    return recordStatus(GdipSetLineBlend(gradient(), blend.factors.data(), blend.positions.data(), count));
}

Blend LinearGradientBrush::GetBlend() const
{
    const int count = GetBlendCount();
    if (count <= 0)
        return {};
    Blend blend{ std::vector<float>(count), std::vector<float>(count) };
    if (!recordStatus(GdipGetLineBlend(gradient(), blend.factors.data(), blend.positions.data(), count)))
        return {};
    return blend;
}

int LinearGradientBrush::GetBlendCount() const
{
    INT count = 0;
    recordStatus(GdipGetLineBlendCount(gradient(), &count));
    return count;
}

bool LinearGradientBrush::SetPresetBlend(const ColorBlend& blend)
{
    const auto count = static_cast<INT>(std::min(blend.colours.size(), blend.positions.size()));
    const std::vector<ARGB> colours(blend.colours.begin(), blend.colours.begin() + count);
    return recordStatus(GdipSetLinePresetBlend(gradient(), colours.data(), blend.positions.data(), count));
}

ColorBlend LinearGradientBrush::GetPresetBlend() const
{
    INT count = 0;
    if (!recordStatus(GdipGetLinePresetBlendCount(gradient(), &count)) || count <= 0)
        return {};
    std::vector<ARGB> colours(count);
    std::vector<float> positions(count);
    if (!recordStatus(GdipGetLinePresetBlend(gradient(), colours.data(), positions.data(), count)))
        return {};
    return { { colours.begin(), colours.end() }, positions };
}

bool LinearGradientBrush::SetSigmaBlend(float focus, float scale)
{
    return recordStatus(GdipSetLineSigmaBlend(gradient(), focus, scale));
}

bool LinearGradientBrush::SetLinearBlend(float focus, float scale)
{
    return recordStatus(GdipSetLineLinearBlend(gradient(), focus, scale));
}

int LinearGradientBrush::GetWrapMode() const
{
    GpWrapMode mode = WrapModeTile;
    recordStatus(GdipGetLineWrapMode(gradient(), &mode));
    return mode;
}

bool LinearGradientBrush::SetWrapMode(int wrapMode)
{
    return recordStatus(GdipSetLineWrapMode(gradient(), static_cast<GpWrapMode>(wrapMode)));
}

bool LinearGradientBrush::GetTransform(GpMatrix* matrix) const
{
    return recordStatus(GdipGetLineTransform(gradient(), matrix));
}

bool LinearGradientBrush::SetTransform(const GpMatrix* matrix)
{
    return recordStatus(GdipSetLineTransform(gradient(), matrix));
}

bool LinearGradientBrush::ResetTransform()
{
    return recordStatus(GdipResetLineTransform(gradient()));
}

bool LinearGradientBrush::MultiplyTransform(const GpMatrix* matrix, int order)
{
    return recordStatus(GdipMultiplyLineTransform(gradient(), matrix, static_cast<GpMatrixOrder>(order)));
}

bool LinearGradientBrush::TranslateTransform(float dx, float dy, int order)
{
    return recordStatus(GdipTranslateLineTransform(gradient(), dx, dy, static_cast<GpMatrixOrder>(order)));
}

bool LinearGradientBrush::ScaleTransform(float sx, float sy, int order)
{
    return recordStatus(GdipScaleLineTransform(gradient(), sx, sy, static_cast<GpMatrixOrder>(order)));
}

bool LinearGradientBrush::ScaleAt(float sx, float sy, PointF centre, int order)
{
    return scaleTransformAt(*this, sx, sy, centre, order);
}

bool LinearGradientBrush::RotateTransform(float angle, int order)
{
    return recordStatus(GdipRotateLineTransform(gradient(), angle, static_cast<GpMatrixOrder>(order)));
}

bool LinearGradientBrush::RotateAt(float angle, PointF centre, int order)
{
    return rotateTransformAt(*this, angle, centre, order);
}
