#pragma once

#include <windows.h>

#include <vector>

#include "imaging/ImageCodec.h"

// What every skinned window shares, made once when the program starts.
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
    bool initialised = false;
};

FrameworkResources& framework();

// Starts GDI+, loads the icon, cursors and shared strips and registers the shadow class.
// Later calls do nothing.
void initialiseFramework();

// Registers a skinned window class; false when the system refuses.
bool registerSkinClass(const wchar_t* className, WNDPROC procedure);

// The work area's size, without its own left and top.
RECT workArea();
