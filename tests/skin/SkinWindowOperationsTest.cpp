#include <gtest/gtest.h>

#include "TestSupport.h"
#include "element/SkinConstants.h"
#include "imaging/Pictures.h"
#include "skin/SkinWindow.h"

namespace {

RECT boundsOf(HWND window)
{
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return bounds;
}

WindowOptions small(int x, int y)
{
    WindowOptions options;
    options.x = x;
    options.y = y;
    options.width = 120;
    options.height = 80;
    options.drawTitle = false;
    return options;
}

// A message nobody else handles, counted by the window's own procedure.
constexpr UINT kMsgCounted = WM_USER + 500;
int plainMessages = 0;

LRESULT CALLBACK countingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == kMsgCounted)
        ++plainMessages;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

TEST(SkinWindowCompanions, AFollowingWindowMovesWithItsOwner)
{
    SkinWindow owner;
    const HWND ownerHandle = owner.createWindow(small(100, 100));
    SkinWindow companion;
    WindowOptions options = small(150, 190);
    options.parent = ownerHandle;
    options.followParent = true;
    const HWND companionHandle = companion.createWindow(options);
    ASSERT_NE(companionHandle, nullptr);

    SetWindowPos(ownerHandle, nullptr, 130, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(boundsOf(companionHandle).left, 180);
    EXPECT_EQ(boundsOf(companionHandle).top, 180);

    // Moved on its own, the companion keeps its new offset.
    SetWindowPos(companionHandle, nullptr, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(ownerHandle, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(boundsOf(companionHandle).left, 170);
    EXPECT_EQ(boundsOf(companionHandle).top, 210);

    ShowWindow(ownerHandle, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(companionHandle));
    DestroyWindow(companionHandle);
    DestroyWindow(ownerHandle);
}

TEST(SkinWindowOperations, LayeredTopmostAndCursorChangeTheRealWindow)
{
    SkinWindow window;
    // Under Wine an owned always-on-top tooltip, such as the caption strip's, keeps its owner
    // from becoming topmost; a window without the strip shows what setTopmost does.
    WindowOptions options = small(10, 10);
    options.captionButtonStyle = CaptionButtonStyle::None;
    const HWND handle = window.createWindow(options);
    window.setLayered(false);
    EXPECT_FALSE(GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(GetPropA(handle, skin::kPropLayered), nullptr);
    window.setLayered(true);
    EXPECT_TRUE(GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_LAYERED);

    window.setTopmost(true);
    EXPECT_TRUE(GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
    window.setTopmost(false);
    EXPECT_FALSE(GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);

    EXPECT_TRUE(window.setWindowCursor(CursorKind::Hand));
    const auto hand = reinterpret_cast<LONG_PTR>(LoadCursorW(nullptr, IDC_HAND));
    EXPECT_EQ(static_cast<LONG_PTR>(GetClassLongPtrW(handle, GCLP_HCURSOR)), hand);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(handle, skin::kPropClassCursor)), hand);
    EXPECT_FALSE(window.setWindowCursor(CursorKind::Arrow, L"C:\\no such folder\\none.cur"));
    EXPECT_EQ(static_cast<LONG_PTR>(GetClassLongPtrW(handle, GCLP_HCURSOR)), hand);
    DestroyWindow(handle);
}

TEST(SkinWindowOperations, OverlaysAreDrawnOnTheBackground)
{
    SkinWindow window;
    const HWND handle = window.createWindow(small(10, 10));
    const int overlay = window.addOverlay(solidPng(10, 10, 0xFFFF0000), 20, 20);
    ASSERT_EQ(overlay, 1);
    window.compose();
    EXPECT_EQ(window.composedSurface().pixel(25, 25), 0xFFFF0000u);
    EXPECT_EQ(window.composedSurface().pixel(35, 25) >> 24, 0u);

    EXPECT_TRUE(window.changeOverlay(overlay, 40, 20, 10, 10, 1, true));
    window.compose();
    EXPECT_EQ(window.composedSurface().pixel(25, 25) >> 24, 0u);
    EXPECT_EQ(window.composedSurface().pixel(45, 25), 0xFFFF0000u);
    EXPECT_TRUE(window.changeOverlay(overlay, 40, 20, 10, 10, 1, false));
    window.compose();
    EXPECT_EQ(window.composedSurface().pixel(45, 25) >> 24, 0u);
    EXPECT_FALSE(window.changeOverlay(2, 0, 0, 1, 1, 1, true));
    DestroyWindow(handle);
}

TEST(SkinWindowOperations, NonLayeredPlainPictureTakesItsOwnColour)
{
    SkinWindow window;
    WindowOptions options = small(10, 10);
    options.layered = false;
    options.opacity = 40;
    options.backgroundColour = RGB(1, 2, 3);
    options.backgroundImage = solidPng(30, 20, 0xFF204060);
    window.createWindow(options);
    EXPECT_EQ(window.backgroundColour(), static_cast<std::int32_t>(RGB(0x20, 0x40, 0x60)));
    EXPECT_EQ(window.opacity(), 255);
    DestroyWindow(window.handle());

    // A nine-grid picture keeps the colour and opacity given.
    SkinWindow framed;
    options.backgroundImage = makePng(20, 20, [](int x, int y) { return x == 1 && y == 5 ? kMagenta : 0xFF00FF00; });
    framed.createWindow(options);
    EXPECT_EQ(framed.backgroundColour(), static_cast<std::int32_t>(RGB(1, 2, 3)));
    EXPECT_EQ(framed.opacity(), 40);
    DestroyWindow(framed.handle());
}

TEST(SkinWindowOperations, SkinningAnExistingWindowKeepsItsProcedure)
{
    WNDCLASSW plainClass{};
    plainClass.lpfnWndProc = &countingProcedure;
    plainClass.hInstance = GetModuleHandleW(nullptr);
    plainClass.lpszClassName = L"kxfixTestExisting";
    RegisterClassW(&plainClass);
    const HWND existing = CreateWindowExW(0, L"kxfixTestExisting", L"旧窗口", WS_POPUP, 30, 40, 160, 90, nullptr,
        nullptr, GetModuleHandleW(nullptr), nullptr);

    SkinWindow window;
    ASSERT_TRUE(window.skinExistingWindow(existing));
    EXPECT_GT(window.registryIndex(), 0);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(existing, skin::kPropRegistryIndex)), window.registryIndex());
    EXPECT_EQ(window.text(), L"旧窗口");
    EXPECT_EQ(window.width(), 160);
    EXPECT_FALSE(window.skinExistingWindow(existing));

    plainMessages = 0;
    SendMessageW(existing, kMsgCounted, 0, 0);
    EXPECT_EQ(plainMessages, 1);
    DestroyWindow(existing);
    EXPECT_EQ(window.handle(), nullptr);
    EXPECT_EQ(window.registryIndex(), 0);
}
