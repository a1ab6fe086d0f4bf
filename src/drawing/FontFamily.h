#pragma once

#include <string>

#include "drawing/GdiplusObject.h"

class FontCollection;

class FontFamily : public GdiplusObject<flat::GpFontFamily, &flat::GdipDeleteFontFamily> {
public:
    // A family that is not installed leaves the wrapper empty.
    bool CreateFromName(const std::wstring& name, const FontCollection& collection);
    bool Delete() { return deleteNative(); }
    // At most 31 characters, as GDI+ keeps them.
    std::wstring GetFamilyName() const;
};
