#pragma once

#include <string>

#include "drawing/GdiplusObject.h"

class FontFamily;
class Graphics;

// Styles: 0 regular, 1 bold, 2 italic, 4 underline, 8 strikeout, combinable.
// Units: 0 world, 1 display, 2 pixel, 3 point, 4 inch, 5 document, 6 millimetre.
class Font : public GdiplusObject<flat::GpFont, &flat::GdipDeleteFont> {
public:
    // Style 0 is regular, unit 0 is world. A family that is not installed leaves it empty.
    bool Create(const std::wstring& familyName, float emSize, int style = 0, int unit = flat::UnitWorld);
    bool Create(const FontFamily& family, float emSize, int style = 0, int unit = flat::UnitWorld);
    bool CreateDefaultGuiFont();
    bool CreateFromDC(HDC dc);
    // Without a GDI font, the one selected into the device context.
    bool CreateFromDC(HDC dc, HFONT font);
    bool CreateFromLogFont(HDC dc, const LOGFONTW& logFont);
    bool Delete() { return deleteNative(); }
    bool Clone(Font& target) const;

    LOGFONTW GetLogFont(const Graphics& graphics) const;
    // `target` owns the family it receives.
    bool GetFamily(FontFamily& target) const;
    float GetSize() const;
    int GetStyle() const;
    int GetUnit() const;
    // The line spacing in the graphics' unit, or in pixels at `dpi`.
    float GetHeight(const Graphics& graphics) const;
    float GetHeight(float dpi) const;
};
