#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "controls/SurfaceProbe.h"
#include "core/ThreadTimer.h"
#include "drawing/Bitmap.h"
#include "drawing/LiveObjects.h"
#include "element/SkinConstants.h"
#include "imaging/ImageCodec.h"
#include "imaging/Pictures.h"
#include "imaging/SkinPictures.h"
#include "skin/CaptionButtonSet.h"
#include "skin/Framework.h"
#include "skin/SkinWindow.h"

namespace {

constexpr int kAllButtons = 31;

RECT stripRect(const SkinWindow& window)
{
    return window.captionButtons().record() ? window.captionButtons().record()->rect : RECT {};
}

// Where an item sits in the window's client area.
RECT itemInWindow(const SkinWindow& window, int item)
{
    RECT rect = window.captionButtons().itemRect(item);
    const RECT strip = stripRect(window);
    OffsetRect(&rect, strip.left, strip.top);
    return rect;
}

POINT centreOf(const RECT& rect)
{
    return { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
}

void sendMouse(HWND window, UINT message, POINT at, WPARAM keys = 0)
{
    SendMessageW(window, message, keys, MAKELPARAM(at.x, at.y));
}

// A press at one point and a release at another, as the window sees them.
void pressAndRelease(HWND window, POINT press, POINT release)
{
    sendMouse(window, WM_MOUSEMOVE, press);
    sendMouse(window, WM_LBUTTONDOWN, press, MK_LBUTTON);
    sendMouse(window, WM_MOUSEMOVE, release, MK_LBUTTON);
    sendMouse(window, WM_LBUTTONUP, release);
}

void click(HWND window, POINT at)
{
    pressAndRelease(window, at, at);
}

MINMAXINFO minMaxInfo(HWND window)
{
    MINMAXINFO info {};
    SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

struct Frames {
    int normal, hot, pressed, disabled;
};

Frames framesOf(const CaptionItem& item)
{
    return { item.normalFrame, item.hotFrame, item.pressedFrame, item.disabledFrame };
}

bool operator==(const Frames& a, const Frames& b)
{
    return a.normal == b.normal && a.hot == b.hot && a.pressed == b.pressed && a.disabled == b.disabled;
}

// A shown window with caption buttons, destroyed at the end of the test.
struct CaptionWindow {
    SkinWindow window;
    HWND handle = nullptr;

    explicit CaptionWindow(int mask, int style = 0, bool border = false, std::int32_t background = -1)
    {
        WindowOptions options;
        options.x = 20;
        options.y = 20;
        options.width = 300;
        options.height = 120;
        options.backgroundColour = background;
        options.drawTitle = false;
        options.movable = false;
        options.border = border;
        options.captionButtons = mask;
        options.captionButtonStyle = CaptionButtonStyle(style);
        handle = window.createWindow(options);
        pumpUntil([this] { return GetPropA(handle, skin::kPropFirstShowDone) != nullptr; }, 3000);
    }
    ~CaptionWindow()
    {
        if (IsWindow(handle))
            DestroyWindow(handle);
    }
    const CaptionButtonBar& bar() const { return window.captionButtons(); }
};

} // namespace

TEST(CaptionButtons, StripGeometryItemsAndMinimumSizeFollowTheMask)
{
    const struct {
        int mask, style;
        bool border;
        int stripWidth, borderWidth;
        // Left to right: the texts, frames and widths of the items.
        std::vector<std::wstring> texts;
        std::vector<Frames> frames;
        std::vector<int> widths;
    } cases[] = {
        { 0, 0, false, 42, 0, { L"关闭" }, { { 27, 28, 29, 30 } }, { 42 } },
        { 0, 0, true, 42, 2, { L"关闭" }, { { 27, 28, 29, 30 } }, { 42 } },
        { kAllButtons, 0, false, 154, 0, { L"换肤", L"菜单", L"最小化", L"最大化", L"关闭" },
            { { 6, 7, 8, 9 }, { 11, 12, 13, 14 }, { 15, 16, 17, 18 }, { 19, 20, 21, 22 }, { 27, 28, 29, 30 } },
            { 28, 28, 28, 28, 42 } },
        { kAllButtons, 1, true, 151, 2, { L"换肤", L"菜单", L"最小化", L"最大化", L"关闭" },
            { { 16, 17, 18, 16 }, { 13, 14, 15, 13 }, { 10, 11, 12, 10 }, { 4, 5, 6, 4 }, { 1, 2, 3, 1 } },
            { 28, 28, 28, 28, 39 } },
    };
    for (const auto& c : cases) {
        CaptionWindow shown(c.mask, c.style, c.border);
        ASSERT_NE(shown.handle, nullptr);
        SCOPED_TRACE(testing::Message() << "mask " << c.mask << " style " << c.style << " border " << c.border);
        ASSERT_EQ(shown.window.borderWidth(), c.borderWidth);
        RECT client {};
        GetClientRect(shown.handle, &client);
        const POINT origin = captionStripOrigin(client.right, c.stripWidth, c.borderWidth, CaptionButtonStyle(c.style));
        const RECT strip = stripRect(shown.window);
        EXPECT_EQ(strip.left, origin.x);
        EXPECT_EQ(strip.top, origin.y);
        EXPECT_EQ(strip.right - strip.left, c.stripWidth);
        EXPECT_EQ(strip.bottom - strip.top, 21);
        EXPECT_EQ(shown.bar().strip().GetStripWidth(), c.style == 0 ? 925 : 554);

        ASSERT_EQ(shown.bar().itemCount(), static_cast<int>(c.texts.size()));
        int left = 0;
        for (int i = 1; i <= shown.bar().itemCount(); ++i) {
            const CaptionItem item = shown.bar().itemInfo(i);
            const size_t at = static_cast<size_t>(i - 1);
            EXPECT_EQ(item.toolTipText, c.texts[at]) << i;
            EXPECT_TRUE(framesOf(item) == c.frames[at]) << i;
            const RECT rect = shown.bar().itemRect(i);
            EXPECT_EQ(rect.left, left) << i;
            EXPECT_EQ(rect.right - rect.left, c.widths[at]) << i;
            EXPECT_EQ(rect.bottom - rect.top, 20) << i;
            left = rect.right;
        }
        EXPECT_EQ(left, c.stripWidth);
        EXPECT_EQ(shown.window.maximiseButtonItem(), c.mask & 2 ? 4 : 0);

        // The window cannot be made narrower than its buttons, nor lower than 30.
        const MINMAXINFO info = minMaxInfo(shown.handle);
        EXPECT_EQ(info.ptMinTrackSize.x, c.stripWidth + 2 * c.borderWidth);
        EXPECT_EQ(info.ptMinTrackSize.y, 30);
        const RECT area = workArea();
        EXPECT_EQ(info.ptMaxTrackSize.x, area.right - area.left);
        EXPECT_EQ(info.ptMaxTrackSize.y, area.bottom - area.top);
    }
}

TEST(CaptionButtons, OtherStylesMakeNoStrip)
{
    CaptionWindow shown(kAllButtons, 2);
    ASSERT_NE(shown.handle, nullptr);
    EXPECT_EQ(shown.bar().id(), 0);
    EXPECT_EQ(shown.bar().itemCount(), 0);
    // Nothing set a limit, so the system's own stand.
    const MINMAXINFO info = minMaxInfo(shown.handle);
    EXPECT_NE(info.ptMinTrackSize.y, 30);
}

TEST(CaptionButtons, StripFollowsTheRightEdgeAfterAResize)
{
    for (const bool border : { false, true }) {
        for (const int style : { 0, 1 }) {
            CaptionWindow shown(kAllButtons, style, border);
            ASSERT_NE(shown.handle, nullptr);
            SetWindowPos(shown.handle, nullptr, 0, 0, 460, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            const int width = captionStripWidth(kAllButtons, CaptionButtonStyle(style));
            const POINT origin = captionStripOrigin(460, width, shown.window.borderWidth(), CaptionButtonStyle(style));
            const RECT strip = stripRect(shown.window);
            EXPECT_EQ(strip.left, origin.x) << border << "/" << style;
            EXPECT_EQ(strip.top, origin.y) << border << "/" << style;
            EXPECT_EQ(strip.right - strip.left, width);
        }
    }
}

// The close button as the window shows it: its frame over the window's fill, at its place.
TEST(CaptionButtons, CloseFrameIsComposedAtItsPlace)
{
    constexpr std::uint32_t kFill = 0x28405A;
    CaptionWindow shown(kAllButtons, 0, false, RGB(0x28, 0x40, 0x5A));
    ASSERT_NE(shown.handle, nullptr);
    shown.window.compose(false, true);
    ImageCodec strip;
    strip.LoadStrip(kCaptionButtons.bytes(), 0x7F007F);
    Bitmap frame;
    ASSERT_TRUE(frame.LoadFromBytes(strip.GetFrame(27)));
    const RECT close = itemInWindow(shown.window, 5);
    ASSERT_EQ(close.right - close.left, 42);
    int inked = 0;
    int differing = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 42; ++x) {
            const std::uint32_t ink = frame.GetPixel(x, y);
            const int alpha = static_cast<int>(ink >> 24);
            inked += alpha > 0;
            std::uint32_t expected = 0xFF000000;
            for (int shift : { 0, 8, 16 }) {
                const int over = (channelOf(ink, shift) * alpha + channelOf(kFill, shift) * (255 - alpha)) / 255;
                expected |= static_cast<std::uint32_t>(over) << shift;
            }
            const std::uint32_t shownPixel = shown.window.composedSurface().pixel(close.left + x, close.top + y);
            if (!pixelNear(shownPixel, expected, 3)) {
                ++differing;
                ADD_FAILURE() << x << "," << y << ": " << hexPixel(shownPixel) << " != " << hexPixel(expected);
            }
        }
    }
    EXPECT_GT(inked, 50);
    EXPECT_EQ(differing, 0);
    // Left of the strip lies the bare fill.
    EXPECT_TRUE(
        pixelNear(shown.window.composedSurface().pixel(stripRect(shown.window).left - 3, 10), 0xFF000000 | kFill));
    saveArtifact(L"caption-buttons.png", shown.window.windowPicture(300, 120));
}

TEST(CaptionButtons, MaximiseTurnsIntoRestoreAndBack)
{
    CaptionWindow shown(kAllButtons);
    ASSERT_NE(shown.handle, nullptr);
    const int item = shown.window.maximiseButtonItem();
    ASSERT_EQ(item, 4);
    RECT before {};
    GetWindowRect(shown.handle, &before);

    click(shown.handle, centreOf(itemInWindow(shown.window, item)));
    EXPECT_TRUE(shown.window.isMaximised());
    EXPECT_TRUE(IsZoomed(shown.handle));
    EXPECT_EQ(shown.bar().itemToolTipText(item), L"还原");
    EXPECT_TRUE(framesOf(shown.bar().itemInfo(item)) == (Frames { 23, 24, 21, 22 }));
    RECT client {};
    GetClientRect(shown.handle, &client);
    const RECT area = workArea();
    EXPECT_EQ(client.right, area.right - area.left);
    EXPECT_EQ(stripRect(shown.window).left, captionStripOrigin(client.right, 154, 0, CaptionButtonStyle::Standard).x);

    // The same button, now at the new right edge, restores.
    click(shown.handle, centreOf(itemInWindow(shown.window, item)));
    EXPECT_FALSE(shown.window.isMaximised());
    EXPECT_FALSE(IsZoomed(shown.handle));
    EXPECT_EQ(shown.bar().itemToolTipText(item), L"最大化");
    EXPECT_TRUE(framesOf(shown.bar().itemInfo(item)) == (Frames { 19, 20, 21, 22 }));
    RECT after {};
    GetWindowRect(shown.handle, &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(stripRect(shown.window).left, captionStripOrigin(after.right - after.left, 154, 0, CaptionButtonStyle::Standard).x);

    // Back from the taskbar, a window minimised while maximised is maximised again, and its
    // button still offers restore.
    click(shown.handle, centreOf(itemInWindow(shown.window, item)));
    SendMessageW(shown.handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(shown.window.isMinimised());
    SendMessageW(shown.handle, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(shown.window.isMaximised());
    EXPECT_EQ(shown.bar().itemToolTipText(item), L"还原");
}

TEST(CaptionButtons, TheItemUnderTheReleaseActs)
{
    enum Place { Skin = 1, Menu = 2, Close = 5, Bare = 0 };
    const struct {
        Place press, release;
        int skinCalls, menuCalls;
        bool stillOpen;
    } cases[] = {
        { Skin, Skin, 1, 0, true },
        { Close, Menu, 0, 1, true },
        { Menu, Skin, 1, 0, true },
        { Close, Bare, 0, 0, true },
        { Skin, Close, 0, 0, false },
    };
    for (const auto& c : cases) {
        CaptionWindow shown(kAllButtons);
        ASSERT_NE(shown.handle, nullptr);
        int skinCalls = 0;
        int menuCalls = 0;
        shown.window.setSkinButtonCallback([&](HWND window) {
            EXPECT_EQ(window, shown.handle);
            ++skinCalls;
        });
        shown.window.setMenuButtonCallback([&](HWND) { ++menuCalls; });
        const auto at = [&](Place place) {
            return place == Bare ? POINT { 60, 80 } : centreOf(itemInWindow(shown.window, place));
        };
        pressAndRelease(shown.handle, at(c.press), at(c.release));
        // A close is posted: give it the chance to happen.
        pumpUntil([&] { return !IsWindow(shown.handle); }, c.stillOpen ? 200 : 3000);
        SCOPED_TRACE(testing::Message() << c.press << " -> " << c.release);
        EXPECT_EQ(skinCalls, c.skinCalls);
        EXPECT_EQ(menuCalls, c.menuCalls);
        EXPECT_EQ(IsWindow(shown.handle) != FALSE, c.stillOpen);
    }
    // A release beside every item, or a text that names no command, does nothing.
    CaptionWindow shown(kAllButtons);
    shown.window.onCaptionButton(0);
    shown.window.onCaptionButton(9);
    pumpUntil([] { return false; }, 100);
    EXPECT_TRUE(IsWindow(shown.handle));
    EXPECT_FALSE(shown.window.isMaximised());
}

namespace {

// What the modal test sees of the window it cannot reach while createWindow runs.
struct ModalProbe {
    static SkinWindow* window;
    static int nullsPosted;
    static bool timedOut;

    static LRESULT CALLBACK watchMessages(int code, WPARAM wParam, LPARAM lParam) noexcept
    {
        const MSG* message = reinterpret_cast<const MSG*>(lParam);
        if (code == HC_ACTION && message && message->message == WM_NULL && window && message->hwnd == window->handle())
            ++nullsPosted;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
};
SkinWindow* ModalProbe::window = nullptr;
int ModalProbe::nullsPosted = 0;
bool ModalProbe::timedOut = false;

} // namespace

TEST(CaptionButtons, CloseButtonOfAModalWindowEndsItsLoop)
{
    SkinWindow modal;
    ModalProbe::window = &modal;
    ModalProbe::nullsPosted = 0;
    ModalProbe::timedOut = false;
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &ModalProbe::watchMessages, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    bool clicked = false;
    ThreadTimer press(50, [&] {
        if (clicked || !modal.handle() || modal.captionButtons().itemCount() != 1)
            return;
        clicked = true;
        click(modal.handle(), centreOf(itemInWindow(modal, 1)));
    });
    ThreadTimer safety(5000, [&] {
        ModalProbe::timedOut = true;
        if (modal.handle())
            DestroyWindow(modal.handle());
    });

    // As the message box makes its window: the close button alone, style 0, a rounded border.
    WindowOptions options;
    options.width = 260;
    options.height = 140;
    options.modal = true;
    options.border = true;
    options.roundedBorder = true;
    options.captionButtons = 1;
    const HWND handle = modal.createWindow(options);
    UnhookWindowsHookEx(hook);
    ModalProbe::window = nullptr;

    EXPECT_NE(handle, nullptr);
    EXPECT_TRUE(clicked);
    EXPECT_FALSE(ModalProbe::timedOut);
    EXPECT_GE(ModalProbe::nullsPosted, 1);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(modal.handle(), nullptr);
}

TEST(CaptionButtons, StripComesAndGoesWithItsWindow)
{
    SkinWindow window;
    const int before = liveNativeObjects();
    for (int round = 0; round < 12; ++round) {
        WindowOptions options;
        options.captionButtons = round % 2 ? kAllButtons : 0;
        options.captionButtonStyle = round % 3 == 2 ? CaptionButtonStyle::Alternative : CaptionButtonStyle::Standard;
        const HWND handle = window.createWindow(options);
        ASSERT_NE(handle, nullptr);
        EXPECT_GT(window.captionButtons().id(), 0);
        EXPECT_EQ(window.captionButtons().itemCount(), round % 2 ? 5 : 1);
        // The tip comes with the first hover, and goes with the window as any other.
        EXPECT_FALSE(window.captionButtons().toolTip());
        const RECT strip = window.captionButtons().windowRect();
        SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(strip.right - 2, (strip.top + strip.bottom) / 2));
        EXPECT_TRUE(window.captionButtons().toolTip());
        DestroyWindow(handle);
        EXPECT_EQ(window.captionButtons().id(), 0);
        EXPECT_EQ(window.captionButtons().itemCount(), 0);
        EXPECT_EQ(window.maximiseButtonItem(), 0);
    }
    pumpUntil([] { return false; }, 50);
    EXPECT_EQ(liveNativeObjects(), before);
}
