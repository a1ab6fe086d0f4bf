#include "drawing/FontFamily.h"

#include "drawing/FontCollection.h"

using namespace flat;

bool FontFamily::CreateFromName(const std::wstring& name, const FontCollection& collection)
{
    GpFontFamily* family = nullptr;
    const GpStatus status = GdipCreateFontFamilyFromName(name.c_str(), collection.GetNativeObject(), &family);
    return adopt(status, family);
}

bool FontFamily::adoptCopy(GpStatus status, GpFontFamily* shared)
{
    GpFontFamily* copy = nullptr;
    if (status == Ok)
        status = GdipCloneFontFamily(shared, &copy);
    return adopt(status, copy);
}

bool FontFamily::GenericSansSerif()
{
    GpFontFamily* shared = nullptr;
    const GpStatus status = GdipGetGenericFontFamilySansSerif(&shared);
    return adoptCopy(status, shared);
}

bool FontFamily::GenericSerif()
{
    GpFontFamily* shared = nullptr;
    const GpStatus status = GdipGetGenericFontFamilySerif(&shared);
    return adoptCopy(status, shared);
}

bool FontFamily::GenericMonospace()
{
    GpFontFamily* shared = nullptr;
    const GpStatus status = GdipGetGenericFontFamilyMonospace(&shared);
    return adoptCopy(status, shared);
}

bool FontFamily::Clone(FontFamily& target) const
{
    GpFontFamily* clone = nullptr;
    const GpStatus status = GdipCloneFontFamily(native(), &clone);
    target.Delete();
    target.SetNativeObject(status == Ok ? clone : nullptr);
    return recordStatus(status);
}

std::wstring FontFamily::GetFamilyName() const
{
    WCHAR name[LF_FACESIZE] = {};
    if (!recordStatus(GdipGetFamilyName(native(), name, LANG_NEUTRAL)))
        return {};
    name[LF_FACESIZE - 1] = 0;
    return name;
}

bool FontFamily::IsStyleAvailable(int style) const
{
    BOOL available = FALSE;
    recordStatus(GdipIsStyleAvailable(native(), style, &available));
    return available != FALSE;
}

int FontFamily::GetEmHeight(int style) const
{
    UINT16 height = 0;
    recordStatus(GdipGetEmHeight(native(), style, &height));
    return height;
}

int FontFamily::GetCellAscent(int style) const
{
    UINT16 ascent = 0;
    recordStatus(GdipGetCellAscent(native(), style, &ascent));
    return ascent;
}

int FontFamily::GetCellDescent(int style) const
{
    UINT16 descent = 0;
    recordStatus(GdipGetCellDescent(native(), style, &descent));
    return descent;
}

int FontFamily::GetLineSpacing(int style) const
{
    UINT16 spacing = 0;
    recordStatus(GdipGetLineSpacing(native(), style, &spacing));
    return spacing;
}
