#pragma once

#include <vector>

#include "drawing/GdiplusObject.h"

struct TabStops {
    float firstOffset = 0;
    std::vector<float> stops;
};

struct DigitSubstitution {
    int language = 0;
    int method = 0;
};

class StringFormat : public GdiplusObject<flat::GpStringFormat, &flat::GdipDeleteStringFormat> {
public:
    bool Create(int formatFlags = 0, int language = 0);
    // Private copies of the generic formats: the platform's own ones must never be deleted.
    bool GenericDefault();
    bool GenericTypographic();
    bool Delete() { return deleteNative(); }
    bool Clone(StringFormat& target) const;

    bool SetFormatFlags(int flags);
    int GetFormatFlags() const;
    bool SetAlignment(int alignment);
    int GetAlignment() const;
    bool SetLineAlignment(int alignment);
    int GetLineAlignment() const;
    bool SetTrimming(int trimming);
    int GetTrimming() const;
    bool SetHotkeyPrefix(int prefix);
    int GetHotkeyPrefix() const;

    bool SetTabStops(float firstOffset, const std::vector<float>& stops);
    int GetTabStopCount() const;
    TabStops GetTabStops() const;
    bool SetDigitSubstitution(int language, int method);
    DigitSubstitution GetDigitSubstitution() const;
    bool SetMeasurableCharacterRanges(const std::vector<flat::CharacterRange>& ranges);
    int GetMeasurableCharacterRangeCount() const;

private:
    bool adoptCopy(flat::GpStatus status, flat::GpStringFormat* shared);
};
