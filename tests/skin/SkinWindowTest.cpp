#include <gtest/gtest.h>

#include <string>

#include "TestControls.h"
#include "TestSupport.h"
#include "controls/SkinButton.h"
#include "controls/SkinLabel.h"
#include "controls/SkinPanel.h"
#include "controls/SkinPicture.h"
#include "controls/SkinToggle.h"
#include "core/ThreadTimers.h"
#include "drawing/LiveObjects.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "imaging/SkinPictures.h"
#include "skin/Framework.h"
#include "skin/SkinWindow.h"

namespace {

INT_PTR prop(HWND window, const char* name)
{
    return reinterpret_cast<INT_PTR>(GetPropA(window, name));
}

std::wstring className(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

void destroy(HWND window)
{
    DestroyWindow(window);
    pumpUntil([] { return false; }, 20);
}

// A plain top-level window that counts how often it is enabled again.
struct PlainWindow {
    static int enables;
    HWND handle = nullptr;

    PlainWindow()
    {
        static const bool registered = [] {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = &procedure;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"kxfixTestPlain";
            return RegisterClassW(&windowClass) != 0;
        }();
        (void)registered;
        handle = CreateWindowExW(0, L"kxfixTestPlain", L"plain", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
            GetModuleHandleW(nullptr), nullptr);
    }
    ~PlainWindow() { DestroyWindow(handle); }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
    {
        if (message == WM_ENABLE && wParam)
            ++enables;
        return DefWindowProcW(window, message, wParam, lParam);
    }
};
int PlainWindow::enables = 0;

}  // namespace

TEST(SkinWindowRegistry, DestroyedWindowsRecordAndClassNameAreReused)
{
    SkinWindow first;
    const HWND window = first.createWindow();
    ASSERT_NE(window, nullptr);
    const int index = first.registryIndex();
    EXPECT_EQ(className(window), L"hbfcWindow_" + std::to_wstring(index));
    EXPECT_EQ(prop(window, "Fc_lbID"), index);
    EXPECT_EQ(prop(window, "CK_Fcck"), 1);
    EXPECT_EQ(prop(window, "FC_Jytm"), 1);
    EXPECT_NE(prop(window, "Fc_hProc"), 0);
    EXPECT_EQ(prop(window, "Ck_YGbzz"), static_cast<INT_PTR>(GetClassLongPtrW(window, GCLP_HCURSOR)));
    EXPECT_EQ(prop(window, "Ck_tmyjd"), 8);
    EXPECT_EQ(prop(window, "Hw_lbID"), 0);
    destroy(window);
    EXPECT_EQ(first.handle(), nullptr);
    EXPECT_TRUE(WindowRegistry::instance().record(index)->free);

    SkinWindow second;
    const HWND next = second.createWindow();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(second.registryIndex(), index);
    EXPECT_EQ(className(next), L"hbfcWindow_" + std::to_wstring(index));
    destroy(next);

    // The same object makes its next window after the first is gone.
    EXPECT_NE(first.createWindow(), nullptr);
    EXPECT_EQ(first.registryIndex(), index);
    destroy(first.handle());
}

TEST(SkinWindowCreation, DefaultsGiveAVisibleLayeredCentredTaskbarWindow)
{
    SkinWindow skinWindow;
    const HWND window = skinWindow.createWindow();
    ASSERT_NE(window, nullptr);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const RECT area = workArea();
    EXPECT_EQ(bounds.right - bounds.left, 420);
    EXPECT_EQ(bounds.bottom - bounds.top, 300);
    EXPECT_EQ(bounds.left, ((area.right - area.left) - 420) / 2);
    EXPECT_EQ(bounds.top, ((area.bottom - area.top) - 300) / 2);
    EXPECT_TRUE(IsWindowVisible(window));
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
    EXPECT_FALSE(exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_TRANSPARENT));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & ~(WS_CLIPSIBLINGS | WS_DISABLED),
        static_cast<DWORD>(0x920A0000));
    EXPECT_EQ(skinWindow.createWindow(), nullptr);
    EXPECT_EQ(skinWindow.handle(), window);
    destroy(window);
}

TEST(SkinWindowCreation, OptionsReachTheWindow)
{
    SkinWindow parentWindow;
    WindowOptions parentOptions;
    parentOptions.x = 100;
    parentOptions.y = 80;
    parentOptions.width = 400;
    parentOptions.height = 300;
    const HWND parent = parentWindow.createWindow(parentOptions);

    SkinWindow skinWindow;
    WindowOptions options;
    options.parent = parent;
    options.width = 200;
    options.height = 100;
    options.visible = false;
    options.title = L"标题 title";
    options.showInTaskbar = false;
    options.topmost = true;
    options.layered = false;
    options.border = true;
    options.roundedBorder = true;
    const HWND window = skinWindow.createWindow(options);
    ASSERT_NE(window, nullptr);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.left, 100 + (400 - 200) / 2);
    EXPECT_EQ(bounds.top, 80 + (300 - 100) / 2);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetWindow(window, GW_OWNER), parent);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(exStyle & WS_EX_LAYERED);
    EXPECT_EQ(prop(window, "FC_Jytm"), 0);
    EXPECT_EQ(skinWindow.borderWidth(), 2);
    EXPECT_EQ(prop(window, "CK_bkdkd"), 1);
    EXPECT_EQ(prop(window, "Ck_tmyjd"), 8);
    wchar_t title[32] = {};
    GetWindowTextW(window, title, 32);
    EXPECT_STREQ(title, L"标题 title");
    // A bordered, rounded window that is not layered gets a rounded region.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(window, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 100, 50));
    DeleteObject(region);
    destroy(window);
    destroy(parent);
}

TEST(SkinWindowModal, DisablesTheThreadsWindowsAndGivesBackExactlyThoseOnce)
{
    PlainWindow enabled;
    PlainWindow alreadyDisabled;
    EnableWindow(alreadyDisabled.handle, FALSE);
    PlainWindow::enables = 0;

    SkinWindow modal;
    bool disabledWhileOpen = false;
    int closingAsked = 0;
    modal.setClosingCallback([&](HWND) {
        // The first close is refused: the window stays, and its modal state with it.
        return ++closingAsked == 1 ? 2 : 1;
    });
    WindowOptions options;
    options.modal = true;
    options.createdCallback = [&](HWND window) {
        disabledWhileOpen = !IsWindowEnabled(enabled.handle);
        PostMessageW(window, WM_CLOSE, 0, 0);
        PostMessageW(window, WM_CLOSE, 0, 0);
        PostMessageW(window, WM_CLOSE, 0, 0);
    };
    const HWND window = modal.createWindow(options);
    EXPECT_NE(window, nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(disabledWhileOpen);
    EXPECT_EQ(closingAsked, 2);
    EXPECT_TRUE(IsWindowEnabled(enabled.handle));
    EXPECT_FALSE(IsWindowEnabled(alreadyDisabled.handle));
    EXPECT_EQ(PlainWindow::enables, 1);
}

TEST(SkinWindowModal, ClosingCallbackOtherThanOneKeepsTheWindowOpen)
{
    SkinWindow skinWindow;
    const HWND window = skinWindow.createWindow();
    skinWindow.setClosingCallback([](HWND) { return 2; });
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
    skinWindow.setClosingCallback([](HWND) { return 1; });
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(window));
}

TEST(SkinWindowLifetime, HundredWindowsWithControlsLeaveNoNativeObjectBehind)
{
    const int before = liveNativeObjects();
    const int windowsBefore = threadWindowCount();
    const int timersBefore = threadtimers::running();
    for (int round = 0; round < 100; ++round) {
        SkinWindow skinWindow;
        WindowOptions options;
        options.width = 160;
        options.height = 120;
        options.border = true;
        options.backgroundColour = RGB(20, 40, 60);
        const HWND window = skinWindow.createWindow(options);
        ASSERT_NE(window, nullptr);
        TestTile first;
        TestTile second(RGB(0, 0, 200));
        first.create(window, 10, 30, 40, 20, true);
        second.create(window, 60, 30, 40, 20, false);
        // Buttons with tooltips: the tips are windows of their own that must go too.
        SkinButton tipped;
        SkinButton plain;
        ColourButtonOptions tippedOptions;
        tippedOptions.x = 10;
        tippedOptions.y = 60;
        tippedOptions.caption = L"确定";
        tippedOptions.toolTipText = L"关闭窗口";
        tipped.createColour(window, tippedOptions);
        PlainButtonOptions plainOptions;
        plainOptions.x = 80;
        plainOptions.y = 60;
        plainOptions.caption = L"取消";
        plain.createPlain(window, plainOptions);
        ASSERT_TRUE(tipped.toolTip());
        // One of every other control, with its timers running.
        SkinLabel label;
        label.create(window, {0, 10, 90, 60, 20, L"标签"});
        SkinPicture picture;
        PictureOptions pictureOptions;
        pictureOptions.x = 80;
        pictureOptions.y = 90;
        pictureOptions.width = 30;
        pictureOptions.height = 20;
        pictureOptions.image
            = ByteArray(kTickPicture.bytes().data, kTickPicture.bytes().data + kTickPicture.bytes().size);
        picture.create(window, pictureOptions);
        picture.addSlide(pictureOptions.image);
        picture.startSlideshow();
        SkinPanel panel;
        PanelOptions panelOptions;
        panelOptions.width = 40;
        panelOptions.height = 20;
        panel.create(window, panelOptions);
        panel.setGradient(1, RGB(0, 102, 178), 60, RGB(255, 255, 255), 240);
        SkinToggle checkBox;
        CheckBoxOptions checkOptions;
        checkOptions.x = 120;
        checkOptions.y = 30;
        checkBox.createCheckBox(window, checkOptions);
        checkBox.setValue(1);
        SkinToggle switchToggle;
        SwitchOptions switchOptions;
        switchOptions.x = 90;
        switchOptions.y = 0;
        switchToggle.createSwitch(window, switchOptions);
        SkinToggle imageToggle;
        ImageToggleOptions imageOptions;
        imageOptions.x = 120;
        imageOptions.y = 90;
        imageOptions.normalImage = pictureOptions.image;
        imageOptions.toolTipText = L"切换";
        imageToggle.createImageToggle(window, imageOptions);
        UpdateWindow(window);
        SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(20, 70));
        pumpUntil([] { return false; }, 1);
        destroy(window);
    }
    EXPECT_EQ(liveNativeObjects(), before);
    EXPECT_EQ(threadWindowCount(), windowsBefore);
    EXPECT_EQ(threadtimers::running(), timersBefore);
}
