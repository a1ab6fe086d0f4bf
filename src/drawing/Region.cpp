#include "drawing/Region.h"

using namespace flat;

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
