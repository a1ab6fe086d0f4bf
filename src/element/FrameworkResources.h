#pragma once

#include <windows.h>

#include <vector>

#include "imaging/ImageCodec.h"

// What every skinned window and control shares, loaded once when the program starts.
struct FrameworkResources {
    HICON smallIcon = nullptr;
    HCURSOR handCursor = nullptr;
    HCURSOR textCursor = nullptr;
    HCURSOR sizeWeCursor = nullptr;
    // Messages the default tail hands to a control; empty in this program.
    std::vector<UINT> forwardedMessages;
    // Trimming the working set on deactivation is switched off.
    bool trimDisabled = true;
    bool loaded = false;
};

FrameworkResources& framework();

// Loads the icon and the cursors. Later calls do nothing.
void loadFrameworkResources();

// The strips shared by check-box and radio-style controls. Each is cut when a control first
// draws with it, so a program that shows neither does not pay for decoding them.
const ImageCodec& checkBoxStrip();
const ImageCodec& radioStrip();
