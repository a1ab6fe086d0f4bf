#include <gtest/gtest.h>

#include <vector>

#include "TestControls.h"
#include "TestSupport.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "skin/SkinWindow.h"

namespace {

LPARAM at(int x, int y)
{
    return MAKELPARAM(x, y);
}

// A window with a row of tiles, driven by real messages.
struct TileWindow : testing::Test {
    SkinWindow window;
    HWND handle = nullptr;

    void SetUp() override
    {
        WindowOptions options;
        options.width = 300;
        options.height = 200;
        options.drawTitle = false;
        // No caption strip: the cases number, tab through and hover their own tiles only.
        options.captionButtonStyle = CaptionButtonStyle::None;
        handle = window.createWindow(options);
        ASSERT_NE(handle, nullptr);
        SetForegroundWindow(handle);
        SetFocus(handle);
    }
    void TearDown() override { DestroyWindow(handle); }

    void press(int x, int y)
    {
        SendMessageW(handle, WM_MOUSEMOVE, 0, at(x, y));
        SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, at(x, y));
    }
    void release(int x, int y)
    {
        SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, at(x, y));
        SendMessageW(handle, WM_LBUTTONUP, 0, at(x, y));
    }
    void tab(UINT message) { SendMessageW(handle, message, VK_TAB, 0); }
};

int counter(std::vector<int>& log, int value)
{
    log.push_back(value);
    return 1;
}

}  // namespace

TEST_F(TileWindow, LaterRecordWinsAndTheBorderBandNeverHits)
{
    TestTile under;
    TestTile over;
    const int first = under.create(handle, 10, 10, 100, 100, true);
    const int second = over.create(handle, 50, 50, 100, 100, true);
    EXPECT_EQ(window.controlAt(60, 60), second);
    EXPECT_EQ(window.controlAt(20, 20), first);
    EXPECT_EQ(window.controlAt(200, 180), 0);
    over.setVisible(false);
    EXPECT_EQ(window.controlAt(60, 60), first);

    SkinWindow bordered;
    WindowOptions options;
    options.width = 100;
    options.height = 100;
    options.border = true;
    options.resizable = true;
    const HWND other = bordered.createWindow(options);
    TestTile whole;
    const int id = whole.create(other, 0, 0, 100, 100, true);
    EXPECT_EQ(bordered.controlAt(3, 50), 0);
    EXPECT_EQ(bordered.controlAt(4, 50), id);
    EXPECT_EQ(bordered.controlAt(50, 95), id);
    EXPECT_EQ(bordered.controlAt(94, 94), 0);
    EXPECT_EQ(bordered.controlAt(5, 94), 0);
    DestroyWindow(other);
}

TEST_F(TileWindow, ClickIsAPressAndReleaseOnTheSameInteractiveControl)
{
    TestTile button;
    TestTile other;
    const int id = button.create(handle, 20, 20, 60, 30, true);
    other.create(handle, 120, 20, 60, 30, true);
    std::vector<int> clicks;
    button.setEventHandler(ElementEvent::Click, [&](const EventArgs& args) {
        return counter(clicks, static_cast<int>(args.target));
    });

    press(30, 30);
    EXPECT_EQ(window.focusedControl(), id);
    release(40, 35);
    EXPECT_EQ(clicks, std::vector<int>{id});
    EXPECT_EQ(button.clickedMessages, 1);
    EXPECT_EQ(window.focusedControl(), 0);

    press(30, 30);
    release(130, 30);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_EQ(button.clickedMessages, 1);
    EXPECT_EQ(other.clickedMessages, 0);
}

TEST_F(TileWindow, LeftButtonUpHandlerReplacesTheClick)
{
    TestTile button;
    button.create(handle, 20, 20, 60, 30, true);
    std::vector<int> clicks;
    std::vector<int> ups;
    button.setEventHandler(ElementEvent::Click, [&](const EventArgs&) { return counter(clicks, 1); });
    button.setEventHandler(ElementEvent::LeftUp, [&](const EventArgs& args) { return counter(ups, args.value1); });
    press(30, 30);
    release(31, 30);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(ups, std::vector<int>{31});
    EXPECT_EQ(button.clickedMessages, 0);
}

TEST_F(TileWindow, SurfaceEventsCarryPositionAndClickWhenNothingHasFocus)
{
    std::vector<int> downs;
    std::vector<int> clicks;
    window.setEventHandler(ElementEvent::LeftDown, [&](const EventArgs& args) {
        EXPECT_EQ(args.target, reinterpret_cast<std::intptr_t>(handle));
        return counter(downs, args.value1 * 1000 + args.value2);
    });
    window.setEventHandler(ElementEvent::Click, [&](const EventArgs&) { return counter(clicks, 1); });
    // No move in between: a move after a press on the surface starts the system's move loop.
    press(150, 120);
    SendMessageW(handle, WM_LBUTTONUP, 0, at(150, 120));
    EXPECT_EQ(downs, std::vector<int>{150120});
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(TileWindow, TabMovesFocusOnKeyUpAndWraps)
{
    TestTile first;
    TestTile label;
    TestTile second;
    TestTile disabled;
    const int a = first.create(handle, 10, 10, 40, 20, true);
    label.create(handle, 60, 10, 40, 20, false);
    const int c = second.create(handle, 110, 10, 40, 20, true);
    disabled.create(handle, 160, 10, 40, 20, true);
    disabled.setDisabled(true);

    tab(WM_KEYDOWN);
    EXPECT_EQ(window.focusedControl(), 0);
    tab(WM_KEYUP);
    EXPECT_EQ(window.focusedControl(), a);
    tab(WM_KEYUP);
    EXPECT_EQ(window.focusedControl(), c);
    tab(WM_KEYUP);
    EXPECT_EQ(window.focusedControl(), a);
    EXPECT_EQ(SendMessageW(handle, skin::kMsgGetFocusedControl, 0, 0), a);
}

TEST_F(TileWindow, TabWithoutInteractiveControlsChangesNothing)
{
    TestTile label;
    label.create(handle, 10, 10, 40, 20, false);
    tab(WM_KEYUP);
    EXPECT_EQ(window.focusedControl(), 0);
    EXPECT_EQ(SendMessageW(handle, skin::kMsgGiveFocus, 1, 0), 0);
}

TEST_F(TileWindow, FocusMessagesReachTheControls)
{
    TestTile first;
    TestTile second;
    const int a = first.create(handle, 10, 10, 40, 20, true);
    const int b = second.create(handle, 60, 10, 40, 20, true);
    std::vector<int> log;
    first.setEventHandler(ElementEvent::Activated, [&](const EventArgs&) { return counter(log, 14); });
    first.setEventHandler(ElementEvent::Deactivated, [&](const EventArgs&) { return counter(log, 15); });
    EXPECT_EQ(SendMessageW(handle, skin::kMsgGiveFocus, a, 0), 1);
    EXPECT_EQ(SendMessageW(handle, skin::kMsgGiveFocus, b, 0), 1);
    EXPECT_EQ(log, (std::vector<int>{14, 15}));
    EXPECT_EQ(SendMessageW(handle, skin::kMsgGiveFocus, 99, 0), 0);
}

TEST_F(TileWindow, KeysReachTheWindowAndTheFocusedControl)
{
    TestTile button;
    const int id = button.create(handle, 10, 10, 40, 20, true);
    std::vector<int> windowKeys;
    std::vector<int> controlKeys;
    window.setEventHandler(
        ElementEvent::KeyDown, [&](const EventArgs& args) { return counter(windowKeys, args.value1); });
    button.setEventHandler(
        ElementEvent::KeyDown, [&](const EventArgs& args) { return counter(controlKeys, args.value1); });
    SendMessageW(handle, WM_KEYDOWN, 'A', 0);
    window.giveFocus(id);
    SendMessageW(handle, WM_KEYDOWN, 'B', 0);
    EXPECT_EQ(windowKeys, (std::vector<int>{'A', 'B'}));
    EXPECT_EQ(controlKeys, std::vector<int>{'B'});
}

TEST_F(TileWindow, AWindowKeyHandlerReturningZeroTakesTheKey)
{
    TestTile first;
    TestTile second;
    const int a = first.create(handle, 10, 10, 40, 20, true);
    second.create(handle, 60, 10, 40, 20, true);
    std::vector<int> controlKeys;
    first.setEventHandler(
        ElementEvent::KeyUp, [&](const EventArgs& args) { return counter(controlKeys, args.value1); });
    window.setEventHandler(ElementEvent::KeyUp, [](const EventArgs& args) { return args.value1 == VK_TAB ? 0 : 1; });
    window.giveFocus(a);
    tab(WM_KEYUP);
    SendMessageW(handle, WM_KEYUP, 'A', 0);
    EXPECT_EQ(window.focusedControl(), a);
    EXPECT_EQ(controlKeys, std::vector<int>{'A'});
}

TEST_F(TileWindow, HoverAndLeaveFollowTheMouse)
{
    TestTile first;
    TestTile second;
    first.create(handle, 10, 10, 40, 20, true);
    second.create(handle, 60, 10, 40, 20, true);
    std::vector<int> log;
    first.setEventHandler(ElementEvent::MouseEnter, [&](const EventArgs&) { return counter(log, 18); });
    first.setEventHandler(ElementEvent::MouseLeave, [&](const EventArgs&) { return counter(log, 19); });
    second.setEventHandler(ElementEvent::MouseEnter, [&](const EventArgs&) { return counter(log, 28); });
    SendMessageW(handle, WM_MOUSEMOVE, 0, at(20, 20));
    SendMessageW(handle, WM_MOUSEMOVE, 0, at(25, 20));
    SendMessageW(handle, WM_MOUSEMOVE, 0, at(70, 20));
    EXPECT_EQ(log, (std::vector<int>{18, 19, 28}));
    EXPECT_EQ(window.hotControl(), 2);
    SendMessageW(handle, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(window.hotControl(), 0);
}

TEST_F(TileWindow, MaximiseRestoreAndMinimiseTrackTheState)
{
    window.maximiseWindow();
    EXPECT_TRUE(window.isMaximised());
    window.restoreWindow();
    EXPECT_FALSE(window.isMaximised());
    SendMessageW(handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(window.isMinimised());
    SendMessageW(handle, WM_QUERYOPEN, 0, 0);
    EXPECT_FALSE(window.isMinimised());
}

TEST_F(TileWindow, SizeLimitsReachMinMaxInfo)
{
    window.setSizeLimits(150, 90, 500, 400);
    MINMAXINFO info{};
    SendMessageW(handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 150);
    EXPECT_EQ(info.ptMinTrackSize.y, 90);
    EXPECT_EQ(info.ptMaxTrackSize.x, 500);
    EXPECT_EQ(info.ptMaxTrackSize.y, 400);
}

TEST_F(TileWindow, SettingWidthResizesTheRealWindow)
{
    window.setWidth(250);
    RECT bounds{};
    GetWindowRect(handle, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 250);
    SkinWindow unmade;
    unmade.setWidth(77);
    EXPECT_EQ(unmade.width(), 77);
}

// Focus cues start hidden unless keyboard cues are always on; Tab, an arrow or Alt shows them
// and they stay. The program's requests are answered as the system's dialogs answer them.
TEST(SkinWindowKeyboardCues, HiddenUntilTheKeyboardIsUsed)
{
    constexpr LRESULT kHidden = UISF_HIDEFOCUS | UISF_HIDEACCEL;
    struct Row {
        bool always;
        UINT message;
        WPARAM key;
        LRESULT atStart;
        LRESULT afterKey;
    };
    for (const Row& row : { Row { false, WM_KEYDOWN, VK_TAB, kHidden, UISF_HIDEACCEL },
             Row { false, WM_KEYDOWN, VK_DOWN, kHidden, UISF_HIDEACCEL },
             Row { false, WM_SYSKEYDOWN, VK_MENU, kHidden, 0 }, Row { false, WM_KEYDOWN, VK_RETURN, kHidden, kHidden },
             Row { false, WM_LBUTTONDOWN, 0, kHidden, kHidden }, Row { true, WM_KEYDOWN, VK_RETURN, 0, 0 } }) {
        KeyboardCuesSetting setting(row.always);
        SkinWindow window;
        const HWND handle = window.createWindow();
        const auto send = [&](UINT message, WPARAM wParam) { return SendMessageW(handle, message, wParam, 0); };
        EXPECT_EQ(send(WM_QUERYUISTATE, 0), row.atStart) << row.key;
        send(row.message, row.key);
        // Unknown actions and flags change nothing.
        send(WM_CHANGEUISTATE, MAKEWPARAM(7, UISF_HIDEFOCUS));
        send(WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | 0x80));
        EXPECT_EQ(send(WM_QUERYUISTATE, 0), row.afterKey) << row.key;
        for (const WORD hide : { UIS_SET, UIS_INITIALIZE }) {
            send(WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS));
            send(WM_CHANGEUISTATE, MAKEWPARAM(hide, UISF_HIDEFOCUS));
            EXPECT_EQ(send(WM_QUERYUISTATE, 0) & UISF_HIDEFOCUS, row.always ? 0 : UISF_HIDEFOCUS) << row.key;
        }
        DestroyWindow(handle);
    }
}
