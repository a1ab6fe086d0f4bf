#pragma once

#include <windows.h>

// The colours of the user's scheme that controls draw with, instead of their skins, while
// high contrast is on.
struct SystemColours {
    COLORREF window = 0;
    COLORREF windowText = 0;
    COLORREF buttonFace = 0;
    COLORREF buttonText = 0;
    COLORREF highlight = 0;
    COLORREF highlightText = 0;
    COLORREF grayText = 0;

    // The scheme's colours as they are now.
    static SystemColours current();

    bool operator==(const SystemColours& other) const;
    bool operator!=(const SystemColours& other) const { return !(*this == other); }
};
