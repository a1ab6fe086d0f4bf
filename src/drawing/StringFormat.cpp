#include "drawing/StringFormat.h"

using namespace flat;

bool StringFormat::Create(int formatFlags, int language)
{
    GpStringFormat* format = nullptr;
    const GpStatus status = GdipCreateStringFormat(formatFlags, static_cast<LANGID>(language), &format);
    return adopt(status, format);
}

bool StringFormat::adoptCopy(GpStatus status, GpStringFormat* shared)
{
    GpStringFormat* copy = nullptr;
    if (status == Ok)
        status = GdipCloneStringFormat(shared, &copy);
    return adopt(status, copy);
}

bool StringFormat::GenericDefault()
{
    GpStringFormat* shared = nullptr;
    const GpStatus status = GdipStringFormatGetGenericDefault(&shared);
    return adoptCopy(status, shared);
}

bool StringFormat::GenericTypographic()
{
    GpStringFormat* shared = nullptr;
    const GpStatus status = GdipStringFormatGetGenericTypographic(&shared);
    return adoptCopy(status, shared);
}

bool StringFormat::Clone(StringFormat& target) const
{
    GpStringFormat* clone = nullptr;
    const GpStatus status = GdipCloneStringFormat(native(), &clone);
    target.Delete();
    target.SetNativeObject(status == Ok ? clone : nullptr);
    return recordStatus(status);
}

bool StringFormat::SetFormatFlags(int flags)
{
    return recordStatus(GdipSetStringFormatFlags(native(), flags));
}

int StringFormat::GetFormatFlags() const
{
    INT flags = 0;
    recordStatus(GdipGetStringFormatFlags(native(), &flags));
    return flags;
}

bool StringFormat::SetAlignment(int alignment)
{
    return recordStatus(GdipSetStringFormatAlign(native(), static_cast<StringAlignment>(alignment)));
}

int StringFormat::GetAlignment() const
{
    StringAlignment alignment = StringAlignmentNear;
    recordStatus(GdipGetStringFormatAlign(native(), &alignment));
    return alignment;
}

bool StringFormat::SetLineAlignment(int alignment)
{
    return recordStatus(GdipSetStringFormatLineAlign(native(), static_cast<StringAlignment>(alignment)));
}

int StringFormat::GetLineAlignment() const
{
    StringAlignment alignment = StringAlignmentNear;
    recordStatus(GdipGetStringFormatLineAlign(native(), &alignment));
    return alignment;
}

bool StringFormat::SetTrimming(int trimming)
{
    return recordStatus(GdipSetStringFormatTrimming(native(), static_cast<StringTrimming>(trimming)));
}

int StringFormat::GetTrimming() const
{
    StringTrimming trimming = StringTrimmingNone;
    recordStatus(GdipGetStringFormatTrimming(native(), &trimming));
    return trimming;
}

bool StringFormat::SetHotkeyPrefix(int prefix)
{
    return recordStatus(GdipSetStringFormatHotkeyPrefix(native(), prefix));
}

int StringFormat::GetHotkeyPrefix() const
{
    INT prefix = 0;
    recordStatus(GdipGetStringFormatHotkeyPrefix(native(), &prefix));
    return prefix;
}

bool StringFormat::SetTabStops(float firstOffset, const std::vector<float>& stops)
{
    return recordStatus(
        GdipSetStringFormatTabStops(native(), firstOffset, static_cast<INT>(stops.size()), stops.data()));
}

int StringFormat::GetTabStopCount() const
{
    INT count = 0;
    recordStatus(GdipGetStringFormatTabStopCount(native(), &count));
    return count;
}

TabStops StringFormat::GetTabStops() const
{
    TabStops tabs;
    const int count = GetTabStopCount();
    if (count <= 0)
        return tabs;
    std::vector<REAL> stops(static_cast<std::size_t>(count));
    REAL firstOffset = 0;
    if (!recordStatus(GdipGetStringFormatTabStops(native(), count, &firstOffset, stops.data())))
        return tabs;
    tabs.firstOffset = firstOffset;
    tabs.stops = std::move(stops);
    return tabs;
}

bool StringFormat::SetDigitSubstitution(int language, int method)
{
    return recordStatus(GdipSetStringFormatDigitSubstitution(
        native(), static_cast<LANGID>(language), static_cast<StringDigitSubstitute>(method)));
}

DigitSubstitution StringFormat::GetDigitSubstitution() const
{
    LANGID language = 0;
    StringDigitSubstitute method = static_cast<StringDigitSubstitute>(0);
    if (!recordStatus(GdipGetStringFormatDigitSubstitution(native(), &language, &method)))
        return {};
    return { language, method };
}

bool StringFormat::SetMeasurableCharacterRanges(const std::vector<CharacterRange>& ranges)
{
    return recordStatus(GdipSetStringFormatMeasurableCharacterRanges(
        native(), static_cast<INT>(ranges.size()), ranges.data()));
}

int StringFormat::GetMeasurableCharacterRangeCount() const
{
    INT count = 0;
    recordStatus(GdipGetStringFormatMeasurableCharacterRangeCount(native(), &count));
    return count;
}
