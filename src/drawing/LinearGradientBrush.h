#pragma once

#include <array>

#include "drawing/Brush.h"

// Colours fade from a start line to an end line. Wrap modes and gradient modes (horizontal,
// vertical, the two diagonals) travel as GDI+'s own values.
class LinearGradientBrush : public Brush {
public:
    // A gradient from one point to another that repeats beyond them.
    bool Create(const PointF& start, const PointF& end, std::uint32_t startArgb, std::uint32_t endArgb);
    bool CreateI(const flat::GpPoint& start, const flat::GpPoint& end, std::uint32_t startArgb,
        std::uint32_t endArgb, int wrapMode = 0);
    bool CreateFromRect(
        const RectF& rect, std::uint32_t startArgb, std::uint32_t endArgb, int mode, int wrapMode = 0);
    bool CreateFromRectI(
        const flat::GpRect& rect, std::uint32_t startArgb, std::uint32_t endArgb, int mode, int wrapMode = 0);
    // The gradient runs at `angle` degrees clockwise from the x axis across the rectangle.
    bool CreateFromRectWithAngle(const RectF& rect, std::uint32_t startArgb, std::uint32_t endArgb, float angle,
        bool isAngleScalable, int wrapMode = 0);
    bool CreateFromRectWithAngleI(const flat::GpRect& rect, std::uint32_t startArgb, std::uint32_t endArgb,
        float angle, bool isAngleScalable, int wrapMode = 0);

    // Start colour first.
    std::array<std::uint32_t, 2> GetLinearColors() const;
    bool SetLinearColors(std::uint32_t startArgb, std::uint32_t endArgb);
    RectF GetRectangle() const;
    flat::GpRect GetRectangleI() const;
    bool SetGammaCorrection(bool useGamma);
    bool GetGammaCorrection() const;

    bool SetBlend(const Blend& blend);
    Blend GetBlend() const;
    int GetBlendCount() const;
    bool SetPresetBlend(const ColorBlend& blend);
    ColorBlend GetPresetBlend() const;
    // Bell-shaped and triangular falloffs peaking at `focus`, reaching `scale` there.
    bool SetSigmaBlend(float focus, float scale);
    bool SetLinearBlend(float focus, float scale);

    int GetWrapMode() const;
    bool SetWrapMode(int wrapMode);

    // Copies the brush's transform into `matrix`.
    bool GetTransform(flat::GpMatrix* matrix) const;
    bool SetTransform(const flat::GpMatrix* matrix);
    bool ResetTransform();
    bool MultiplyTransform(const flat::GpMatrix* matrix, int order = 0);
    bool TranslateTransform(float dx, float dy, int order = 0);
    bool ScaleTransform(float sx, float sy, int order = 0);
    bool ScaleAt(float sx, float sy, PointF centre, int order = 0);
    bool RotateTransform(float angle, int order = 0);
    bool RotateAt(float angle, PointF centre, int order = 0);

private:
    flat::GpLineGradient* gradient() const { return static_cast<flat::GpLineGradient*>(native()); }
};
