#include <gtest/gtest.h>

#include <vector>

#include "controls/ToggleGeometry.h"

namespace {

void expectRect(const RectF& actual, float x, float y, float width, float height)
{
    EXPECT_FLOAT_EQ(actual.X, x);
    EXPECT_FLOAT_EQ(actual.Y, y);
    EXPECT_FLOAT_EQ(actual.Width, width);
    EXPECT_FLOAT_EQ(actual.Height, height);
}

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::vector<int> playAnimation(bool checking)
{
    std::vector<int> shown { checking ? kCheckingFirstFrame : kUncheckingFirstFrame };
    for (AnimationStep step { shown.back(), false }; !step.last && shown.size() < 10;) {
        step = nextAnimationFrame(checking, shown.back());
        shown.push_back(step.frame);
    }
    return shown;
}

} // namespace

TEST(ToggleGeometry, GlyphFramesAtRestAndWhileAnimating)
{
    struct Case {
        GlyphState state;
        GlyphFrames expected;
    };
    const Case cases[] = {
        { { false, false, false, false, 0 }, { glyph::kBox, glyph::kNone, 1.0f } },
        { { false, false, true, false, 0 }, { glyph::kBox, glyph::kTick, 1.0f } },
        { { false, true, false, false, 0 }, { glyph::kHotBox, glyph::kNone, 1.0f } },
        { { false, true, true, false, 0 }, { glyph::kHotBox, glyph::kTick, 1.0f } },
        { { true, true, true, false, 0 }, { glyph::kDisabledBox, glyph::kTick, 1.0f } },
        { { true, false, false, false, 0 }, { glyph::kDisabledBox, glyph::kNone, 1.0f } },
        // While animating the plain box shows whatever the mouse does.
        { { false, true, true, true, glyph::kSmallTick }, { glyph::kBox, glyph::kSmallTick, 0.6f } },
        { { false, true, false, true, glyph::kSmallTick }, { glyph::kBox, glyph::kSmallTick, 0.5f } },
        { { false, false, true, true, glyph::kBigTick }, { glyph::kBox, glyph::kBigTick, 1.0f } },
        { { false, false, false, true, glyph::kNone }, { glyph::kBox, glyph::kNone, 1.0f } },
    };
    for (const Case& c : cases) {
        const GlyphFrames frames = glyphFrames(c.state);
        EXPECT_TRUE(frames == c.expected)
            << "disabled " << c.state.disabled << " hot " << c.state.hot << " checked " << c.state.checked << " frame "
            << c.state.frame << ": got " << frames.box << "/" << frames.mark << "/" << frames.markScale;
    }
}

TEST(ToggleGeometry, CheckAnimationSequences)
{
    EXPECT_EQ(playAnimation(true), (std::vector<int> { 4, 3, 1, 3 }));
    EXPECT_EQ(playAnimation(false), (std::vector<int> { 1, 3, 4, 0 }));
    // Three ticks of 50 ms each: a second click within 150 ms lands in a running animation.
    EXPECT_EQ(kCheckAnimationIntervalMs * (playAnimation(true).size() - 1), 150u);
}

TEST(ToggleGeometry, GlyphAndCaptionPlacement)
{
    const RECT face { 0, 0, 80, 25 };
    expectRect(glyphRect(face, 21, 16), -1, 4, 21, 16);
    // Shrunk to 60 % and centred in its cell and in the height.
    expectRect(glyphRect(face, 21, 16, 0.6f), -1 + 4.2f, 7.7f, 12.6f, 9.6f);
    expectRect(glyphRect(RECT { 10, 20, 90, 40 }, 21, 16, 0.5f), 9 + 5.25f, 26.0f, 10.5f, 8.0f);
    expectRect(glyphCaptionRect(RECT { 5, 3, 85, 28 }, true), 23, 3, 80, 26);
    expectRect(glyphCaptionRect(RECT { 5, 3, 85, 28 }, false), 23, 5, 80, 26);
}

TEST(ToggleGeometry, SwitchTrackKnobAndCaption)
{
    struct Case {
        int width;
        int height;
        bool on;
        RECT knob;
        RectF caption;
    };
    const Case cases[] = {
        { 65, 26, false, { 39, 0, 65, 26 }, { 5, 5, 39, 18 } },
        { 65, 26, true, { 0, 0, 26, 26 }, { 26, 5, 29, 18 } },
        { 100, 30, false, { 70, 0, 100, 30 }, { 5, 5, 70, 22 } },
        { 100, 30, true, { 0, 0, 30, 30 }, { 30, 5, 60, 22 } },
    };
    for (const Case& c : cases) {
        const SwitchLayout layout = switchLayout(c.width, c.height, c.on);
        EXPECT_TRUE(layout.track == (RECT { 5, 4, c.width - 5, c.height - 4 }));
        EXPECT_TRUE(layout.knob == c.knob) << c.width << " on " << c.on;
        expectRect(
            switchCaptionRect(layout, c.width, c.on), c.caption.X, c.caption.Y, c.caption.Width, c.caption.Height);
    }
}

TEST(ToggleGeometry, TickTint)
{
    struct Case {
        std::uint32_t pixel;
        std::uint32_t expected;
    };
    const Case cases[] = {
        // White stays white, whether opaque or clear.
        { 0xFFFFFFFF, 0xFFFFFFFF },
        { 0x00FFFFFF, 0x00FFFFFF },
        // Black is fully opaque and stays black; grey takes the accent's share.
        { 0xFF000000, 0xFF000000 },
        { 0xFF808080, 0x7F6E6511 },
        // The stored alpha scales the opacity, so edges stay soft.
        { 0x80000000, 0x80000000 },
        { 0x00000000, 0x00000000 },
    };
    // Accent RGB(221, 202, 34) here, so each channel is easy to follow.
    const COLORREF accent = RGB(221, 202, 34);
    for (const Case& c : cases)
        EXPECT_EQ(tintTickPixel(c.pixel, accent), c.expected) << std::hex << c.pixel;
    // The program's own accent is RGB(34, 202, 221).
    EXPECT_EQ(GetRValue(kIndicatorAccent), 34);
    EXPECT_EQ(tintTickPixel(0xFF202020, kIndicatorAccent), 0xDF04191Bu);
}
