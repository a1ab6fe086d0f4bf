#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What a message box is asked to show. Every field but the message has a default, so a
// caller names only what it wants.
struct MessageBoxRequest {
    // The box is centred on it; without one, in the work area.
    HWND owner = nullptr;
    std::wstring message;
    // The button set, icon and default button, as for the platform's box (MB_*).
    int style = 0;
    std::wstring title;
    bool checkBoxShown = false;
    std::wstring checkBoxText;
    int checkBoxInitial = 0;
    // 0 (clear) to 255 (opaque).
    int opacity = 250;
    // Captions for the buttons left to right; missing ones keep the set's own.
    std::vector<std::wstring> buttonTexts;
    // Closes the box without a button after so many seconds, counted in the title; 0: never.
    int countdownSeconds = 0;
};
