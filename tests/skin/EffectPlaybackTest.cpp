#include <gtest/gtest.h>

#include "EffectTestSupport.h"
#include "TestSupport.h"
#include "drawing/LiveObjects.h"
#include "element/SkinConstants.h"
#include "imaging/Pictures.h"
#include "skin/EffectPlayer.h"
#include "skin/ShadowWindow.h"

namespace {

std::uint32_t alphaOf(std::uint32_t pixel)
{
    return pixel >> 24;
}

const PushedFrame* frameNumber(const std::vector<PushedFrame>& frames, int number)
{
    for (const PushedFrame& frame : frames)
        if (frame.number == number)
            return &frame;
    return nullptr;
}

// A window whose picture is red above its middle and blue below it, edge to edge.
WindowOptions halvesOptions(int hideEffect)
{
    WindowOptions options;
    options.x = 100;
    options.y = 50;
    options.width = 320;
    options.height = 150;
    options.drawTitle = false;
    options.backgroundImage = makePng(320, 150, [](int, int y) { return y < 75 ? 0xFFFF0000u : 0xFF0000FFu; });
    options.backgroundLayout = BackgroundLayout::Stretched;
    options.hideEffect = HideEffect(hideEffect);
    return options;
}

// Skips the effects' waits while it lives; the frames are still pushed.
struct SleepsSkipped {
    SleepsSkipped() { EffectPlayer::setSleepsSkipped(true); }
    ~SleepsSkipped() { EffectPlayer::setSleepsSkipped(false); }
};

}  // namespace

TEST(EffectPlayback, ZoomAndBounceFrameSixIsTheWholePictureOnePixelShort)
{
    FrameRecorder recorder;
    SkinWindow window;
    const HWND handle = openAndShow(window, boxOptions(3, 0));
    ASSERT_NE(handle, nullptr);
    ASSERT_EQ(recorder.frames.size(), 10u);
    const PushedFrame& six = recorder.frames[5];
    EXPECT_EQ(six.frame.rect, (EffectRect { 98, 48, 320, 149 }));
    EXPECT_EQ(six.frame.alpha, 150);
    const Surface& composed = window.composedSurface();
    // One column and one row fewer: the rounded corners stay clear, the white middle and
    // the grey border lines stay where they were.
    EXPECT_EQ(alphaOf(six.pixels.pixel(0, 0)), 0u);
    EXPECT_EQ(alphaOf(six.pixels.pixel(319, 148)), 0u);
    EXPECT_EQ(six.pixels.pixel(160, 100), composed.pixel(160, 100));
    EXPECT_EQ(six.pixels.pixel(160, 0), composed.pixel(160, 0));
    EXPECT_EQ(six.pixels.pixel(0, 75), composed.pixel(0, 75));
    // The last frame is the picture itself.
    const PushedFrame& last = recorder.frames.back();
    for (const POINT at : { POINT { 0, 0 }, POINT { 160, 75 }, POINT { 320, 149 }, POINT { 5, 140 } })
        EXPECT_EQ(last.pixels.pixel(at.x, at.y), composed.pixel(at.x, at.y)) << at.x << "," << at.y;
    DestroyWindow(handle);
}

TEST(EffectPlayback, FoldToTheMiddleSqueezesThePictureAndSkipsTheEmptyLastFrame)
{
    SkinWindow window;
    const HWND handle = openAndShow(window, halvesOptions(4));
    ASSERT_NE(handle, nullptr);
    FrameRecorder recorder;
    SendMessageW(handle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(handle));
    // dh = 15: frame 10 has no height left and is not pushed.
    ASSERT_EQ(recorder.frames.size(), 9u);
    EXPECT_EQ(recorder.frames.back().number, 9);
    const PushedFrame& five = recorder.frames[4];
    EXPECT_EQ(five.frame.rect, (EffectRect { 100, 85, 320, 75 }));
    EXPECT_EQ(five.frame.alpha, 130);
    // The two halves squeezed into half the height each, every column opaque.
    for (int x : { 0, 160, 319 }) {
        EXPECT_EQ(five.pixels.pixel(x, 2), 0xFFFF0000u) << x;
        EXPECT_EQ(five.pixels.pixel(x, 35), 0xFFFF0000u) << x;
        EXPECT_EQ(five.pixels.pixel(x, 39), 0xFF0000FFu) << x;
        EXPECT_EQ(five.pixels.pixel(x, 74), 0xFF0000FFu) << x;
    }
}

TEST(EffectPlayback, SwitchOffEndsInAWhiteBandUnderAShrinkingStreak)
{
    SkinWindow window;
    const HWND handle = openAndShow(window, halvesOptions(11));
    ASSERT_NE(handle, nullptr);
    FrameRecorder recorder;
    SendMessageW(handle, WM_CLOSE, 0, 0);
    ASSERT_EQ(recorder.frames.size(), 10u);
    struct Band {
        int number;
        int whiteAlpha;
        int streakLeft;
        int streakRight;
    };
    // 320 wide: the streak spans 320, 160 and 106 pixels about the middle.
    for (const Band& band : { Band { 8, 50, 0, 320 }, Band { 9, 30, 80, 240 }, Band { 10, 10, 107, 213 } }) {
        SCOPED_TRACE(band.number);
        const PushedFrame& frame = *frameNumber(recorder.frames, band.number);
        EXPECT_EQ(frame.frame.alpha, 255);
        // Above the streak: only the translucent white, premultiplied.
        const std::uint32_t white = frame.pixels.pixel(160, 0);
        EXPECT_NEAR(static_cast<int>(alphaOf(white)), band.whiteAlpha, 1);
        EXPECT_NEAR(static_cast<int>(white & 0xFF), band.whiteAlpha, 1);
        // The streak's brightest row lies inside the band, bright in the middle, absent
        // beyond its ends.
        const int top = static_cast<int>(frame.frame.streakTop);
        int brightest = 0;
        for (int y = top; y < std::min(top + 7, frame.frame.rect.height); ++y)
            brightest = std::max(brightest, static_cast<int>(alphaOf(frame.pixels.pixel(160, y))));
        EXPECT_GE(brightest, 180);
        if (band.streakLeft > 2) {
            for (int y = top; y < std::min(top + 7, frame.frame.rect.height); ++y)
                EXPECT_EQ(frame.pixels.pixel(band.streakLeft - 2, y), white) << y;
        }
    }
}

TEST(EffectPlayback, TheEffectsMovesAreNotTheWindowsOwnAndItEndsAtItsOwnSize)
{
    FrameRecorder recorder;
    SkinWindow window;
    int sizings = 0;
    int moves = 0;
    int elementResized = 0;
    window.setSizingCallback([&](HWND, int, int) { ++sizings; });
    window.setMovingCallback([&](HWND, int, int) { ++moves; });
    // Windows moves and sizes a layered window to each frame's rectangle, with the usual
    // messages (Wine's layered update sends none): do as Windows does.
    EffectPlayer::setFrameObserver([&](int, const EffectFrame& frame, const Surface&) {
        const EffectRect& r = frame.rect;
        SetWindowPos(window.handle(), nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
        elementResized += window.width() != 321 || window.height() != 150 ? 1 : 0;
    });
    WindowOptions options = boxOptions(1, 1);
    const HWND handle = window.createWindow(options);
    ASSERT_NE(handle, nullptr);
    const int sizingsBefore = sizings;
    const int movesBefore = moves;
    pumpUntil([handle] { return GetPropA(handle, skin::kPropFirstShowDone) != nullptr; });
    EXPECT_EQ(sizings, sizingsBefore);
    EXPECT_EQ(moves, movesBefore);
    EXPECT_EQ(elementResized, 0);
    EXPECT_EQ(window.composedSurface().width(), 321);
    EXPECT_EQ(window.composedSurface().height(), 150);
    RECT bounds {};
    GetWindowRect(handle, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 321);

    SendMessageW(handle, WM_CLOSE, 0, 0);
    EXPECT_EQ(sizings, sizingsBefore);
    EXPECT_EQ(elementResized, 0);
}

TEST(EffectPlayback, ANonLayeredWindowPlaysLayeredAndEndsPlainAndRepainted)
{
    FrameRecorder recorder;
    SkinWindow window;
    WindowOptions options = boxOptions(4, 0);
    options.layered = false;
    options.backgroundColour = RGB(0, 160, 0);
    const HWND handle = openAndShow(window, options);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(recorder.frames.size(), 10u);
    EXPECT_FALSE(GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(pumpUntil([handle] {
        RECT pending {};
        return !GetUpdateRect(handle, &pending, FALSE);
    }));
    // What the screen shows in the window's middle is its own fill again.
    HDC screen = GetDC(nullptr);
    const COLORREF middle = GetPixel(screen, 100 + 160, 50 + 100);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(middle, RGB(0, 160, 0));
    DestroyWindow(handle);
}

TEST(EffectPlayer, FramesWithoutAreaStillWaitAndThePictureStaysTheCallers)
{
    const int objectsBefore = liveNativeObjects();
    {
        Surface picture(40, 20);
        picture.setPixel(5, 5, 0xFF112233);
        WNDCLASSW windowClass {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"effectPlayerTarget";
        RegisterClassW(&windowClass);
        const HWND target = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP,
            0, 0, 40, 20, nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(target, nullptr);
        std::vector<int> pushed;
        EffectPlayer::setFrameObserver(
            [&](int number, const EffectFrame&, const Surface&) { pushed.push_back(number); });
        std::vector<EffectFrame> frames(4);
        frames[0].rect = { 0, 0, 0, 20 };
        frames[1].rect = { 0, 0, 40, 0 };
        frames[2].rect = { 0, 0, -3, 20 };
        frames[3].rect = { 0, 0, 40, 20 };
        for (EffectFrame& frame : frames)
            frame.sleepMs = 40;
        LARGE_INTEGER frequency, start, end;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        {
            EffectPlayer player(picture);
            player.play(target, frames);
        }
        QueryPerformanceCounter(&end);
        EffectPlayer::setFrameObserver(nullptr);
        EXPECT_EQ(pushed, std::vector<int> { 4 });
        EXPECT_GE((end.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart, 159);
        EXPECT_EQ(picture.pixel(5, 5), 0xFF112233u);
        DestroyWindow(target);
        UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
    }
    EXPECT_EQ(liveNativeObjects(), objectsBefore);
}

// A shrunk frame keeps the picture's brightness: each channel's mean stays within 3 of the
// picture's, where the default stretch mode loses 10 to 30 on the box's window.
TEST(EffectPlayer, ShrunkFramesKeepThePicturesBrightness)
{
    SkinWindow window;
    const HWND handle = openAndShow(window, boxOptions(0, 0));
    const Surface& picture = window.composedSurface();
    const auto mean = [](const Surface& surface, const EffectRect& area, int shift) {
        double sum = 0;
        for (int y = 0; y < area.height; ++y)
            for (int x = 0; x < area.width; ++x)
                sum += surface.pixel(x, y) >> shift & 0xFF;
        return sum / (area.width * area.height);
    };
    const EffectRect whole { 0, 0, picture.width(), picture.height() };
    EffectPlayer player(picture);
    for (const int percent : { 50, 30, 10 }) {
        EffectFrame frame;
        frame.rect = { 0, 0, picture.width() * percent / 100, picture.height() * percent / 100 };
        for (const int shift : { 0, 8, 16, 24 })
            EXPECT_NEAR(mean(player.drawFrame(frame), frame.rect, shift), mean(picture, whole, shift), 3.0) << percent;
    }
    DestroyWindow(handle);
}

TEST(EffectLifetime, HundredWindowsWithEveryEffectLeaveNothingBehind)
{
    SleepsSkipped skipped;
    NineGridImage frameImage;
    ASSERT_TRUE(frameImage.LoadStates(solidPng(40, 40, 0x60000000), std::nullopt, std::nullopt, std::nullopt, 10, 5));
    // The first window loads what the framework keeps for good (fonts, strips).
    {
        SkinWindow warmUp;
        SendMessageW(openAndShow(warmUp, boxOptions(1, 1)), WM_CLOSE, 0, 0);
    }
    const int objectsBefore = liveNativeObjects();
    const int windowsBefore = threadWindowCount();
    const int shadowRecordsBefore = ShadowWindow::recordCount();
    SkinWindow window;
    for (int i = 0; i < 100; ++i) {
        // Small and without a caption: what is counted here does not depend on the size.
        WindowOptions options = boxOptions(i % 10 + 1, i % 11 + 1);
        options.width = 60;
        options.height = 40;
        options.drawTitle = false;
        options.captionButtons = 0;
        // Every fourth window is not layered and casts a shadow.
        if (i % 4 == 3) {
            options.layered = false;
            options.frameImage = &frameImage;
        }
        const HWND handle = openAndShow(window, options);
        ASSERT_NE(handle, nullptr) << i;
        SendMessageW(handle, WM_CLOSE, 0, 0);
        ASSERT_FALSE(IsWindow(handle)) << i;
    }
    pumpUntil([] { return false; }, 50);
    EXPECT_EQ(liveNativeObjects(), objectsBefore);
    EXPECT_EQ(threadWindowCount(), windowsBefore);
    EXPECT_LE(ShadowWindow::recordCount(), shadowRecordsBefore + 1);
}

// With animations switched off the window comes and goes at once, whatever its effects.
TEST(EffectPlayback, NoneWhenTheUserSwitchedAnimationsOff)
{
    // Vista's settings, which the headers for XP do not name.
    constexpr UINT kGetAnimation = 0x1042, kSetAnimation = 0x1043;
    BOOL saved = TRUE;
    ASSERT_TRUE(SystemParametersInfoW(kGetAnimation, 0, &saved, 0));
    const auto setAnimations = [](BOOL on) {
        return SystemParametersInfoW(kSetAnimation, 0, reinterpret_cast<void*>(INT_PTR { on }), 0);
    };
    ASSERT_TRUE(setAnimations(FALSE));
    FrameRecorder recorder;
    SkinWindow window;
    const HWND handle = openAndShow(window, boxOptions(3, 2));
    const bool shown = handle && IsWindowVisible(handle);
    const size_t shownFrames = recorder.frames.size();
    if (handle)
        SendMessageW(handle, WM_CLOSE, 0, 0);
    setAnimations(saved);
    EXPECT_TRUE(shown);
    EXPECT_EQ(shownFrames, 0u);
    EXPECT_TRUE(recorder.frames.empty());
    EXPECT_FALSE(IsWindow(handle));
}
