#pragma once

#include <string>

#include "drawing/GdiplusObject.h"

class FontCollection;

// Metrics are in design units for the given style (0 regular, 1 bold, 2 italic, ...).
class FontFamily : public GdiplusObject<flat::GpFontFamily, &flat::GdipDeleteFontFamily> {
public:
    // A family that is not installed leaves the wrapper empty.
    bool CreateFromName(const std::wstring& name, const FontCollection& collection);
    // Private copies of the generic families: the platform's own ones must never be deleted.
    bool GenericSansSerif();
    bool GenericSerif();
    bool GenericMonospace();
    bool Delete() { return deleteNative(); }
    bool Clone(FontFamily& target) const;

    // At most 31 characters, as GDI+ keeps them.
    std::wstring GetFamilyName() const;
    bool IsStyleAvailable(int style) const;
    int GetEmHeight(int style = 0) const;
    int GetCellAscent(int style = 0) const;
    int GetCellDescent(int style = 0) const;
    int GetLineSpacing(int style = 0) const;

private:
    bool adoptCopy(flat::GpStatus status, flat::GpFontFamily* shared);
};
