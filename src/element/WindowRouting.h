#pragma once

#include <windows.h>

// How controls and windows reach each other without the system's message dispatch.

// Delivers a message to control `controlId` of the window; 1 when the window has no record
// or no such control.
LRESULT sendToControl(int controlId, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Calls the framework window's own message handler directly; -1 when the window has no
// record.
LRESULT callWindowHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Rebuilds the window's composed surface for a changed area (window client coordinates) and
// puts it on screen. Does nothing for a window that is not a framework window.
void presentWindowArea(HWND window, const RECT& area);
