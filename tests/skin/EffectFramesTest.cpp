#include <gtest/gtest.h>

#include <functional>

#include "skin/EffectFrames.h"
#include "skin/TurnProjection.h"

namespace {

// The message box's size at a place where no coordinate starts at 0.
constexpr EffectRect kWindow { 100, 50, 321, 150 };

struct FrameCase {
    int effect;
    int frame;
    EffectRect rect;
};

struct SleepCase {
    int effect;
    std::function<int(int frame)> sleepAfter;
};

}  // namespace

TEST(ShowEffectFrames, EveryEffectEndsExactlyOnTheWindowAfterFadingInBy25)
{
    for (int effect = 1; effect <= 10; ++effect) {
        SCOPED_TRACE(effect);
        const std::vector<EffectFrame> frames = showEffectFrames(kWindow, ShowEffect(effect));
        ASSERT_EQ(frames.size(), effect == 10 ? 20u : 10u);
        EXPECT_EQ(frames.back().rect, kWindow);
        EXPECT_EQ(frames.back().alpha, 255);
        EXPECT_EQ(frames.back().look, FrameLook::Stretched);
        for (int i = 1; effect != 10 && i < 10; ++i)
            EXPECT_EQ(frames[i - 1].alpha, 25 * i);
    }
    EXPECT_TRUE(showEffectFrames(kWindow, ShowEffect::None).empty());
    EXPECT_TRUE(showEffectFrames(kWindow, ShowEffect(11)).empty());
    EXPECT_EQ(showEffectMargin(ShowEffect::GrowAndSettle), 24);
    EXPECT_EQ(showEffectMargin(ShowEffect::GrowFromCentre), 0);
}

TEST(ShowEffectFrames, AnOmittedEffectFadesInPlace)
{
    const std::vector<EffectFrame> omitted = showEffectFrames(kWindow);
    ASSERT_EQ(omitted.size(), 10u);
    for (const EffectFrame& frame : omitted)
        EXPECT_EQ(frame.rect, kWindow);
    EXPECT_EQ(omitted[0].sleepMs, 4);
    EXPECT_EQ(omitted[9].sleepMs, 40);
}

TEST(ShowEffectFrames, StartAndStepOfEachMovement)
{
    // dw = 32, dh = 15; effects 1 and 3 start at 30 %: 96 × 45 at (212, 102).
    const FrameCase cases[] = {
        { 1, 1, { 201, 97, 118, 55 } },
        { 1, 2, { 190, 92, 140, 65 } },
        { 1, 9, { 113, 57, 294, 135 } },
        { 2, 5, kWindow },
        { 3, 1, { 193, 93, 133, 62 } },
        { 3, 5, { 117, 57, 281, 130 } },
        { 3, 6, { 98, 48, 320, 149 } },
        { 3, 7, { 101, 51, 314, 143 } },
        { 3, 9, { 107, 57, 302, 131 } },
        { 4, 1, { 100, 50, 32, 150 } },
        { 4, 9, { 100, 50, 288, 150 } },
        { 5, 1, { 389, 50, 32, 150 } },
        { 5, 9, { 133, 50, 288, 150 } },
        { 6, 1, { 100, 185, 321, 15 } },
        { 6, 9, { 100, 65, 321, 135 } },
        { 7, 1, { 100, 50, 321, 15 } },
        { 7, 9, { 100, 50, 321, 135 } },
        { 8, 1, { 100, 117, 321, 15 } },
        { 8, 2, { 100, 109, 321, 30 } },
        { 8, 9, { 100, 53, 321, 135 } },
        { 9, 1, { 244, 50, 32, 150 } },
        { 9, 9, { 116, 50, 288, 150 } },
    };
    for (const FrameCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "effect " << c.effect << " frame " << c.frame);
        const EffectFrame frame = showEffectFrames(kWindow, ShowEffect(c.effect))[c.frame - 1];
        EXPECT_EQ(frame.rect, c.rect) << frame.rect.x << "," << frame.rect.y << " " << frame.rect.width << "x"
                                      << frame.rect.height;
    }
}

TEST(ShowEffectFrames, SleepsAfterEachFrame)
{
    const SleepCase cases[] = {
        { 1, [](int i) { return 2 * i; } },
        { 2, [](int i) { return 4 * i; } },
        { 3, [](int i) { return 5 * i; } },
        { 4, [](int i) { return 2 * i; } },
        { 9, [](int i) { return 2 * i; } },
        { 10, [](int i) { return i; } },
    };
    for (const SleepCase& c : cases) {
        const std::vector<EffectFrame> frames = showEffectFrames(kWindow, ShowEffect(c.effect));
        for (std::size_t i = 0; i < frames.size(); ++i)
            EXPECT_EQ(frames[i].sleepMs, c.sleepAfter(static_cast<int>(i) + 1)) << c.effect << ":" << i + 1;
    }
}

TEST(HideEffectFrames, StepsFromTheWindowAndFadesOutBy25)
{
    const FrameCase cases[] = {
        { 1, 1, { 116, 57, 289, 135 } },
        { 1, 2, { 132, 64, 257, 120 } },
        { 1, 10, { 260, 120, 1, 0 } },
        { 3, 7, kWindow },
        { 4, 1, { 100, 57, 321, 135 } },
        { 4, 10, { 100, 120, 321, 0 } },
        { 5, 3, { 100, 50, 321, 105 } },
        { 6, 3, { 100, 95, 321, 105 } },
        { 7, 3, { 100, 50, 225, 150 } },
        { 8, 3, { 196, 50, 225, 150 } },
        { 9, 1, { 116, 50, 289, 150 } },
        { 9, 3, { 148, 50, 225, 150 } },
        { 11, 7, { 100, 99, 321, 45 } },
    };
    for (const FrameCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "effect " << c.effect << " frame " << c.frame);
        const std::vector<EffectFrame> frames = hideEffectFrames(kWindow, HideEffect(c.effect));
        ASSERT_EQ(frames.size(), 10u);
        const EffectFrame& frame = frames[c.frame - 1];
        EXPECT_EQ(frame.rect, c.rect) << frame.rect.x << "," << frame.rect.y << " " << frame.rect.width << "x"
                                      << frame.rect.height;
        if (c.frame <= 7) {
            EXPECT_EQ(frame.alpha, 255 - 25 * c.frame);
        }
    }
    EXPECT_EQ(hideEffectFrames(kWindow, HideEffect::FoldToMiddleRow)[0].look, FrameLook::Blended);
    EXPECT_EQ(hideEffectFrames(kWindow, HideEffect::RollUp)[0].look, FrameLook::Stretched);
    EXPECT_TRUE(hideEffectFrames(kWindow, HideEffect::None).empty());
    EXPECT_TRUE(hideEffectFrames(kWindow, HideEffect(12)).empty());
}

TEST(HideEffectFrames, SleepsAfterEachFrame)
{
    const SleepCase cases[] = {
        { 1, [](int i) { return 20 - i; } },
        { 2, [](int i) { return 30 - 2 * i; } },
        { 5, [](int i) { return 20 - i; } },
        { 10, [](int i) { return 21 - i; } },
        { 11, [](int i) { return i <= 7 ? 20 - i : 50 - i; } },
    };
    for (const SleepCase& c : cases) {
        const std::vector<EffectFrame> frames = hideEffectFrames(kWindow, HideEffect(c.effect));
        for (std::size_t i = 0; i < frames.size(); ++i)
            EXPECT_EQ(frames[i].sleepMs, c.sleepAfter(static_cast<int>(i) + 1)) << c.effect << ":" << i + 1;
    }
}

TEST(HideEffectFrames, FadingOutSpeedsUpAndEndsInvisible)
{
    const std::vector<EffectFrame> frames = hideEffectFrames(kWindow, HideEffect::FadeOut);
    const int delays[] = { 77, 71, 62, 50, 35, 17, 1, 1, 1, 1 };
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(frames[i].sleepMs, delays[i]) << i + 1;
        EXPECT_EQ(frames[i].alpha, i == 9 ? 0 : 230 - 25 * i) << i + 1;
    }
}

TEST(HideEffectFrames, PulseShrinksByTwoPercentAndGrowsBack)
{
    // d = 6, e = 3: the rectangle moves by half of them, truncated after each step.
    const EffectRect expected[] = { { 103, 51, 315, 147 }, { 106, 52, 309, 144 }, { 109, 53, 303, 141 },
        { 112, 54, 297, 138 }, { 115, 55, 291, 135 }, { 112, 53, 297, 138 }, { 109, 51, 303, 141 },
        { 106, 49, 309, 144 }, { 103, 47, 315, 147 }, { 100, 45, 321, 150 } };
    const std::vector<EffectFrame> frames = hideEffectFrames(kWindow, HideEffect::PulseAndFade);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(frames[i].rect, expected[i]) << i + 1;
}

TEST(HideEffectFrames, SwitchOffNarrowsTheBandAroundItsMiddleUnderAShrinkingStreak)
{
    const std::vector<EffectFrame> frames = hideEffectFrames(kWindow, HideEffect::SwitchOff);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(frames[i].look, FrameLook::Blended);
    struct Streak {
        EffectRect band;
        int white;
        int width;
        float left;
        float top;
    };
    const Streak expected[] = { { { 100, 106, 321, 30 }, 50, 321, 0.0f, 15.0f },
        { { 100, 111, 321, 20 }, 30, 160, 80.5f, 10.0f }, { { 100, 114, 321, 13 }, 10, 107, 107.0f, 6.5f } };
    for (int i = 0; i < 3; ++i) {
        const EffectFrame& frame = frames[7 + i];
        SCOPED_TRACE(8 + i);
        EXPECT_EQ(frame.look, FrameLook::Streak);
        EXPECT_EQ(frame.rect, expected[i].band);
        EXPECT_EQ(frame.alpha, 255);
        EXPECT_EQ(frame.whiteAlpha, expected[i].white);
        EXPECT_EQ(frame.streakWidth, expected[i].width);
        EXPECT_FLOAT_EQ(frame.streakLeft, expected[i].left);
        EXPECT_FLOAT_EQ(frame.streakTop, expected[i].top);
        // The streak's bright middle rows lie inside the band.
        EXPECT_LE(frame.streakTop + 4, frame.rect.height);
    }
}

TEST(TurnEffectFrames, TwentyAnglesThatTurnOnPastNinetyDegrees)
{
    const int showAngles[]
        = { 9, 18, 27, 36, 45, 54, 63, 72, 81, 90, 279, 288, 297, 306, 315, 324, 333, 342, 351, 360 };
    const int hideAngles[] = { 351, 342, 333, 324, 315, 306, 297, 288, 279, 90, 81, 72, 63, 54, 45, 36, 27, 18, 9, 0 };
    const std::vector<EffectFrame> show = showEffectFrames(kWindow, ShowEffect::Turn);
    const std::vector<EffectFrame> hide = hideEffectFrames(kWindow, HideEffect::Turn);
    ASSERT_EQ(show.size(), 20u);
    ASSERT_EQ(hide.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(show[i].angle, showAngles[i]) << i + 1;
        EXPECT_EQ(hide[i].angle, hideAngles[i]) << i + 1;
        EXPECT_EQ(hide[i].rect, kWindow);
        EXPECT_EQ(hide[i].look, FrameLook::Turned);
        EXPECT_EQ(show[i].look, i == 19 ? FrameLook::Stretched : FrameLook::Turned);
    }
}

TEST(TurnProjection, CornersFaceFrontOnBothSidesOfTheEdgeOnTurn)
{
    // Flat: 80 % of the frame, centred.
    const auto flat = turnedCorners(321, 150, 0);
    EXPECT_NEAR(flat[0].x, 32.1, 1e-9);
    EXPECT_NEAR(flat[0].y, 15.0, 1e-9);
    EXPECT_NEAR(flat[2].x, 288.9, 1e-9);
    EXPECT_NEAR(flat[2].y, 135.0, 1e-9);
    // Edge-on at 90°: no width left.
    const auto edge = turnedCorners(321, 150, 90);
    EXPECT_NEAR(edge[0].x, edge[1].x, 1e-9);

    // Before 90° the right edge has turned away and looks shorter; past it (81° then 279°)
    // the left edge has, and the picture still reads left to right, not mirrored.
    const auto before = turnedCorners(321, 150, 81);
    const auto after = turnedCorners(321, 150, turnAngle(11, true));
    const auto height = [](const std::array<TurnPoint, 4>& c, int top, int bottom) { return c[bottom].y - c[top].y; };
    EXPECT_LT(height(before, 1, 2), height(before, 0, 3));
    EXPECT_GT(height(after, 1, 2), height(after, 0, 3));
    EXPECT_LT(before[0].x, before[1].x);
    EXPECT_LT(after[0].x, after[1].x);
}

TEST(TurnProjection, TwoTrianglesCoverTheQuadrilateralWithoutASeam)
{
    // A 4 × 2 source of distinct opaque pixels onto an 8 × 4 target at twice its size.
    std::vector<std::uint32_t> sourcePixels(8);
    for (int i = 0; i < 8; ++i)
        sourcePixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 30);
    std::vector<std::uint32_t> targetPixels(10 * 6, 0);
    const PixelView source { sourcePixels.data(), 4, 2 };
    const PixelView target { targetPixels.data(), 10, 6 };
    mapPicture(target, source, { TurnPoint { 1, 1 }, TurnPoint { 9, 1 }, TurnPoint { 9, 5 }, TurnPoint { 1, 5 } });
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 1 && x < 9 && y >= 1 && y < 5;
            EXPECT_EQ(targetPixels[y * 10 + x] >> 24, inside ? 0xFFu : 0u) << x << "," << y;
        }
    // Pixel centres that fall on source pixel centres copy them.
    EXPECT_EQ(targetPixels[1 * 10 + 1], sourcePixels[0]);
    EXPECT_EQ(targetPixels[4 * 10 + 8], sourcePixels[7]);
    // Without area nothing is drawn.
    std::vector<std::uint32_t> untouched(10 * 6, 0);
    mapPicture({ untouched.data(), 10, 6 }, source,
        { TurnPoint { 5, 1 }, TurnPoint { 5, 1 }, TurnPoint { 5, 5 }, TurnPoint { 5, 5 } });
    for (std::uint32_t pixel : untouched)
        EXPECT_EQ(pixel, 0u);
}
