#pragma once

#include <string>
#include <vector>

#include "drawing/GdiplusObject.h"

class FontFamily;
class Graphics;
class Pen;
class StringFormat;

// Lines, curves and figures to draw, fill or clip with. Float methods have int32 twins named
// with a trailing I; point and rectangle lists pass all their elements.
class GraphicsPath : public GdiplusObject<flat::GpPath, &flat::GdipDeletePath> {
public:
    // Points with their GDI+ point types (start, line, bezier, plus flag bits).
    struct Data {
        std::vector<PointF> points;
        std::vector<BYTE> types;
    };

    bool Create(int fillMode = flat::FillModeAlternate);
    // As many points as both lists hold.
    bool Create(
        const std::vector<PointF>& points, const std::vector<BYTE>& types, int fillMode = flat::FillModeAlternate);
    bool CreateI(const std::vector<flat::GpPoint>& points, const std::vector<BYTE>& types,
        int fillMode = flat::FillModeAlternate);
    bool Delete() { return deleteNative(); }
    bool Clone(GraphicsPath& target) const;
    bool Reset();

    int GetFillMode() const;
    bool SetFillMode(int fillMode);
    Data GetPathData() const;
    std::vector<BYTE> GetPathTypes() const;
    std::vector<PointF> GetPathPoints() const;
    std::vector<flat::GpPoint> GetPathPointsI() const;

    bool StartFigure();
    bool CloseFigure();
    bool CloseAllFigures();
    bool SetMarker();
    bool ClearMarkers();
    bool Reverse();
    PointF GetLastPoint() const;

    bool AddLine(float x1, float y1, float x2, float y2);
    bool AddLineI(int x1, int y1, int x2, int y2);
    bool AddLines(const std::vector<PointF>& points);
    bool AddLinesI(const std::vector<flat::GpPoint>& points);
    bool AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool AddArcI(int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool AddBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool AddBeziers(const std::vector<PointF>& points);
    bool AddBeziersI(const std::vector<flat::GpPoint>& points);
    bool AddCurve(const std::vector<PointF>& points);
    bool AddCurveI(const std::vector<flat::GpPoint>& points);
    bool AddCurve(const std::vector<PointF>& points, float tension);
    bool AddCurveI(const std::vector<flat::GpPoint>& points, float tension);
    // Only the segments from point `offset` on, `segments` of them.
    bool AddCurve(const std::vector<PointF>& points, int offset, int segments, float tension);
    bool AddCurveI(const std::vector<flat::GpPoint>& points, int offset, int segments, float tension);
    bool AddClosedCurve(const std::vector<PointF>& points);
    bool AddClosedCurveI(const std::vector<flat::GpPoint>& points);
    bool AddClosedCurve(const std::vector<PointF>& points, float tension);
    bool AddClosedCurveI(const std::vector<flat::GpPoint>& points, float tension);
    bool AddRectangle(float x, float y, float width, float height);
    // Four quarter arcs whose radii are a percentage (1..100) of the width and height.
    bool AddRoundedRectangle(float x, float y, float width, float height, int cornerPercent);
    bool AddRectangles(const std::vector<RectF>& rects);
    bool AddRectangleI(int x, int y, int width, int height);
    bool AddRectanglesI(const std::vector<flat::GpRect>& rects);
    bool AddEllipse(float x, float y, float width, float height);
    bool AddEllipseI(int x, int y, int width, int height);
    bool AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool AddPieI(int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool AddPolygon(const std::vector<PointF>& points);
    bool AddPolygonI(const std::vector<flat::GpPoint>& points);
    // `connect` joins the other path's first figure to this path's last one.
    bool AddPath(const GraphicsPath& other, bool connect);
    // Glyph outlines of `text`, either laid out in a rectangle or starting at a point.
    bool AddString(const std::wstring& text, const FontFamily& family, int style, float emSize, const RectF& layout,
        const StringFormat& format);
    bool AddString(const std::wstring& text, const FontFamily& family, int style, float emSize, const PointF& origin,
        const StringFormat& format);
    bool AddStringI(const std::wstring& text, const FontFamily& family, int style, float emSize,
        const flat::GpRect& layout, const StringFormat& format);
    bool AddStringI(const std::wstring& text, const FontFamily& family, int style, float emSize,
        const flat::GpPoint& origin, const StringFormat& format);

    bool Transform(flat::GpMatrix* matrix);
    // Curves become line runs no further than `flatness` from the true curve.
    bool Flatten(flat::GpMatrix* matrix = nullptr, float flatness = 0.25f);
    // Replaces the path by the outline a stroke with `pen` would cover.
    bool Widen(const Pen& pen, flat::GpMatrix* matrix = nullptr, float flatness = 0.25f);
    bool Outline(flat::GpMatrix* matrix = nullptr, float flatness = 0.25f);
    // Maps the source rectangle onto the quadrilateral (or parallelogram) of `destination`.
    bool Warp(const std::vector<PointF>& destination, const RectF& source, flat::GpMatrix* matrix = nullptr,
        int warpMode = flat::WarpModePerspective, float flatness = 0.25f);

    int GetPointCount() const;
    RectF GetBounds(const flat::GpMatrix* matrix = nullptr, const Pen* pen = nullptr) const;
    flat::GpRect GetBoundsI(const flat::GpMatrix* matrix = nullptr, const Pen* pen = nullptr) const;
    bool IsVisible(float x, float y, const Graphics* graphics = nullptr) const;
    bool IsVisibleI(int x, int y, const Graphics* graphics = nullptr) const;
    bool IsOutlineVisible(float x, float y, const Pen& pen, const Graphics* graphics = nullptr) const;
    bool IsOutlineVisibleI(int x, int y, const Pen& pen, const Graphics* graphics = nullptr) const;
};
