#include "skin/Framework.h"

#include "drawing/Gdiplus.h"
#include "imaging/SkinPictures.h"
#include "skin/SkinConstants.h"

namespace {

constexpr int kIconResource = 129;
constexpr std::uint32_t kRadioSeparator = 0x7F007F;

// The shadow window's procedure arrives with the shadow itself; until then the class
// behaves as a plain window.
LRESULT CALLBACK shadowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return DefWindowProcW(window, message, wParam, lParam);
}

HICON loadSmallIcon()
{
    HINSTANCE module = GetModuleHandleW(nullptr);
    auto icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, 16, 16, 0));
    if (!icon)
        icon = static_cast<HICON>(LoadImageW(module, L"DEFAULT_ICON", IMAGE_ICON, 16, 16, 0));
    return icon;
}

}  // namespace

FrameworkResources& framework()
{
    static FrameworkResources resources;
    return resources;
}

void initialiseFramework()
{
    FrameworkResources& shared = framework();
    if (shared.initialised)
        return;
    shared.initialised = true;
    startGdiplus();
    shared.forwardedMessages.clear();
    shared.smallIcon = loadSmallIcon();
    shared.trimDisabled = true;
    shared.handCursor = LoadCursorW(nullptr, IDC_HAND);
    shared.textCursor = LoadCursorW(nullptr, IDC_IBEAM);
    shared.sizeWeCursor = LoadCursorW(nullptr, IDC_SIZEWE);
    shared.checkBoxStrip.LoadStrip(kCheckBoxStrip.bytes());
    shared.radioStrip.LoadStrip(kRadioStrip.bytes(), kRadioSeparator);
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
