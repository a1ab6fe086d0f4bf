#pragma once

#include "drawing/GdiplusObject.h"

class StringFormat : public GdiplusObject<flat::GpStringFormat, &flat::GdipDeleteStringFormat> {
public:
    bool Create(int formatFlags = 0, int language = 0);
    // A private copy of the typographic format: the platform's own one must never be deleted.
    bool GenericTypographic();
    bool Delete() { return deleteNative(); }

    bool SetFormatFlags(int flags);
    bool SetAlignment(int alignment);
    bool SetLineAlignment(int alignment);
    bool SetTrimming(int trimming);
    bool SetHotkeyPrefix(int prefix);
};
