#include "drawing/Region.h"

#include <algorithm>

#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"

using namespace flat;

namespace {
GpGraphics* handleOf(const Graphics* graphics)
{
    return graphics ? graphics->GetNativeObject() : nullptr;
}
}

bool Region::Create()
{
    GpRegion* region = nullptr;
    const GpStatus status = GdipCreateRegion(&region);
    return adopt(status, region);
}

bool Region::CreateFromRect(const RectF& rect)
{
    GpRegion* region = nullptr;
    const GpStatus status = GdipCreateRegionRect(&rect, &region);
    return adopt(status, region);
}

bool Region::CreateFromRectI(const GpRect& rect)
{
    GpRegion* region = nullptr;
    const GpStatus status = GdipCreateRegionRectI(&rect, &region);
    return adopt(status, region);
}

bool Region::CreateFromPath(const GraphicsPath& path)
{
    GpRegion* region = nullptr;
    const GpStatus status = GdipCreateRegionPath(path.GetNativeObject(), &region);
    return adopt(status, region);
}

bool Region::CreateFromHRGN(HRGN hrgn)
{
    GpRegion* region = nullptr;
    const GpStatus status = GdipCreateRegionHrgn(hrgn, &region);
    return adopt(status, region);
}

bool Region::CreateFromData(const ByteArray& data)
{
    GpRegion* region = nullptr;
    const GpStatus status = GdipCreateRegionRgnData(data.data(), static_cast<INT>(data.size()), &region);
    return adopt(status, region);
}

bool Region::Clone(Region& target) const
{
    GpRegion* copy = nullptr;
    const GpStatus status = GdipCloneRegion(native(), &copy);
    return target.adopt(status, copy);
}

bool Region::SetInfinite()
{
    return recordStatus(GdipSetInfinite(native()));
}

bool Region::SetEmpty()
{
    return recordStatus(GdipSetEmpty(native()));
}

bool Region::CombineRect(const RectF& rect, int combineMode)
{
    return recordStatus(GdipCombineRegionRect(native(), &rect, static_cast<CombineMode>(combineMode)));
}

bool Region::CombineRectI(const GpRect& rect, int combineMode)
{
    return recordStatus(GdipCombineRegionRectI(native(), &rect, static_cast<CombineMode>(combineMode)));
}

bool Region::CombineRegion(const Region& other, int combineMode)
{
    return recordStatus(
        GdipCombineRegionRegion(native(), other.GetNativeObject(), static_cast<CombineMode>(combineMode)));
}

bool Region::CombinePath(const GraphicsPath& path, int combineMode)
{
    return recordStatus(
        GdipCombineRegionPath(native(), path.GetNativeObject(), static_cast<CombineMode>(combineMode)));
}

bool Region::Translate(float dx, float dy)
{
    return recordStatus(GdipTranslateRegion(native(), dx, dy));
}

bool Region::TranslateI(int dx, int dy)
{
    return recordStatus(GdipTranslateRegionI(native(), dx, dy));
}

bool Region::Transform(GpMatrix* matrix)
{
    return recordStatus(GdipTransformRegion(native(), matrix));
}

RectF Region::GetBounds(const Graphics& graphics) const
{
    RectF bounds(0, 0, 0, 0);
    recordStatus(GdipGetRegionBounds(native(), graphics.GetNativeObject(), &bounds));
    return bounds;
}

GpRect Region::GetBoundsI(const Graphics& graphics) const
{
    GpRect bounds(0, 0, 0, 0);
    recordStatus(GdipGetRegionBoundsI(native(), graphics.GetNativeObject(), &bounds));
    return bounds;
}

int Region::GetDataSize() const
{
    UINT size = 0;
    recordStatus(GdipGetRegionDataSize(native(), &size));
    return static_cast<int>(size);
}

ByteArray Region::GetData() const
{
    const int size = GetDataSize();
    if (size <= 0)
        return {};
    ByteArray data(size);
    UINT filled = 0;
    if (!recordStatus(GdipGetRegionData(native(), data.data(), static_cast<UINT>(size), &filled)))
        return {};
    data.resize(std::min<std::size_t>(filled, data.size()));
    return data;
}

HRGN Region::GetHRGN(const Graphics& graphics) const
{
    HRGN hrgn = nullptr;
    recordStatus(GdipGetRegionHRgn(native(), graphics.GetNativeObject(), &hrgn));
    return hrgn;
}

bool Region::IsEmpty(const Graphics& graphics) const
{
    BOOL empty = FALSE;
    recordStatus(GdipIsEmptyRegion(native(), graphics.GetNativeObject(), &empty));
    return empty != FALSE;
}

bool Region::IsInfinite(const Graphics& graphics) const
{
    BOOL infinite = FALSE;
    recordStatus(GdipIsInfiniteRegion(native(), graphics.GetNativeObject(), &infinite));
    return infinite != FALSE;
}

bool Region::IsEqual(const Region& other, const Graphics& graphics) const
{
    BOOL equal = FALSE;
    recordStatus(GdipIsEqualRegion(native(), other.GetNativeObject(), graphics.GetNativeObject(), &equal));
    return equal != FALSE;
}

bool Region::IsVisible(float x, float y, const Graphics* graphics) const
{
    BOOL visible = FALSE;
    recordStatus(GdipIsVisibleRegionPoint(native(), x, y, handleOf(graphics), &visible));
    return visible != FALSE;
}

bool Region::IsVisibleI(int x, int y, const Graphics* graphics) const
{
    BOOL visible = FALSE;
    recordStatus(GdipIsVisibleRegionPointI(native(), x, y, handleOf(graphics), &visible));
    return visible != FALSE;
}

bool Region::IsVisible(float x, float y, float width, float height, const Graphics* graphics) const
{
    BOOL visible = FALSE;
    recordStatus(GdipIsVisibleRegionRect(native(), x, y, width, height, handleOf(graphics), &visible));
    return visible != FALSE;
}

bool Region::IsVisibleI(int x, int y, int width, int height, const Graphics* graphics) const
{
    BOOL visible = FALSE;
    recordStatus(GdipIsVisibleRegionRectI(native(), x, y, width, height, handleOf(graphics), &visible));
    return visible != FALSE;
}

int Region::GetScansCount(GpMatrix* matrix) const
{
    UINT count = 0;
    recordStatus(GdipGetRegionScansCount(native(), &count, matrix));
    return static_cast<int>(count);
}

std::vector<RectF> Region::GetScans(GpMatrix* matrix) const
{
    const int count = GetScansCount(matrix);
    if (count <= 0)
        return {};
    std::vector<RectF> scans(count);
    INT filled = 0;
    if (!recordStatus(GdipGetRegionScans(native(), scans.data(), &filled, matrix)))
        return {};
    scans.resize(std::clamp<INT>(filled, 0, count));
    return scans;
}

std::vector<GpRect> Region::GetScansI(GpMatrix* matrix) const
{
    const int count = GetScansCount(matrix);
    if (count <= 0)
        return {};
    std::vector<GpRect> scans(count);
    INT filled = 0;
    if (!recordStatus(GdipGetRegionScansI(native(), scans.data(), &filled, matrix)))
        return {};
    scans.resize(std::clamp<INT>(filled, 0, count));
    return scans;
}
