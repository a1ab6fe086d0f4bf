#include "drawing/FontFamily.h"

#include "drawing/FontCollection.h"

using namespace flat;

bool FontFamily::CreateFromName(const std::wstring& name, const FontCollection& collection)
{
    GpFontFamily* family = nullptr;
    const GpStatus status = GdipCreateFontFamilyFromName(name.c_str(), collection.GetNativeObject(), &family);
    return adopt(status, family);
}

std::wstring FontFamily::GetFamilyName() const
{
    WCHAR name[LF_FACESIZE] = {};
    if (!recordStatus(GdipGetFamilyName(native(), name, LANG_NEUTRAL)))
        return {};
    name[LF_FACESIZE - 1] = 0;
    return name;
}
