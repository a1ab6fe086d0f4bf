#include "drawing/GraphicsPath.h"

#include <algorithm>
#include <cwchar>

#include "drawing/FontFamily.h"
#include "drawing/StringFormat.h"

using namespace flat;

namespace {
template <typename Element>
INT countOf(const std::vector<Element>& elements)
{
    return static_cast<INT>(elements.size());
}

// The length handed to GDI+ stops at the first NUL, which is never counted.
INT textLength(const std::wstring& text)
{
    return static_cast<INT>(std::wcslen(text.c_str()));
}
}

bool GraphicsPath::AddLine(float x1, float y1, float x2, float y2)
{
    return recordStatus(GdipAddPathLine(native(), x1, y1, x2, y2));
}

bool GraphicsPath::AddLineI(int x1, int y1, int x2, int y2)
{
    return recordStatus(GdipAddPathLineI(native(), x1, y1, x2, y2));
}

bool GraphicsPath::AddLines(const std::vector<PointF>& points)
{
    return recordStatus(GdipAddPathLine2(native(), points.data(), countOf(points)));
}

bool GraphicsPath::AddLinesI(const std::vector<GpPoint>& points)
{
    return recordStatus(GdipAddPathLine2I(native(), points.data(), countOf(points)));
}

bool GraphicsPath::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return recordStatus(GdipAddPathArc(native(), x, y, width, height, startAngle, sweepAngle));
}

bool GraphicsPath::AddArcI(int x, int y, int width, int height, float startAngle, float sweepAngle)
{
    return recordStatus(GdipAddPathArcI(native(), x, y, width, height, startAngle, sweepAngle));
}

bool GraphicsPath::AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    return recordStatus(GdipAddPathBezier(native(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GraphicsPath::AddBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return recordStatus(GdipAddPathBezierI(native(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GraphicsPath::AddBeziers(const std::vector<PointF>& points)
{
    return recordStatus(GdipAddPathBeziers(native(), points.data(), countOf(points)));
}

bool GraphicsPath::AddBeziersI(const std::vector<GpPoint>& points)
{
    return recordStatus(GdipAddPathBeziersI(native(), points.data(), countOf(points)));
}

bool GraphicsPath::AddCurve(const std::vector<PointF>& points)
{
    return recordStatus(GdipAddPathCurve(native(), points.data(), countOf(points)));
}

bool GraphicsPath::AddCurveI(const std::vector<GpPoint>& points)
{
    return recordStatus(GdipAddPathCurveI(native(), points.data(), countOf(points)));
}

bool GraphicsPath::AddCurve(const std::vector<PointF>& points, float tension)
{
    return recordStatus(GdipAddPathCurve2(native(), points.data(), countOf(points), tension));
}

bool GraphicsPath::AddCurveI(const std::vector<GpPoint>& points, float tension)
{
    return recordStatus(GdipAddPathCurve2I(native(), points.data(), countOf(points), tension));
}

bool GraphicsPath::AddCurve(const std::vector<PointF>& points, int offset, int segments, float tension)
{
    return recordStatus(GdipAddPathCurve3(native(), points.data(), countOf(points), offset, segments, tension));
}

bool GraphicsPath::AddCurveI(const std::vector<GpPoint>& points, int offset, int segments, float tension)
{
    return recordStatus(GdipAddPathCurve3I(native(), points.data(), countOf(points), offset, segments, tension));
}

bool GraphicsPath::AddClosedCurve(const std::vector<PointF>& points)
{
    return recordStatus(GdipAddPathClosedCurve(native(), points.data(), countOf(points)));
}

bool GraphicsPath::AddClosedCurveI(const std::vector<GpPoint>& points)
{
    return recordStatus(GdipAddPathClosedCurveI(native(), points.data(), countOf(points)));
}

bool GraphicsPath::AddClosedCurve(const std::vector<PointF>& points, float tension)
{
    return recordStatus(GdipAddPathClosedCurve2(native(), points.data(), countOf(points), tension));
}

bool GraphicsPath::AddClosedCurveI(const std::vector<GpPoint>& points, float tension)
{
    return recordStatus(GdipAddPathClosedCurve2I(native(), points.data(), countOf(points), tension));
}

bool GraphicsPath::AddRectangle(float x, float y, float width, float height)
{
    return recordStatus(GdipAddPathRectangle(native(), x, y, width, height));
}

bool GraphicsPath::AddRoundedRectangle(float x, float y, float width, float height, int cornerPercent)
{
    const int percent = std::clamp(cornerPercent, 1, 100);
    const auto rx = static_cast<float>(static_cast<int>(width * percent / 100));
    const auto ry = static_cast<float>(static_cast<int>(height * percent / 100));
    const float right = x + width;
    const float bottom = y + height;
    AddArc(right - rx, y, rx, ry, 270, 90);
    AddArc(right - rx, bottom - ry, rx, ry, 0, 90);
    AddArc(x, bottom - ry, rx, ry, 90, 90);
    AddArc(x, y, rx, ry, 180, 90);
    return CloseFigure();
}

bool GraphicsPath::AddRectangles(const std::vector<RectF>& rects)
{
    return recordStatus(GdipAddPathRectangles(native(), rects.data(), countOf(rects)));
}

bool GraphicsPath::AddRectangleI(int x, int y, int width, int height)
{
    return recordStatus(GdipAddPathRectangleI(native(), x, y, width, height));
}

bool GraphicsPath::AddRectanglesI(const std::vector<GpRect>& rects)
{
    return recordStatus(GdipAddPathRectanglesI(native(), rects.data(), countOf(rects)));
}

bool GraphicsPath::AddEllipse(float x, float y, float width, float height)
{
    return recordStatus(GdipAddPathEllipse(native(), x, y, width, height));
}

bool GraphicsPath::AddEllipseI(int x, int y, int width, int height)
{
    return recordStatus(GdipAddPathEllipseI(native(), x, y, width, height));
}

bool GraphicsPath::AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return recordStatus(GdipAddPathPie(native(), x, y, width, height, startAngle, sweepAngle));
}

bool GraphicsPath::AddPieI(int x, int y, int width, int height, float startAngle, float sweepAngle)
{
    return recordStatus(GdipAddPathPieI(native(), x, y, width, height, startAngle, sweepAngle));
}

bool GraphicsPath::AddPolygon(const std::vector<PointF>& points)
{
    return recordStatus(GdipAddPathPolygon(native(), points.data(), countOf(points)));
}

bool GraphicsPath::AddPolygonI(const std::vector<GpPoint>& points)
{
    return recordStatus(GdipAddPathPolygonI(native(), points.data(), countOf(points)));
}

bool GraphicsPath::AddPath(const GraphicsPath& other, bool connect)
{
    return recordStatus(GdipAddPathPath(native(), other.GetNativeObject(), connect ? TRUE : FALSE));
}

bool GraphicsPath::AddString(const std::wstring& text, const FontFamily& family, int style, float emSize,
    const RectF& layout, const StringFormat& format)
{
    return recordStatus(GdipAddPathString(native(), text.c_str(), textLength(text), family.GetNativeObject(), style,
        emSize, &layout, format.GetNativeObject()));
}

// A layout rectangle of no size: the text starts at the point and is not clipped or wrapped.
bool GraphicsPath::AddString(const std::wstring& text, const FontFamily& family, int style, float emSize,
    const PointF& origin, const StringFormat& format)
{
    return AddString(text, family, style, emSize, RectF(origin.X, origin.Y, 0, 0), format);
}

bool GraphicsPath::AddStringI(const std::wstring& text, const FontFamily& family, int style, float emSize,
    const GpRect& layout, const StringFormat& format)
{
    return recordStatus(GdipAddPathStringI(native(), text.c_str(), textLength(text), family.GetNativeObject(),
        style, emSize, &layout, format.GetNativeObject()));
}

bool GraphicsPath::AddStringI(const std::wstring& text, const FontFamily& family, int style, float emSize,
    const GpPoint& origin, const StringFormat& format)
{
    return AddStringI(text, family, style, emSize, GpRect(origin.X, origin.Y, 0, 0), format);
}
