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
    ImageCodec checkBoxStrip;
    ImageCodec radioStrip;
    // Messages the default tail hands to a control; empty in this program.
    std::vector<UINT> forwardedMessages;
    // Trimming the working set on deactivation is switched off.
    bool trimDisabled = true;
    bool loaded = false;
};

FrameworkResources& framework();

// Loads the icon, the cursors and the shared strips. Later calls do nothing.
void loadFrameworkResources();
