#include "drawing/Font.h"

#include "drawing/FontCollection.h"
#include "drawing/FontFamily.h"

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
