#include "drawing/StringFormat.h"

using namespace flat;

bool StringFormat::Create(int formatFlags, int language)
{
    GpStringFormat* format = nullptr;
    const GpStatus status = GdipCreateStringFormat(formatFlags, static_cast<LANGID>(language), &format);
    return adopt(status, format);
}

bool StringFormat::GenericTypographic()
{
    GpStringFormat* shared = nullptr;
    GpStringFormat* copy = nullptr;
    GpStatus status = GdipStringFormatGetGenericTypographic(&shared);
    if (status == Ok)
        status = GdipCloneStringFormat(shared, &copy);
    return adopt(status, copy);
}

bool StringFormat::SetFormatFlags(int flags)
{
    return recordStatus(GdipSetStringFormatFlags(native(), flags));
}

bool StringFormat::SetAlignment(int alignment)
{
    return recordStatus(GdipSetStringFormatAlign(native(), static_cast<StringAlignment>(alignment)));
}

bool StringFormat::SetLineAlignment(int alignment)
{
    return recordStatus(GdipSetStringFormatLineAlign(native(), static_cast<StringAlignment>(alignment)));
}

bool StringFormat::SetTrimming(int trimming)
{
    return recordStatus(GdipSetStringFormatTrimming(native(), static_cast<StringTrimming>(trimming)));
}

bool StringFormat::SetHotkeyPrefix(int prefix)
{
    return recordStatus(GdipSetStringFormatHotkeyPrefix(native(), prefix));
}
