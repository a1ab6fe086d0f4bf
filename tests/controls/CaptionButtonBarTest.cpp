#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <utility>
#include <vector>

#include "SurfaceProbe.h"
#include "TestSupport.h"
#include "controls/CaptionButtonBar.h"
#include "core/ThreadTimers.h"
#include "drawing/LiveObjects.h"
#include "element/SkinConstants.h"
#include "imaging/ImageCodec.h"
#include "imaging/Pictures.h"
#include "imaging/SkinPictures.h"
#include "skin/SkinWindow.h"

namespace {

ImageCodec captionStrip()
{
    ImageCodec strip;
    strip.LoadStrip(kCaptionButtons.bytes(), 0x7F007F);
    return strip;
}

struct WindowButton {
    int normal;
    int hot;
    int pressed;
    int disabled;
    const wchar_t* tip;
};
// skin, menu, minimise, maximise, close
constexpr WindowButton kWindowButtons[] = {
    { 6, 7, 8, 9, L"换肤" },
    { 11, 12, 13, 14, L"菜单" },
    { 15, 16, 17, 18, L"最小化" },
    { 19, 20, 21, 22, L"最大化" },
    { 27, 28, 29, 30, L"关闭" },
};

void addWindowButtons(CaptionButtonBar& bar)
{
    for (const WindowButton& button : kWindowButtons) {
        CaptionItemOptions item;
        item.normalFrame = button.normal;
        item.hotFrame = button.hot;
        item.pressedFrame = button.pressed;
        item.disabledFrame = button.disabled;
        item.toolTipText = button.tip;
        bar.addItem(item);
    }
}

// The item's pixels in the picture the window composes.
bool showsItem(const CaptionButtonBar& bar, int index, const Surface& expected)
{
    GdiFlush();
    const Surface& shown = bar.record()->surface;
    const RECT rect = bar.itemRect(index);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (shown.pixel(rect.left + x, rect.top + y) != expected.pixel(x, y))
                return false;
    return true;
}

bool samePixels(const Surface& a, const Surface& b)
{
    if (a.width() != b.width() || a.height() != b.height())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

// A window whose caption bar sits at (100, 10), driven by real messages.
struct CaptionBarWindow : testing::Test {
    SkinWindow window;
    HWND handle = nullptr;
    CaptionButtonBar bar;
    std::vector<std::pair<int, int>> clicks;

    void SetUp() override
    {
        WindowOptions options;
        options.width = 300;
        options.height = 100;
        options.drawTitle = false;
        options.movable = false;
        handle = window.createWindow(options);
        ASSERT_NE(handle, nullptr);
        SetForegroundWindow(handle);
        CaptionBarOptions barOptions;
        barOptions.x = 100;
        barOptions.y = 10;
        barOptions.height = 21;
        ASSERT_GT(bar.create(handle, captionStrip(), barOptions), 0);
        addWindowButtons(bar);
        bar.setClickCallback([this](int id, int item) { clicks.emplace_back(id, item); });
    }
    void TearDown() override { DestroyWindow(handle); }

    // The middle of an item in window coordinates.
    POINT centre(int item) const
    {
        const RECT rect = bar.itemRect(item);
        return { 100 + (rect.left + rect.right) / 2, 10 + (rect.top + rect.bottom) / 2 };
    }
    void send(UINT message, POINT at, WPARAM keys = 0) { SendMessageW(handle, message, keys, MAKELPARAM(at.x, at.y)); }
    // Moves the real pointer too, so the leave tracking does not take the mouse away again.
    void hover(POINT at)
    {
        POINT screen = at;
        ClientToScreen(handle, &screen);
        SetCursorPos(screen.x, screen.y);
        send(WM_MOUSEMOVE, at);
    }
    bool settled()
    {
        return pumpUntil([&] { return bar.runningTransitions() == 0; }, 3000);
    }
    std::wstring toolText()
    {
        wchar_t buffer[64] = {};
        TOOLINFOW info {};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = handle;
        info.uId = static_cast<UINT_PTR>(bar.id());
        info.lpszText = buffer;
        SendMessageW(bar.toolTip().window(), TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&info));
        return buffer;
    }
    RECT toolRect()
    {
        TOOLINFOW info {};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = handle;
        info.uId = static_cast<UINT_PTR>(bar.id());
        SendMessageW(bar.toolTip().window(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
        return info.rect;
    }
};

TEST_F(CaptionBarWindow, ItemsTakeTheirFramesSizesAndPlaces)
{
    EXPECT_EQ(bar.strip().GetFrameCount(), 30);
    EXPECT_EQ(bar.width(), 925);
    EXPECT_EQ(bar.record()->kind, skin::kKindCaptionButtons);
    EXPECT_TRUE(bar.record()->interactive);
    ASSERT_EQ(bar.itemCount(), 5);
    EXPECT_TRUE(sameRect(bar.itemRect(1), { 0, 0, 28, 20 }));
    EXPECT_TRUE(sameRect(bar.itemRect(5), { 112, 0, 154, 20 }));
    EXPECT_EQ(bar.itemToolTipText(3), L"最小化");

    CaptionItemOptions inserted;
    inserted.normalFrame = 1;
    inserted.position = 2;
    inserted.value = 77;
    EXPECT_EQ(bar.addItem(inserted), 2);
    EXPECT_EQ(bar.itemValue(2), 77);
    EXPECT_EQ(bar.itemToolTipText(3), L"菜单");
    EXPECT_TRUE(sameRect(bar.itemRect(3), { 56, 0, 84, 20 }));
    for (int position : { 0, -2 }) {
        inserted.position = position;
        EXPECT_EQ(bar.addItem(inserted), 0);
    }
    EXPECT_TRUE(bar.removeItem(2));
    EXPECT_EQ(bar.itemCount(), 5);
    // A taller control centres the items again.
    bar.setHeight(31);
    EXPECT_TRUE(sameRect(bar.itemRect(5), { 112, 5, 154, 25 }));

    for (int bad : { 0, -1, 6 }) {
        EXPECT_FALSE(bar.setItemDisabled(bad));
        EXPECT_FALSE(bar.setItemLook(bad, {}));
        EXPECT_FALSE(bar.removeItem(bad));
        EXPECT_FALSE(bar.setItemValue(bad, 1));
        EXPECT_EQ(bar.itemValue(bad), 0);
        EXPECT_EQ(bar.itemToolTipText(bad), L"");
    }
    // Check states exist only in check mode.
    EXPECT_FALSE(bar.setItemChecked(1, true));
    EXPECT_FALSE(bar.itemChecked(1));
    EXPECT_FALSE(bar.uncheckItems());
}

TEST_F(CaptionBarWindow, AReleaseReportsTheItemUnderIt)
{
    const POINT outside { 50, 80 };
    // On the bar, right of the last item.
    const POINT besideItems { 100 + 160, 15 };
    constexpr int kNotHeard = -1;
    const struct {
        POINT press, release;
        int disabledBeforeRelease;
        int reported;
    } cases[] = {
        { centre(5), centre(5), 0, 5 },
        { centre(1), centre(1), 0, 1 },
        { centre(2), centre(3), 0, 3 },
        { outside, centre(4), 0, 4 },
        { centre(2), besideItems, 0, 0 },
        { centre(3), centre(3), 3, 0 },
        // Off the bar the window gives the release to nobody.
        { centre(4), outside, 0, kNotHeard },
    };
    const int id = bar.id();
    for (const auto& c : cases) {
        clicks.clear();
        send(WM_MOUSEMOVE, c.press);
        send(WM_LBUTTONDOWN, c.press, MK_LBUTTON);
        if (c.disabledBeforeRelease)
            bar.setItemDisabled(c.disabledBeforeRelease);
        send(WM_MOUSEMOVE, c.release, MK_LBUTTON);
        send(WM_LBUTTONUP, c.release);
        if (c.reported == kNotHeard) {
            EXPECT_TRUE(clicks.empty()) << c.press.x << " -> " << c.release.x;
        } else {
            ASSERT_EQ(clicks.size(), 1u) << c.press.x << " -> " << c.release.x;
            EXPECT_EQ(clicks[0], std::make_pair(id, c.reported));
        }
    }
    // A disabled item neither highlights nor clicks.
    hover(centre(3));
    EXPECT_EQ(bar.shownHotItem(), 0);
    clicks.clear();
    send(WM_LBUTTONDOWN, centre(3), MK_LBUTTON);
    send(WM_LBUTTONUP, centre(3));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].second, 0);
}

TEST_F(CaptionBarWindow, HoverFadesPressShowsAtOnceAndTheTipFollows)
{
    EXPECT_FALSE(bar.toolTip());
    hover(centre(2));
    EXPECT_EQ(bar.shownHotItem(), 2);
    EXPECT_EQ(toolText(), L"菜单");
    EXPECT_TRUE(sameRect(toolRect(), { 128, 10, 156, 30 }));
    ASSERT_TRUE(settled());
    EXPECT_TRUE(showsItem(bar, 2, bar.renderItem(2, true, false)));

    send(WM_LBUTTONDOWN, centre(2), MK_LBUTTON);
    EXPECT_EQ(bar.runningTransitions(), 0);
    EXPECT_TRUE(showsItem(bar, 2, bar.renderItem(2, false, true)));
    send(WM_LBUTTONUP, centre(2));
    EXPECT_TRUE(showsItem(bar, 2, bar.renderItem(2, true, false)));

    hover(centre(5));
    EXPECT_EQ(toolText(), L"关闭");
    EXPECT_TRUE(sameRect(toolRect(), { 212, 10, 254, 30 }));
    ASSERT_TRUE(settled());
    EXPECT_TRUE(showsItem(bar, 2, bar.renderItem(2, false, false)));
    EXPECT_TRUE(showsItem(bar, 5, bar.renderItem(5, true, false)));
    EXPECT_FALSE(showsItem(bar, 5, bar.renderItem(5, false, false)));

    // Disabled under the mouse: the next move draws it back.
    bar.setItemDisabled(5);
    hover({ centre(5).x + 1, centre(5).y });
    ASSERT_TRUE(settled());
    EXPECT_EQ(bar.shownHotItem(), 0);
    EXPECT_TRUE(showsItem(bar, 5, bar.renderItem(5, false, false)));

    hover({ 20, 80 });
    ASSERT_TRUE(settled());
    EXPECT_EQ(bar.shownHotItem(), 0);
}

// The tip is made by the first hover, and the move that made it, the only one here, still
// starts its wait.
TEST_F(CaptionBarWindow, TheFirstHoverShowsItsTipWithoutAnotherMove)
{
    POINT screen = centre(5);
    ClientToScreen(handle, &screen);
    SetCursorPos(screen.x, screen.y);
    ASSERT_TRUE(pumpUntil([&] { return bool(bar.toolTip()); }, 3000));
    EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(bar.toolTip().window()) != FALSE; }, 3000));
    EXPECT_EQ(toolText(), L"关闭");
}

TEST(CaptionBarLeave, AResizedOwnerEndsTheHoverAtOnce)
{
    SkinWindow owner;
    WindowOptions ownerOptions;
    ownerOptions.width = 300;
    ownerOptions.height = 200;
    const HWND ownerHandle = owner.createWindow(ownerOptions);
    SkinWindow host;
    WindowOptions hostOptions;
    hostOptions.parent = ownerHandle;
    hostOptions.width = 200;
    hostOptions.height = 60;
    hostOptions.drawTitle = false;
    hostOptions.movable = false;
    const HWND handle = host.createWindow(hostOptions);
    ASSERT_TRUE(pumpUntil([&] { return GetPropA(handle, skin::kPropFirstShowDone) != nullptr; }, 3000));
    CaptionButtonBar bar;
    ASSERT_GT(bar.create(handle, captionStrip()), 0);
    addWindowButtons(bar);
    auto moveTo = [&](int x, int y) {
        POINT screen { x, y };
        ClientToScreen(handle, &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    };
    for (const bool resized : { false, true }) {
        moveTo(10, 10);
        ASSERT_EQ(bar.shownHotItem(), 1);
        ASSERT_TRUE(pumpUntil([&] { return bar.runningTransitions() == 0; }, 3000));
        if (resized)
            SetWindowPos(ownerHandle, nullptr, 0, 0, 320, 220, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        moveTo(10, 50);
        EXPECT_EQ(bar.shownHotItem(), 0);
        EXPECT_EQ(bar.runningTransitions(), resized ? 0 : 1);
        if (resized) {
            EXPECT_TRUE(showsItem(bar, 1, bar.renderItem(1, false, false)));
        }
    }
    DestroyWindow(handle);
    DestroyWindow(ownerHandle);
}

TEST(CaptionBarCheckMode, CheckedItemsShowPressedUntilUnchecked)
{
    GalleryWindow gallery(200, 40);
    CaptionButtonBar bar;
    CaptionBarOptions options;
    options.checkMode = true;
    options.width = 190;
    options.height = 20;
    ASSERT_GT(bar.create(gallery.handle(), captionStrip(), options), 0);
    addWindowButtons(bar);
    CaptionItemOptions born;
    born.normalFrame = 11;
    born.pressedFrame = 13;
    born.checked = true;
    ASSERT_EQ(bar.addItem(born), 6);
    EXPECT_TRUE(bar.itemChecked(6));

    EXPECT_TRUE(bar.setItemChecked(2, true));
    EXPECT_TRUE(bar.itemChecked(2));
    EXPECT_TRUE(showsItem(bar, 2, bar.renderItem(2, false, true)));
    EXPECT_FALSE(showsItem(bar, 2, bar.renderItem(1, false, false)));
    EXPECT_FALSE(bar.setItemChecked(7, true));

    EXPECT_TRUE(bar.uncheckItems(2));
    EXPECT_FALSE(bar.itemChecked(2));
    EXPECT_TRUE(bar.itemChecked(6));
    EXPECT_TRUE(bar.uncheckItems());
    EXPECT_FALSE(bar.itemChecked(6));
    EXPECT_TRUE(showsItem(bar, 2, bar.renderItem(2, false, false)));
}

TEST(CaptionBarLifetime, NothingNativeOutlivesAWindowWithABar)
{
    const int objectsBefore = liveNativeObjects();
    const int timersBefore = threadtimers::running();
    HWND tip = nullptr;
    {
        SkinWindow window;
        WindowOptions options;
        options.width = 200;
        options.height = 60;
        const HWND handle = window.createWindow(options);
        ASSERT_NE(handle, nullptr);
        // A fade starts only on a window with nothing left to paint.
        ASSERT_TRUE(pumpUntil([&] { return GetPropA(handle, skin::kPropFirstShowDone) != nullptr; }, 3000));
        CaptionButtonBar bar;
        ASSERT_GT(bar.create(handle, captionStrip()), 0);
        addWindowButtons(bar);
        // A fade in flight when the window goes.
        SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        EXPECT_GT(bar.runningTransitions(), 0);
        tip = bar.toolTip().window();
        ASSERT_TRUE(IsWindow(tip));
        DestroyWindow(handle);
        EXPECT_FALSE(IsWindow(tip));
        EXPECT_EQ(bar.itemCount(), 0);
    }
    EXPECT_EQ(liveNativeObjects(), objectsBefore);
    EXPECT_EQ(threadtimers::running(), timersBefore);
}

// The five window buttons normal, hot and pressed on a title-bar blue, for the eye: the
// frames are white glyphs meant for a coloured caption.
TEST(CaptionBarLooks, TheWindowButtonsInTheirThreeStates)
{
    SkinWindow window;
    WindowOptions windowOptions;
    windowOptions.width = 180;
    windowOptions.height = 84;
    windowOptions.drawTitle = false;
    windowOptions.backgroundColour = RGB(48, 112, 192);
    const HWND handle = window.createWindow(windowOptions);
    ASSERT_TRUE(pumpUntil([&] { return GetPropA(handle, skin::kPropFirstShowDone) != nullptr; }, 3000));
    {
        CaptionButtonBar bars[3];
        for (int row = 0; row < 3; ++row) {
            CaptionBarOptions options;
            options.x = 13;
            options.y = 8 + row * 24;
            options.width = 154;
            options.height = 21;
            ASSERT_GT(bars[row].create(handle, captionStrip(), options), 0);
            addWindowButtons(bars[row]);
            for (int item = 1; item <= 5; ++item)
                bars[row].drawItem(item, true, false, row == 1, row == 2);
        }
        for (int item = 1; item <= 5; ++item) {
            EXPECT_FALSE(samePixels(bars[0].renderItem(item, false, false), bars[1].renderItem(item, true, false)));
            EXPECT_FALSE(samePixels(bars[1].renderItem(item, true, false), bars[2].renderItem(item, false, true)));
        }
        // The white glyphs lighten the blue of the bare window.
        const int bareRed = channelOf(window.composedSurface().pixel(5, 40), 16);
        const RECT close = bars[0].itemRect(5);
        int lighter = 0;
        for (int x = 13 + close.left; x < 13 + close.right; ++x)
            lighter += channelOf(window.composedSurface().pixel(x, 18), 16) > bareRed + 40 ? 1 : 0;
        EXPECT_GT(lighter, 0);
        saveArtifact(L"caption-bar-looks.png", window.windowPicture(180, 84));
    }
    DestroyWindow(handle);
}

} // namespace
