#pragma once

#include "drawing/GdiplusObject.h"

class Pen : public GdiplusObject<flat::GpPen, &flat::GdipDeletePen> {
public:
    bool Create(std::uint32_t argb, float width, int unit = 0);
    bool Delete() { return deleteNative(); }

    bool SetColor(std::uint32_t argb);
    bool SetDashStyle(int style);
};
