#pragma once

#include <vector>

#include "drawing/Brush.h"

class GraphicsPath;

// Colours fade from a centre point out to the boundary of a path or polygon.
class PathGradientBrush : public Brush {
public:
    bool Create(const std::vector<PointF>& points, int wrapMode = 0);
    bool CreateI(const std::vector<flat::GpPoint>& points, int wrapMode = 0);
    bool CreateFromPath(const GraphicsPath& path);

    std::uint32_t GetCenterColor() const;
    bool SetCenterColor(std::uint32_t argb);
    int GetPointCount() const;
    // GDI+ answers with the boundary's point count, the room GetSurroundColors needs; how many
    // colours were set shows in what GetSurroundColors returns.
    int GetSurroundColorCount() const;
    std::vector<std::uint32_t> GetSurroundColors() const;
    // Count defaults to the number of colours given.
    bool SetSurroundColors(const std::vector<std::uint32_t>& colours);
    bool SetSurroundColors(const std::vector<std::uint32_t>& colours, int count);
    // Copies the boundary into `path`, which must already exist.
    bool GetPath(GraphicsPath& path) const;
    bool SetPath(const GraphicsPath& path);

    PointF GetCenterPoint() const;
    flat::GpPoint GetCenterPointI() const;
    bool SetCenterPoint(const PointF& centre);
    bool SetCenterPointI(const flat::GpPoint& centre);
    RectF GetRectangle() const;
    flat::GpRect GetRectangleI() const;
    bool SetGammaCorrection(bool useGamma);
    bool GetGammaCorrection() const;

    bool SetBlend(const Blend& blend);
    Blend GetBlend() const;
    int GetBlendCount() const;
    int GetPresetBlendCount() const;
    // X holds the horizontal scale, Y the vertical one.
    PointF GetFocusScales() const;
    bool SetFocusScales(float xScale, float yScale);
    bool SetPresetBlend(const ColorBlend& blend);
    ColorBlend GetPresetBlend() const;
    bool SetSigmaBlend(float focus, float scale);
    bool SetLinearBlend(float focus, float scale);

    int GetWrapMode() const;
    bool SetWrapMode(int wrapMode);

    // Copies the brush's transform into `matrix`.
    bool GetTransform(flat::GpMatrix* matrix) const;
    bool SetTransform(flat::GpMatrix* matrix);
    bool ResetTransform();
    bool MultiplyTransform(const flat::GpMatrix* matrix, int order = 0);
    bool TranslateTransform(float dx, float dy, int order = 0);
    bool ScaleTransform(float sx, float sy, int order = 0);
    bool ScaleAt(float sx, float sy, PointF centre, int order = 0);
    bool RotateTransform(float angle, int order = 0);
    bool RotateAt(float angle, PointF centre, int order = 0);

private:
    flat::GpPathGradient* gradient() const { return static_cast<flat::GpPathGradient*>(native()); }
};
