#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "BoxDriver.h"
#include "TestSupport.h"
#include "controls/SurfaceProbe.h"
#include "core/ThreadTimers.h"
#include "drawing/LiveObjects.h"
#include "drawing/TextMeasure.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "imaging/Pictures.h"

namespace {

using Captions = std::vector<std::wstring>;

BoxArgs styled(int style, Captions captions = {})
{
    BoxArgs args;
    args.style = style;
    args.captions = std::move(captions);
    return args;
}

Captions shownCaptions(const SkinMessageBox& box)
{
    Captions captions;
    for (int i = 1; i <= 3; ++i) {
        if (box.button(i).id() > 0)
            captions.push_back(box.button(i).text());
    }
    return captions;
}

SIZE windowSize(HWND window)
{
    RECT r {};
    GetWindowRect(window, &r);
    return { r.right - r.left, r.bottom - r.top };
}

// The hue family of an icon's disc: the question mark is orange, information blue, the
// exclamation mark red.
char discColour(std::uint32_t pixel)
{
    const std::uint32_t c = straightColour(pixel);
    const int r = channelOf(c, 16), g = channelOf(c, 8), b = channelOf(c, 0);
    if (b > r + 60)
        return 'i';
    if (r > b + 100 && g > 120)
        return '?';
    if (r > b + 100 && g < 100)
        return '!';
    return '-';
}

// Titles the box's window is given while the countdown runs.
std::vector<std::wstring>* titlesSeen = nullptr;
const SkinMessageBox* titledBox = nullptr;

LRESULT CALLBACK recordTitles(int code, WPARAM wParam, LPARAM lParam) noexcept
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && titlesSeen && titledBox && message->message == WM_SETTEXT
        && message->hwnd == titledBox->openWindow())
        titlesSeen->push_back(reinterpret_cast<const wchar_t*>(message->lParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

TEST(SkinMessageBoxButtons, SetsCaptionsAndTheResultOfEveryButton)
{
    struct Row {
        int style;
        Captions custom;
        Captions captions;
        std::vector<int> results;
    };
    const Row rows[] = {
        { 0, {}, { L"确定" }, { 0 } },
        { 1, {}, { L"确定", L"取消" }, { 0, 1 } },
        { 2, {}, { L"放弃", L"重试", L"忽略" }, { 2, 3, 4 } },
        { 3, {}, { L"取消", L"是", L"否" }, { 1, 5, 6 } },
        { 4, {}, { L"是", L"否" }, { 5, 6 } },
        { 5, {}, { L"重试", L"取消" }, { 3, 1 } },
        { 6, {}, { L"放弃", L"重试", L"忽略" }, { 2, 3, 4 } },
        { 7, {}, { L"取消", L"是", L"否" }, { 1, 5, 6 } },
        { 4, { L"要", L"不要" }, { L"要", L"不要" }, { 5, 6 } },
        { 0, { L"好", L"不好" }, { L"确定" }, { 0 } },
    };
    SkinMessageBox box;
    for (const Row& row : rows) {
        for (int pressed = 1; pressed <= static_cast<int>(row.results.size()); ++pressed) {
            SCOPED_TRACE(std::to_string(row.style) + " button " + std::to_string(pressed));
            Captions shown;
            const BoxOutcome outcome = runBox(box, styled(row.style, row.custom), [&](SkinMessageBox& b) {
                shown = shownCaptions(b);
                clickAt(b.openWindow(), centreOf(b.button(pressed).windowRect()));
            });
            EXPECT_EQ(shown, row.captions);
            EXPECT_EQ(outcome.result, row.results[static_cast<size_t>(pressed - 1)]);
            EXPECT_FALSE(outcome.timedOut);
        }
    }
}

TEST(SkinMessageBoxLook, IconByStyleAtItsPlace)
{
    const std::pair<int, char> rows[] = { { 0x50, 'i' }, { 0x30, '!' }, { 0x10, '!' }, { 0x20, '?' }, { 0, '-' } };
    SkinMessageBox box;
    for (const auto& [style, expected] : rows) {
        SCOPED_TRACE(style);
        char disc = 'x';
        char aboveIcon = 'x';
        runBox(box, styled(style), [&](SkinMessageBox& b) {
            // On the disc left of the glyph, and just above the icon's cell.
            disc = discColour(composedPixel(b, 17 + 10, 39 + 28));
            aboveIcon = discColour(composedPixel(b, 17 + 10, 39 - 2));
            PostMessageW(b.openWindow(), WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(disc, expected);
        EXPECT_EQ(aboveIcon, '-');
    }
}

TEST(SkinMessageBoxLook, SuccessBoxGeometry)
{
    SkinMessageBox box;
    BoxArgs args = styled(MB_ICONQUESTION);
    args.message = L"KX启动修复成功";
    args.title = L"修复成功";
    std::vector<RECT> panels;
    RECT button {};
    RECT buttonInBar {};
    SIZE size {};
    const BoxOutcome outcome = runBox(box, args, [&](SkinMessageBox& b) {
        size = windowSize(b.openWindow());
        panels = controlRects(b, skin::kKindPanel);
        button = b.button(1).windowRect();
        buttonInBar = b.button(1).relativeRect();
        saveArtifact(L"msgbox-success.png", b.window().windowPicture(size.cx, size.cy));
        pressKey(b.openWindow(), VK_RETURN);
    });
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(size.cx, 321);
    EXPECT_EQ(size.cy, 150);
    ASSERT_EQ(panels.size(), 2u);
    EXPECT_EQ(panels[1].left, 1);
    EXPECT_EQ(panels[1].top, 110);
    EXPECT_EQ(panels[1].right - panels[1].left, 319);
    EXPECT_EQ(panels[1].bottom - panels[1].top, 39);
    EXPECT_EQ(buttonInBar.left, 229);
    EXPECT_EQ(buttonInBar.top, 9);
    EXPECT_EQ(button.left, 230);
    EXPECT_EQ(button.top, 119);
}

// The title's glow and the body's gradient meet without a seam: around the title no two
// neighbouring pixels differ by more than 30 in a channel, except at the glyphs.
TEST(SkinMessageBoxLook, TitleSitsOnTheBodyWithoutASeam)
{
    SkinMessageBox box;
    BoxArgs args = styled(MB_ICONQUESTION);
    args.message = L"KX启动修复成功";
    args.title = L"修复成功";
    int seams = -1;
    int compared = 0;
    runBox(box, args, [&](SkinMessageBox& b) {
        const Surface& surface = b.window().composedSurface();
        const auto nearGlyph = [&](int x, int y) {
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx) {
                    const std::uint32_t c = straightColour(surface.pixel(x + dx, y + dy));
                    if (std::min({ channelOf(c, 16), channelOf(c, 8), channelOf(c, 0) }) < 180)
                        return true;
                }
            return false;
        };
        // Inside the border lines, four pixels around the title.
        const RECT title = b.window().captionRectangle();
        seams = 0;
        for (int y = std::max(3L, title.top - 4); y < title.bottom + 4; ++y)
            for (int x = std::max(3L, title.left - 4); x < title.right + 4; ++x)
                for (const POINT next : { POINT { x + 1, y }, POINT { x, y + 1 } }) {
                    if (nearGlyph(x, y) || nearGlyph(next.x, next.y))
                        continue;
                    ++compared;
                    seams += pixelNear(surface.pixel(x, y), surface.pixel(next.x, next.y), 30) ? 0 : 1;
                }
        PostMessageW(b.openWindow(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(seams, 0);
    EXPECT_GT(compared, 500);
}

TEST(SkinMessageBoxLook, OpensCentredOnItsOwnerOrTheWorkAreaWithItsOpacityClamped)
{
    const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr,
        nullptr, GetModuleHandleW(nullptr), nullptr);
    RECT work {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    struct Row {
        HWND owner;
        int opacity;
        POINT expected;
        int shownOpacity;
    };
    const Row rows[] = {
        { owner, 250, { 139, 175 }, 250 },
        { nullptr, 300,
            { work.left + (work.right - work.left - 321) / 2, work.top + (work.bottom - work.top - 150) / 2 }, 255 },
    };
    SkinMessageBox box;
    for (const Row& row : rows) {
        BoxArgs args;
        args.owner = row.owner;
        args.opacity = row.opacity;
        RECT at {};
        HWND ownedBy = nullptr;
        int opacity = -1;
        runBox(box, args, [&](SkinMessageBox& b) {
            GetWindowRect(b.openWindow(), &at);
            ownedBy = GetWindow(b.openWindow(), GW_OWNER);
            opacity = b.window().opacity();
            PostMessageW(b.openWindow(), WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(at.left, row.expected.x);
        EXPECT_EQ(at.top, row.expected.y);
        EXPECT_EQ(ownedBy, row.owner);
        EXPECT_EQ(opacity, row.shownOpacity);
    }
    DestroyWindow(owner);
}

TEST(SkinMessageBoxLook, CloseButtonAtTheTopRight)
{
    SkinMessageBox box;
    std::vector<RECT> strips;
    runBox(box, styled(MB_ICONQUESTION), [&](SkinMessageBox& b) {
        strips = controlRects(b, skin::kKindCaptionButtons);
        PostMessageW(b.openWindow(), WM_CLOSE, 0, 0);
    });
    ASSERT_EQ(strips.size(), 1u);
    // One 42-pixel close button, flush with the right edge inside the 2-pixel border.
    EXPECT_EQ(strips[0].right, 321);
    EXPECT_EQ(strips[0].right - strips[0].left, 42);
    EXPECT_EQ(strips[0].top, 0);
}

TEST(SkinMessageBoxLook, LongTextsWidenTheBoxTo600AndTheMessageWrapsAt512)
{
    const std::wstring longMessage(200, L'修');
    const std::wstring wideCaption(25, L'选');
    ASSERT_GE(measureTextWidth(wideCaption, L"宋体", 12), 300);
    // Five lines or more at 512 pixels: taller than the smallest box.
    const int wrappedHeight = measureTextSize(longMessage, L"宋体", 14, 0, 512, 0).height;
    ASSERT_GT(wrappedHeight + 90, 150);
    struct Row {
        const wchar_t* artifact;
        std::wstring message;
        std::wstring checkText;
        SIZE expected;
    };
    const Row rows[] = {
        { L"msgbox-wrapped.png", longMessage, L"", { 600, wrappedHeight + 90 } },
        { nullptr, L"短", wideCaption, { 600, 150 } },
    };
    SkinMessageBox box;
    for (const Row& row : rows) {
        BoxArgs args = styled(MB_ICONINFORMATION | MB_OKCANCEL);
        args.message = row.message;
        args.checkBox = !row.checkText.empty();
        args.checkText = row.checkText;
        SIZE size {};
        runBox(box, args, [&](SkinMessageBox& b) {
            size = windowSize(b.openWindow());
            if (row.artifact)
                saveArtifact(row.artifact, b.window().windowPicture(size.cx, size.cy));
            pressKey(b.openWindow(), VK_ESCAPE);
        });
        EXPECT_EQ(size.cx, row.expected.cx);
        EXPECT_EQ(size.cy, row.expected.cy);
    }
}

// The three-button box with a check box, and the failure box: saved for the eye, each the
// size its layout gives and with its icon's disc where the layout puts it.
TEST(SkinMessageBoxLook, Pictures)
{
    SkinMessageBox box;
    BoxArgs failure = styled(MB_ICONEXCLAMATION);
    failure.message = L"KX启动修复失败！请重试！";
    failure.title = L"修复失败";
    BoxArgs three = styled(MB_YESNOCANCEL | MB_ICONQUESTION);
    three.message = L"是否保存对混音设置的更改？";
    three.checkBox = true;
    three.checkText = L"不再提示";
    three.checkInitial = 1;
    struct Look {
        const wchar_t* name;
        BoxArgs args;
        char disc;
    };
    const Look looks[] = { { L"msgbox-failure.png", failure, '!' }, { L"msgbox-three-buttons.png", three, '?' } };
    for (const auto& [name, args, disc] : looks) {
        SIZE size {};
        MessageBoxLayout layout;
        char shownDisc = 'x';
        runBox(box, args, [&](SkinMessageBox& b) {
            size = windowSize(b.openWindow());
            layout = b.layout();
            // On the disc left of the glyph, wherever the layout put the icon.
            if (layout.icon)
                shownDisc = discColour(composedPixel(b, layout.icon->left + 10, layout.icon->top + 28));
            saveArtifact(name, b.window().windowPicture(size.cx, size.cy));
            PostMessageW(b.openWindow(), WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(size.cx, layout.box.cx);
        EXPECT_EQ(size.cy, layout.box.cy);
        EXPECT_EQ(shownDisc, disc);
    }
}

TEST(SkinMessageBoxRun, CountdownCountsInTheTitleThenClosesWithoutAButton)
{
    std::vector<std::wstring> seen;
    titlesSeen = &seen;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &recordTitles, nullptr, GetCurrentThreadId());
    SkinMessageBox box;
    titledBox = &box;
    BoxArgs args;
    args.title = L"提示";
    args.countdown = 2;
    const DWORD start = GetTickCount();
    const BoxOutcome outcome = runBox(box, args, [](SkinMessageBox&) {}, 6000);
    const DWORD elapsed = GetTickCount() - start;
    UnhookWindowsHookEx(hook);
    titlesSeen = nullptr;
    titledBox = nullptr;
    EXPECT_EQ(seen, (std::vector<std::wstring> { L"提示【倒计时：2】", L"提示【倒计时：1】", L"提示【倒计时：0】" }));
    EXPECT_EQ(outcome.result, -1);
    EXPECT_FALSE(outcome.timedOut);
    EXPECT_GE(elapsed, 1900u);
}

TEST(SkinMessageBoxRun, ShowWhileOpenGivesMinusOneAlsoFromInsideAHandler)
{
    SkinMessageBox box;
    int fromTimer = 0;
    int fromHandler = 0;
    MessageBoxRequest another;
    another.message = L"再来一个";
    const BoxOutcome outcome = runBox(box, styled(MB_OKCANCEL), [&](SkinMessageBox& b) {
        fromTimer = b.show(another);
        // Wrap the OK button's click handler, so show runs inside it.
        ControlRecord* ok = b.window().record()->control(b.button(1).id());
        EventHandler original = ok->object->eventHandler(ElementEvent::Click);
        ok->object->setEventHandler(ElementEvent::Click, [&, original](const EventArgs& args) {
            fromHandler = b.show(another);
            return original(args);
        });
        clickAt(b.openWindow(), centreOf(b.button(1).windowRect()));
    });
    EXPECT_EQ(fromTimer, -1);
    EXPECT_EQ(fromHandler, -1);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_FALSE(box.isOpen());
}

TEST(SkinMessageBoxLifetime, HundredBoxesLeaveNothingBehind)
{
    const int objectsBefore = liveNativeObjects();
    const int windowsBefore = threadWindowCount();
    const int timersBefore = threadtimers::running();
    SkinMessageBox box;
    for (int round = 0; round < 100; ++round) {
        BoxArgs args = styled((round % 8) | (round % 2 ? MB_ICONQUESTION : MB_ICONINFORMATION));
        args.checkBox = round % 3 == 0;
        args.checkText = L"记住";
        args.countdown = round % 4 == 0 ? 30 : 0;
        const BoxOutcome outcome
            = runBox(box, args, [](SkinMessageBox& b) { clickAt(b.openWindow(), centreOf(b.button(1).windowRect())); });
        ASSERT_TRUE(outcome.driven && !outcome.timedOut) << round;
    }
    settle(100);
    EXPECT_EQ(liveNativeObjects(), objectsBefore);
    EXPECT_EQ(threadWindowCount(), windowsBefore);
    EXPECT_EQ(threadtimers::running(), timersBefore);
}
