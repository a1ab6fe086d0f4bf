// Tells whether this session can make windows: exit code 0 when a hidden window could be
// created, 1 when not. Under Wine the first window of a prefix also starts its desktop.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!window)
        return 1;
    DestroyWindow(window);
    return 0;
}
