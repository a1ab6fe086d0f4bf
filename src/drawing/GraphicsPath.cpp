#include "drawing/GraphicsPath.h"

#include <algorithm>

#include "drawing/Graphics.h"
#include "drawing/Pen.h"

using namespace flat;

namespace {
// GdipGetPathData fills caller-owned buffers; GDI+'s own PathData would free them itself.
struct PathDataBuffers {
    INT Count;
    PointF* Points;
    BYTE* Types;
};

template <typename Wrapper>
auto handleOf(const Wrapper* wrapper)
{
    return wrapper ? wrapper->GetNativeObject() : nullptr;
}
}

bool GraphicsPath::Create(int fillMode)
{
    GpPath* path = nullptr;
    const GpStatus status = GdipCreatePath(static_cast<GpFillMode>(fillMode), &path);
    return adopt(status, path);
}

bool GraphicsPath::Create(const std::vector<PointF>& points, const std::vector<BYTE>& types, int fillMode)
{
    const auto count = static_cast<INT>(std::min(points.size(), types.size()));
    GpPath* path = nullptr;
    const GpStatus status =
        GdipCreatePath2(points.data(), types.data(), count, static_cast<GpFillMode>(fillMode), &path);
    return adopt(status, path);
}

bool GraphicsPath::CreateI(const std::vector<GpPoint>& points, const std::vector<BYTE>& types, int fillMode)
{
    const auto count = static_cast<INT>(std::min(points.size(), types.size()));
    GpPath* path = nullptr;
    const GpStatus status =
        GdipCreatePath2I(points.data(), types.data(), count, static_cast<GpFillMode>(fillMode), &path);
    return adopt(status, path);
}

bool GraphicsPath::Clone(GraphicsPath& target) const
{
    GpPath* copy = nullptr;
    const GpStatus status = GdipClonePath(native(), &copy);
    return target.adopt(status, copy);
}

bool GraphicsPath::Reset()
{
    return recordStatus(GdipResetPath(native()));
}

int GraphicsPath::GetFillMode() const
{
    GpFillMode mode{};
    recordStatus(GdipGetPathFillMode(native(), &mode));
    return mode;
}

bool GraphicsPath::SetFillMode(int fillMode)
{
    return recordStatus(GdipSetPathFillMode(native(), static_cast<GpFillMode>(fillMode)));
}

GraphicsPath::Data GraphicsPath::GetPathData() const
{
    const int count = GetPointCount();
    if (count <= 0)
        return {};
    Data data{ std::vector<PointF>(count), std::vector<BYTE>(count) };
    PathDataBuffers buffers{ count, data.points.data(), data.types.data() };
    if (!recordStatus(GdipGetPathData(native(), reinterpret_cast<GpPathData*>(&buffers))))
        return {};
    return data;
}

std::vector<BYTE> GraphicsPath::GetPathTypes() const
{
    const int count = GetPointCount();
    if (count <= 0)
        return {};
    std::vector<BYTE> types(count);
    if (!recordStatus(GdipGetPathTypes(native(), types.data(), count)))
        return {};
    return types;
}

std::vector<PointF> GraphicsPath::GetPathPoints() const
{
    const int count = GetPointCount();
    if (count <= 0)
        return {};
    std::vector<PointF> points(count);
    if (!recordStatus(GdipGetPathPoints(native(), points.data(), count)))
        return {};
    return points;
}

std::vector<GpPoint> GraphicsPath::GetPathPointsI() const
{
    const int count = GetPointCount();
    if (count <= 0)
        return {};
    std::vector<GpPoint> points(count);
    if (!recordStatus(GdipGetPathPointsI(native(), points.data(), count)))
        return {};
    return points;
}

bool GraphicsPath::StartFigure()
{
    return recordStatus(GdipStartPathFigure(native()));
}

bool GraphicsPath::CloseFigure()
{
    return recordStatus(GdipClosePathFigure(native()));
}

bool GraphicsPath::CloseAllFigures()
{
    return recordStatus(GdipClosePathFigures(native()));
}

bool GraphicsPath::SetMarker()
{
    return recordStatus(GdipSetPathMarker(native()));
}

bool GraphicsPath::ClearMarkers()
{
    return recordStatus(GdipClearPathMarkers(native()));
}

bool GraphicsPath::Reverse()
{
    return recordStatus(GdipReversePath(native()));
}

PointF GraphicsPath::GetLastPoint() const
{
    PointF point(0, 0);
    recordStatus(GdipGetPathLastPoint(native(), &point));
    return point;
}

bool GraphicsPath::Transform(GpMatrix* matrix)
{
    return recordStatus(GdipTransformPath(native(), matrix));
}

bool GraphicsPath::Flatten(GpMatrix* matrix, float flatness)
{
    return recordStatus(GdipFlattenPath(native(), matrix, flatness));
}

bool GraphicsPath::Widen(const Pen& pen, GpMatrix* matrix, float flatness)
{
    return recordStatus(GdipWidenPath(native(), pen.GetNativeObject(), matrix, flatness));
}

bool GraphicsPath::Outline(GpMatrix* matrix, float flatness)
{
    return recordStatus(GdipWindingModeOutline(native(), matrix, flatness));
}

bool GraphicsPath::Warp(
    const std::vector<PointF>& destination, const RectF& source, GpMatrix* matrix, int warpMode, float flatness)
{
    return recordStatus(GdipWarpPath(native(), matrix, destination.data(), static_cast<INT>(destination.size()),
        source.X, source.Y, source.Width, source.Height, static_cast<WarpMode>(warpMode), flatness));
}

int GraphicsPath::GetPointCount() const
{
    INT count = 0;
    recordStatus(GdipGetPointCount(native(), &count));
    return count;
}

RectF GraphicsPath::GetBounds(const GpMatrix* matrix, const Pen* pen) const
{
    RectF bounds(0, 0, 0, 0);
    recordStatus(GdipGetPathWorldBounds(native(), &bounds, matrix, handleOf(pen)));
    return bounds;
}

GpRect GraphicsPath::GetBoundsI(const GpMatrix* matrix, const Pen* pen) const
{
    GpRect bounds(0, 0, 0, 0);
    recordStatus(GdipGetPathWorldBoundsI(native(), &bounds, matrix, handleOf(pen)));
    return bounds;
}

bool GraphicsPath::IsVisible(float x, float y, const Graphics* graphics) const
{
    BOOL visible = FALSE;
    recordStatus(GdipIsVisiblePathPoint(native(), x, y, handleOf(graphics), &visible));
    return visible != FALSE;
}

bool GraphicsPath::IsVisibleI(int x, int y, const Graphics* graphics) const
{
    BOOL visible = FALSE;
    recordStatus(GdipIsVisiblePathPointI(native(), x, y, handleOf(graphics), &visible));
    return visible != FALSE;
}

bool GraphicsPath::IsOutlineVisible(float x, float y, const Pen& pen, const Graphics* graphics) const
{
    BOOL visible = FALSE;
    recordStatus(
        GdipIsOutlineVisiblePathPoint(native(), x, y, pen.GetNativeObject(), handleOf(graphics), &visible));
    return visible != FALSE;
}

bool GraphicsPath::IsOutlineVisibleI(int x, int y, const Pen& pen, const Graphics* graphics) const
{
    BOOL visible = FALSE;
    recordStatus(
        GdipIsOutlineVisiblePathPointI(native(), x, y, pen.GetNativeObject(), handleOf(graphics), &visible));
    return visible != FALSE;
}
