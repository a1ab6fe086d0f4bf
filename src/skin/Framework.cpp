#include "skin/Framework.h"

#include <commctrl.h>

#include "drawing/Gdiplus.h"
#include "element/FrameworkResources.h"
#include "element/SkinConstants.h"

namespace {

// The shadow window's procedure arrives with the shadow itself; until then the class
// behaves as a plain window.
LRESULT CALLBACK shadowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void initialiseFramework()
{
    static bool initialised = false;
    if (initialised)
        return;
    initialised = true;
    startGdiplus();
    // The tooltip class is only registered once the common controls are initialised.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    loadFrameworkResources();
    registerSkinClass(skin::kShadowClassName, &shadowProcedure);
}

bool registerSkinClass(const wchar_t* className, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = framework().smallIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszMenuName = L"";
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0;
}

RECT workArea()
{
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}
