#pragma once

#include <string>

#include "drawing/GdiplusObject.h"

class Font : public GdiplusObject<flat::GpFont, &flat::GdipDeleteFont> {
public:
    // Style 0 is regular, unit 0 is world. A family that is not installed leaves it empty.
    bool Create(const std::wstring& familyName, float emSize, int style = 0, int unit = 0);
    bool Delete() { return deleteNative(); }
    float GetSize() const;
    int GetStyle() const;
    int GetUnit() const;
};
