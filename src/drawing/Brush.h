#pragma once

#include "drawing/GdiplusObject.h"

// The part all brushes share: one native brush, deleted with GdipDeleteBrush.
class Brush : public GdiplusObject<flat::GpBrush, &flat::GdipDeleteBrush> {
public:
    bool Delete() { return deleteNative(); }
    int GetType() const;

protected:
    Brush() noexcept = default;
};
