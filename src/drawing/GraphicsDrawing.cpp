#include "drawing/Graphics.h"

#include "drawing/Brush.h"
#include "drawing/GraphicsPath.h"
#include "drawing/Pen.h"
#include "drawing/Region.h"

using namespace flat;

namespace {
template <typename T> INT countOf(const std::vector<T>& items)
{
    return static_cast<INT>(items.size());
}
} // namespace

bool Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2)
{
    return recordStatus(GdipDrawLine(native(), pen.GetNativeObject(), x1, y1, x2, y2));
}

bool Graphics::DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2)
{
    return recordStatus(GdipDrawLineI(native(), pen.GetNativeObject(), x1, y1, x2, y2));
}

bool Graphics::DrawLines(const Pen& pen, const std::vector<PointF>& points)
{
    return recordStatus(GdipDrawLines(native(), pen.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::DrawLinesI(const Pen& pen, const std::vector<GpPoint>& points)
{
    return recordStatus(GdipDrawLinesI(native(), pen.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::DrawArc(const Pen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return recordStatus(GdipDrawArc(native(), pen.GetNativeObject(), x, y, width, height, startAngle, sweepAngle));
}

bool Graphics::DrawArcI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle)
{
    return recordStatus(GdipDrawArcI(native(), pen.GetNativeObject(), x, y, width, height, startAngle, sweepAngle));
}

bool Graphics::DrawBezier(
    const Pen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    return recordStatus(GdipDrawBezier(native(), pen.GetNativeObject(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool Graphics::DrawBezierI(const Pen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return recordStatus(GdipDrawBezierI(native(), pen.GetNativeObject(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool Graphics::DrawBeziers(const Pen& pen, const std::vector<PointF>& points)
{
    return recordStatus(GdipDrawBeziers(native(), pen.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::DrawBeziersI(const Pen& pen, const std::vector<GpPoint>& points)
{
    return recordStatus(GdipDrawBeziersI(native(), pen.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::DrawRectangle(const Pen& pen, float x, float y, float width, float height)
{
    return recordStatus(GdipDrawRectangle(native(), pen.GetNativeObject(), x, y, width, height));
}

bool Graphics::DrawRectangleI(const Pen& pen, int x, int y, int width, int height)
{
    return recordStatus(GdipDrawRectangleI(native(), pen.GetNativeObject(), x, y, width, height));
}

bool Graphics::DrawRectangles(const Pen& pen, const std::vector<RectF>& rects)
{
    return recordStatus(GdipDrawRectangles(native(), pen.GetNativeObject(), rects.data(), countOf(rects)));
}

bool Graphics::DrawRectanglesI(const Pen& pen, const std::vector<GpRect>& rects)
{
    return recordStatus(GdipDrawRectanglesI(native(), pen.GetNativeObject(), rects.data(), countOf(rects)));
}

bool Graphics::DrawEllipse(const Pen& pen, float x, float y, float width, float height)
{
    return recordStatus(GdipDrawEllipse(native(), pen.GetNativeObject(), x, y, width, height));
}

bool Graphics::DrawEllipseI(const Pen& pen, int x, int y, int width, int height)
{
    return recordStatus(GdipDrawEllipseI(native(), pen.GetNativeObject(), x, y, width, height));
}

bool Graphics::DrawPie(const Pen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return recordStatus(GdipDrawPie(native(), pen.GetNativeObject(), x, y, width, height, startAngle, sweepAngle));
}

bool Graphics::DrawPieI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle)
{
    return recordStatus(GdipDrawPieI(native(), pen.GetNativeObject(), x, y, width, height, startAngle, sweepAngle));
}

bool Graphics::DrawPolygon(const Pen& pen, const std::vector<PointF>& points)
{
    return recordStatus(GdipDrawPolygon(native(), pen.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::DrawPolygonI(const Pen& pen, const std::vector<GpPoint>& points)
{
    return recordStatus(GdipDrawPolygonI(native(), pen.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::DrawPath(const Pen& pen, const GraphicsPath& path)
{
    return recordStatus(GdipDrawPath(native(), pen.GetNativeObject(), path.GetNativeObject()));
}

bool Graphics::DrawCurve(const Pen& pen, const std::vector<PointF>& points)
{
    return recordStatus(GdipDrawCurve(native(), pen.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::DrawCurveI(const Pen& pen, const std::vector<GpPoint>& points)
{
    return recordStatus(GdipDrawCurveI(native(), pen.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::DrawCurve2(const Pen& pen, const std::vector<PointF>& points, float tension)
{
    return recordStatus(GdipDrawCurve2(native(), pen.GetNativeObject(), points.data(), countOf(points), tension));
}

bool Graphics::DrawCurve2I(const Pen& pen, const std::vector<GpPoint>& points, float tension)
{
    return recordStatus(GdipDrawCurve2I(native(), pen.GetNativeObject(), points.data(), countOf(points), tension));
}

bool Graphics::DrawCurve3(const Pen& pen, const std::vector<PointF>& points, int offset, int segments, float tension)
{
    return recordStatus(
        GdipDrawCurve3(native(), pen.GetNativeObject(), points.data(), countOf(points), offset, segments, tension));
}

bool Graphics::DrawCurve3I(const Pen& pen, const std::vector<GpPoint>& points, int offset, int segments, float tension)
{
    return recordStatus(
        GdipDrawCurve3I(native(), pen.GetNativeObject(), points.data(), countOf(points), offset, segments, tension));
}

bool Graphics::DrawClosedCurve(const Pen& pen, const std::vector<PointF>& points)
{
    return recordStatus(GdipDrawClosedCurve(native(), pen.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::DrawClosedCurveI(const Pen& pen, const std::vector<GpPoint>& points)
{
    return recordStatus(GdipDrawClosedCurveI(native(), pen.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::DrawClosedCurve2(const Pen& pen, const std::vector<PointF>& points, float tension)
{
    return recordStatus(GdipDrawClosedCurve2(native(), pen.GetNativeObject(), points.data(), countOf(points), tension));
}

bool Graphics::DrawClosedCurve2I(const Pen& pen, const std::vector<GpPoint>& points, float tension)
{
    return recordStatus(
        GdipDrawClosedCurve2I(native(), pen.GetNativeObject(), points.data(), countOf(points), tension));
}

bool Graphics::Clear(std::uint32_t argb)
{
    return recordStatus(GdipGraphicsClear(native(), argb));
}

bool Graphics::FillRectangle(const Brush& brush, float x, float y, float width, float height)
{
    return recordStatus(GdipFillRectangle(native(), brush.GetNativeObject(), x, y, width, height));
}

bool Graphics::FillRectangle(const Brush& brush, const RectF& rect)
{
    return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

bool Graphics::FillRectangleI(const Brush& brush, int x, int y, int width, int height)
{
    return recordStatus(GdipFillRectangleI(native(), brush.GetNativeObject(), x, y, width, height));
}

bool Graphics::FillRectangles(const Brush& brush, const std::vector<RectF>& rects)
{
    return recordStatus(GdipFillRectangles(native(), brush.GetNativeObject(), rects.data(), countOf(rects)));
}

bool Graphics::FillRectanglesI(const Brush& brush, const std::vector<GpRect>& rects)
{
    return recordStatus(GdipFillRectanglesI(native(), brush.GetNativeObject(), rects.data(), countOf(rects)));
}

bool Graphics::FillPolygon(const Brush& brush, const std::vector<PointF>& points, int fillMode)
{
    return recordStatus(GdipFillPolygon(
        native(), brush.GetNativeObject(), points.data(), countOf(points), static_cast<FillMode>(fillMode)));
}

bool Graphics::FillPolygonI(const Brush& brush, const std::vector<GpPoint>& points, int fillMode)
{
    return recordStatus(GdipFillPolygonI(
        native(), brush.GetNativeObject(), points.data(), countOf(points), static_cast<FillMode>(fillMode)));
}

bool Graphics::FillEllipse(const Brush& brush, float x, float y, float width, float height)
{
    return recordStatus(GdipFillEllipse(native(), brush.GetNativeObject(), x, y, width, height));
}

bool Graphics::FillEllipseI(const Brush& brush, int x, int y, int width, int height)
{
    return recordStatus(GdipFillEllipseI(native(), brush.GetNativeObject(), x, y, width, height));
}

bool Graphics::FillPie(
    const Brush& brush, float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return recordStatus(GdipFillPie(native(), brush.GetNativeObject(), x, y, width, height, startAngle, sweepAngle));
}

bool Graphics::FillPieI(const Brush& brush, int x, int y, int width, int height, float startAngle, float sweepAngle)
{
    return recordStatus(GdipFillPieI(native(), brush.GetNativeObject(), x, y, width, height, startAngle, sweepAngle));
}

bool Graphics::FillPath(const Brush& brush, const GraphicsPath& path)
{
    return recordStatus(GdipFillPath(native(), brush.GetNativeObject(), path.GetNativeObject()));
}

bool Graphics::FillClosedCurve(const Brush& brush, const std::vector<PointF>& points)
{
    return recordStatus(GdipFillClosedCurve(native(), brush.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::FillClosedCurveI(const Brush& brush, const std::vector<GpPoint>& points)
{
    return recordStatus(GdipFillClosedCurveI(native(), brush.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::FillClosedCurve2(const Brush& brush, const std::vector<PointF>& points, float tension, int fillMode)
{
    return recordStatus(GdipFillClosedCurve2(
        native(), brush.GetNativeObject(), points.data(), countOf(points), tension, static_cast<FillMode>(fillMode)));
}

bool Graphics::FillClosedCurve2I(const Brush& brush, const std::vector<GpPoint>& points, float tension, int fillMode)
{
    return recordStatus(GdipFillClosedCurve2I(
        native(), brush.GetNativeObject(), points.data(), countOf(points), tension, static_cast<FillMode>(fillMode)));
}

bool Graphics::FillRegion(const Brush& brush, const Region& region)
{
    return recordStatus(GdipFillRegion(native(), brush.GetNativeObject(), region.GetNativeObject()));
}
