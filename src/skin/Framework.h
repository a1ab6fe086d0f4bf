#pragma once

#include <windows.h>

// Starts GDI+, loads the shared resources and registers the shadow class. Later calls do
// nothing.
void initialiseFramework();

// Registers a skinned window class; false when the system refuses.
bool registerSkinClass(const wchar_t* className, WNDPROC procedure);

// The work area's size, without its own left and top.
RECT workArea();
