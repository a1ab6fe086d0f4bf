#include "skin/Framework.h"

#include "drawing/Gdiplus.h"
#include "element/FrameworkResources.h"
#include "element/SkinConstants.h"
#include "skin/ShadowWindow.h"

void initialiseFramework()
{
    static bool initialised = false;
    if (initialised)
        return;
    initialised = true;
    startGdiplus();
    loadFrameworkResources();
    registerSkinClass(skin::kShadowClassName, &ShadowWindow::procedure);
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
