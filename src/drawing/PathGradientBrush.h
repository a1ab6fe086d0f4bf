#pragma once

#include <vector>

#include "drawing/BrushFunctions.h"
#include "drawing/GradientBrush.h"

class GraphicsPath;

// Colours fade from a centre point out to the boundary of a path or polygon.
class PathGradientBrush : public GradientBrush<flat::GpPathGradient, PathGradientFunctions> {
public:
    bool Create(const std::vector<PointF>& points, int wrapMode = flat::WrapModeTile);
    bool CreateI(const std::vector<flat::GpPoint>& points, int wrapMode = flat::WrapModeTile);
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
    // X holds the horizontal scale, Y the vertical one.
    PointF GetFocusScales() const;
    bool SetFocusScales(float xScale, float yScale);
};
