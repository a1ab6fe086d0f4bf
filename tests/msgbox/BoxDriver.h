#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "msgbox/SkinMessageBox.h"

// What show is given.
struct BoxArgs {
    std::wstring message = L"消息";
    int style = 0;
    std::wstring title = L"标题";
    bool checkBox = false;
    std::wstring checkText;
    int checkInitial = 0;
    std::vector<std::wstring> captions;
    int countdown = 0;
    int opacity = 250;
    HWND owner = nullptr;
};

struct BoxOutcome {
    int result = -100;
    int check = -100;
    bool driven = false;
    // The box was still open when the time was up and was closed by force.
    bool timedOut = false;
};

// Shows the box and, from inside its modal loop once it is on screen, runs `drive`; a box
// still open after `limitMs` is closed with WM_CLOSE.
BoxOutcome runBox(
    SkinMessageBox& box, const BoxArgs& args, const std::function<void(SkinMessageBox&)>& drive, DWORD limitMs = 8000);

// Lets the loop run for a while, so posted paints and fades land.
void settle(DWORD ms = 60);
// A key pressed and released on the box's window; with Shift held when asked.
void pressKey(HWND window, UINT key, bool shift = false);
// A left click at a client point of the window.
void clickAt(HWND window, POINT at);
// The centre of a control, in the window's client coordinates.
POINT centreOf(const RECT& rect);
std::uint32_t composedPixel(const SkinMessageBox& box, int x, int y);
// Rectangles of the window's controls of a kind, in id order.
std::vector<RECT> controlRects(const SkinMessageBox& box, int kind);
