#pragma once

#include "drawing/GdiplusObject.h"

// Colour adjustments applied while drawing. An empty one means "draw without attributes".
class ImageAttributes : public GdiplusObject<flat::GpImageAttributes, &flat::GdipDisposeImageAttributes> {
public:
    bool Create();
    bool Dispose() { return deleteNative(); }
};
