#pragma once

#include "drawing/GdiplusObject.h"

class Region : public GdiplusObject<flat::GpRegion, &flat::GdipDeleteRegion> {
public:
    bool Create();
    bool CreateFromRect(const RectF& rect);
    bool Delete() { return deleteNative(); }
};
