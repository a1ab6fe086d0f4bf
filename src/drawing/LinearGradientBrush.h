#pragma once

#include <array>

#include "drawing/BrushFunctions.h"
#include "drawing/GradientBrush.h"

// Colours fade from a start line to an end line. Wrap modes and gradient modes (horizontal,
// vertical, the two diagonals) travel as GDI+'s own values.
class LinearGradientBrush : public GradientBrush<flat::GpLineGradient, LineGradientFunctions> {
public:
    // A gradient from one point to another that repeats beyond them.
    bool Create(const PointF& start, const PointF& end, std::uint32_t startArgb, std::uint32_t endArgb);
    bool CreateI(const flat::GpPoint& start, const flat::GpPoint& end, std::uint32_t startArgb,
        std::uint32_t endArgb, int wrapMode = flat::WrapModeTile);
    bool CreateFromRect(
        const RectF& rect, std::uint32_t startArgb, std::uint32_t endArgb, int mode, int wrapMode = flat::WrapModeTile);
    bool CreateFromRectI(const flat::GpRect& rect, std::uint32_t startArgb, std::uint32_t endArgb, int mode,
        int wrapMode = flat::WrapModeTile);
    // The gradient runs at `angle` degrees clockwise from the x axis across the rectangle.
    bool CreateFromRectWithAngle(const RectF& rect, std::uint32_t startArgb, std::uint32_t endArgb, float angle,
        bool isAngleScalable, int wrapMode = flat::WrapModeTile);
    bool CreateFromRectWithAngleI(const flat::GpRect& rect, std::uint32_t startArgb, std::uint32_t endArgb,
        float angle, bool isAngleScalable, int wrapMode = flat::WrapModeTile);

    // Start colour first.
    std::array<std::uint32_t, 2> GetLinearColors() const;
    bool SetLinearColors(std::uint32_t startArgb, std::uint32_t endArgb);
};
