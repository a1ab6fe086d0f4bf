#include "drawing/Font.h"

#include "drawing/FontCollection.h"
#include "drawing/FontFamily.h"
#include "drawing/GdiHandles.h"
#include "drawing/Graphics.h"

using namespace flat;

bool Font::Create(const std::wstring& familyName, float emSize, int style, int unit)
{
    FontFamily family;
    family.CreateFromName(familyName, FontCollection());
    GpFont* font = nullptr;
    const GpStatus status = GdipCreateFont(family.GetNativeObject(), emSize, style, static_cast<Unit>(unit), &font);
    const bool created = adopt(status, font);
    family.Delete();
    // The family's deletion must not hide how the font creation went.
    recordStatus(status);
    return created;
}

bool Font::Create(const FontFamily& family, float emSize, int style, int unit)
{
    GpFont* font = nullptr;
    const GpStatus status = GdipCreateFont(family.GetNativeObject(), emSize, style, static_cast<Unit>(unit), &font);
    return adopt(status, font);
}

bool Font::CreateDefaultGuiFont()
{
    // Read through LOGFONTW rather than the code-page form, so the face name stays UTF-16
    // like all our text.
    LOGFONTW logFont{};
    if (GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont) == 0)
        return adopt(InvalidParameter, nullptr);
    return CreateFromLogFont(windowDc(nullptr).get(), logFont);
}

bool Font::CreateFromDC(HDC dc)
{
    GpFont* font = nullptr;
    const GpStatus status = GdipCreateFontFromDC(dc, &font);
    return adopt(status, font);
}

bool Font::CreateFromDC(HDC dc, HFONT gdiFont)
{
    if (!gdiFont)
        return CreateFromDC(dc);
    LOGFONTW logFont{};
    if (GetObjectW(gdiFont, sizeof(logFont), &logFont) == 0)
        return adopt(InvalidParameter, nullptr);
    return CreateFromLogFont(dc, logFont);
}

bool Font::CreateFromLogFont(HDC dc, const LOGFONTW& logFont)
{
    GpFont* font = nullptr;
    const GpStatus status = GdipCreateFontFromLogfontW(dc, &logFont, &font);
    return adopt(status, font);
}

bool Font::Clone(Font& target) const
{
    GpFont* clone = nullptr;
    const GpStatus status = GdipCloneFont(native(), &clone);
    target.Delete();
    target.SetNativeObject(status == Ok ? clone : nullptr);
    return recordStatus(status);
}

LOGFONTW Font::GetLogFont(const Graphics& graphics) const
{
    LOGFONTW logFont{};
    recordStatus(GdipGetLogFontW(native(), graphics.GetNativeObject(), &logFont));
    return logFont;
}

bool Font::GetFamily(FontFamily& target) const
{
    GpFontFamily* family = nullptr;
    const GpStatus status = GdipGetFamily(native(), &family);
    target.Delete();
    target.SetNativeObject(status == Ok ? family : nullptr);
    return recordStatus(status);
}

float Font::GetSize() const
{
    REAL size = 0;
    recordStatus(GdipGetFontSize(native(), &size));
    return size;
}

int Font::GetStyle() const
{
    INT style = 0;
    recordStatus(GdipGetFontStyle(native(), &style));
    return style;
}

int Font::GetUnit() const
{
    Unit unit = UnitWorld;
    recordStatus(GdipGetFontUnit(native(), &unit));
    return unit;
}

float Font::GetHeight(const Graphics& graphics) const
{
    REAL height = 0;
    recordStatus(GdipGetFontHeight(native(), graphics.GetNativeObject(), &height));
    return height;
}

float Font::GetHeight(float dpi) const
{
    REAL height = 0;
    recordStatus(GdipGetFontHeightGivenDPI(native(), dpi, &height));
    return height;
}
