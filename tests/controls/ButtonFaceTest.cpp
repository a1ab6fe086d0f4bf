#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "FaceTestSupport.h"
#include "controls/ButtonFace.h"
#include "drawing/Graphics.h"
#include "imaging/Pictures.h"

namespace {

constexpr int kWidth = 60;
constexpr int kHeight = 25;

ButtonFace face(FaceStyle style, const std::wstring& caption = L"")
{
    ButtonFace f;
    f.rect = { 0, 0, kWidth, kHeight };
    f.style = style;
    f.caption = caption;
    f.colour = RGB(0, 120, 215);
    f.secondColour = f.colour;
    f.underlineOnHot = true;
    if (style == FaceStyle::Plain) {
        f.plainFace = true;
        f.icon = solidPng(12, 12, 0xFF00A000);
    }
    if (style == FaceStyle::Images) {
        f.normalImage = solidPng(10, 10, 0xFFFF0000);
        f.hotImage = solidPng(10, 10, 0xFF00FF00);
        f.pressedImage = solidPng(10, 10, 0xFF0000FF);
        f.disabledImage = solidPng(10, 10, 0xFFFFFF00);
    }
    return f;
}

struct State {
    bool hot = false;
    bool pressed = false;
    bool disabled = false;
    bool checked = false;
};

ButtonFace inState(ButtonFace f, State s)
{
    f.hot = s.hot;
    f.pressed = s.pressed;
    f.disabled = s.disabled;
    f.checked = s.checked;
    return f;
}

} // namespace

TEST(ButtonFacePainting, EachStyleShowsEveryStateDifferently)
{
    const State states[] = { {}, { true }, { false, true }, { false, false, true }, { false, false, false, true } };
    for (FaceStyle style : { FaceStyle::Colour, FaceStyle::Plain, FaceStyle::Images }) {
        std::vector<Surface> looks;
        for (const State& s : states)
            looks.push_back(paintFace(inState(face(style, L"确定"), s), kWidth, kHeight));
        // Only the colour style marks a checked face apart; the others show it as hot.
        const std::size_t distinct = style == FaceStyle::Colour ? 5 : 4;
        for (std::size_t a = 0; a < distinct; ++a)
            for (std::size_t b = a + 1; b < distinct; ++b)
                EXPECT_FALSE(samePixels(looks[a], looks[b])) << static_cast<int>(style) << ": " << a << " vs " << b;
        if (style != FaceStyle::Colour) {
            EXPECT_TRUE(samePixels(looks[1], looks[4])) << static_cast<int>(style);
        }
    }
    // The normal colour face: a black outline at 100 on the top row, nothing else drawn there.
    const Surface normal = paintFace(face(FaceStyle::Colour), kWidth, kHeight);
    EXPECT_EQ(normal.pixel(kWidth / 2, 0), 0x64000000u);
    EXPECT_EQ(alphaOf(normal.pixel(kWidth - 1, kHeight - 1)), 0u);
    // A checked face draws the outline again in its colour (100 over black 100), then the
    // hot look's outer outline in black 20 and the accent 20: alpha 100, 161, 168, 175.
    const Surface checked = paintFace(inState(face(FaceStyle::Colour), { false, false, false, true }), kWidth, kHeight);
    EXPECT_NEAR(static_cast<int>(alphaOf(checked.pixel(kWidth / 2, 0))), 175, 2);
    EXPECT_GT(channelOf(checked.pixel(kWidth / 2, 0), 2), 50);
}

TEST(ButtonFacePainting, ImageStylePicksThePictureByStateAtItsOwnSize)
{
    struct Case {
        State state;
        bool checkedPressed;
        std::uint32_t expected;
    };
    const Case cases[] = {
        { {}, false, 0xFFFF0000 },
        { { false, false, false, true }, false, 0xFF00FF00 },
        { { false, false, false, true }, true, 0xFF0000FF },
        { { true, true, true }, false, 0xFFFFFF00 },
    };
    for (const Case& c : cases) {
        ButtonFace f = inState(face(FaceStyle::Images), c.state);
        f.checkedPressed = c.checkedPressed;
        const Surface s = paintFace(f, kWidth, kHeight);
        EXPECT_EQ(s.pixel(5, 5), c.expected) << c.state.hot << c.state.pressed << c.state.disabled << c.state.checked;
        EXPECT_EQ(s.pixel(15, 15), 0u);
    }
    // With no pictures only the caption is drawn, and only when asked for.
    ButtonFace empty = face(FaceStyle::Images, L"确定");
    empty.normalImage.clear();
    EXPECT_TRUE(samePixels(paintFace(empty, kWidth, kHeight), Surface(kWidth, kHeight)));
    empty.captionOnImage = true;
    empty.textColour = RGB(255, 0, 0);
    EXPECT_GT(leaningPixels(paintFace(empty, kWidth, kHeight), 0), 5);
}

TEST(ButtonFacePainting, DisabledFaceIgnoresHotAndPressed)
{
    for (FaceStyle style : { FaceStyle::Colour, FaceStyle::Plain, FaceStyle::Images }) {
        const Surface disabled = paintFace(inState(face(style, L"确定"), { false, false, true }), kWidth, kHeight);
        for (State s : { State { true, false, true }, State { false, true, true }, State { true, true, true } })
            EXPECT_TRUE(samePixels(disabled, paintFace(inState(face(style, L"确定"), s), kWidth, kHeight)))
                << static_cast<int>(style) << " hot " << s.hot << " pressed " << s.pressed;
    }
}

// Alone, a disabled caption takes the disabled text colour; beside an icon it keeps the text
// colour, and the disabled icon shows the state.
TEST(ButtonFacePainting, ADisabledCaptionGreysOnlyWithoutAnIcon)
{
    for (const auto& [icon, disabled, ink] : { std::tuple { true, false, 0 }, { true, true, 0 }, { false, true, 1 } }) {
        ButtonFace f = inState(face(FaceStyle::Colour, L"确定确定"), { false, false, disabled });
        f.rect = { 0, 0, 80, kHeight };
        f.textColour = RGB(255, 0, 0);
        f.disabledTextColour = RGB(0, 200, 0);
        f.icon = icon ? solidPng(8, 8, 0xFF0000FF) : ByteArray {};
        const Surface s = paintFace(f, 80, kHeight);
        EXPECT_GT(leaningPixels(s, ink), 5) << icon << disabled;
        EXPECT_EQ(leaningPixels(s, 1 - ink), 0) << icon << disabled;
    }
}

TEST(ButtonFacePainting, WhiteSecondColourSuppressesTheAccentOutline)
{
    for (bool pressed : { false, true }) {
        ButtonFace plain = inState(face(FaceStyle::Colour), { !pressed, pressed });
        plain.colour = RGB(255, 0, 0);
        ButtonFace accented = plain;
        plain.secondColour = 0xFFFFFF;
        accented.secondColour = 0xFEFEFE;
        const Surface without = paintFace(plain, kWidth, kHeight);
        const Surface with = paintFace(accented, kWidth, kHeight);
        // The hot look's outer outline (row 0) and the pressed look's inner one (row 1).
        const int row = pressed ? 1 : 0;
        EXPECT_NE(without.pixel(kWidth / 2, row), with.pixel(kWidth / 2, row)) << "pressed " << pressed;
        if (!pressed)
            EXPECT_EQ(without.pixel(kWidth / 2, 0), 0x14000000u);
        else
            EXPECT_EQ(without.pixel(kWidth / 2, kHeight / 2), with.pixel(kWidth / 2, kHeight / 2));
    }
}

TEST(ButtonFacePainting, IconsShrinkToTheFaceAndSquaresStaySquare)
{
    ButtonFace square = face(FaceStyle::Plain);
    square.plainFace = false;
    square.icon = solidPng(40, 40, 0xFFFF0000);
    square.rect = { 0, 0, 20, 20 };
    Surface s = paintFace(square, 30, 30);
    // Shrunk to 20 x 20 and drawn one pixel larger.
    for (const POINT p : { POINT { 1, 1 }, POINT { 18, 18 }, POINT { 10, 19 } })
        EXPECT_EQ(s.pixel(p.x, p.y), 0xFFFF0000u) << p.x << "," << p.y;
    EXPECT_EQ(alphaOf(s.pixel(22, 10)), 0u);
    EXPECT_EQ(alphaOf(s.pixel(10, 22)), 0u);

    ButtonFace wide = square;
    wide.icon = solidPng(40, 10, 0xFFFF0000);
    wide.rect = { 0, 0, 20, 30 };
    s = paintFace(wide, 30, 40);
    EXPECT_EQ(s.pixel(10, 15), 0xFFFF0000u);
    EXPECT_EQ(alphaOf(s.pixel(10, 8)), 0u);
    EXPECT_EQ(alphaOf(s.pixel(10, 23)), 0u);
}

TEST(ButtonFacePainting, ClipIsSetAndResetUnlessKept)
{
    Surface surface(kWidth, kHeight);
    Graphics graphics;
    ASSERT_TRUE(graphics.CreateFromHDC(surface.dc()));
    graphics.SetClipRectI(0, 0, 10, 10);
    ButtonFace kept = face(FaceStyle::Colour);
    kept.keepClip = true;
    RECT reported { -1, -1, -1, -1 };
    paintButtonFace(graphics, kept, &reported);
    const flat::GpRect bounds = graphics.GetClipBoundsI();
    EXPECT_EQ(bounds.Width, 10);
    EXPECT_EQ(bounds.Height, 10);
    EXPECT_EQ(reported.left, -1);
    graphics.Flush();
    GdiFlush();
    EXPECT_GT(alphaOf(surface.pixel(5, 0)), 0u);
    EXPECT_EQ(alphaOf(surface.pixel(30, 0)), 0u);

    graphics.ResetClip();
    ButtonFace moved = face(FaceStyle::Colour);
    moved.rect = { 5, 3, 25, 13 };
    paintButtonFace(graphics, moved, &reported);
    EXPECT_EQ(reported.left, 5);
    EXPECT_EQ(reported.top, 3);
    EXPECT_EQ(reported.right, 26);
    EXPECT_EQ(reported.bottom, 14);
    EXPECT_GT(graphics.GetClipBoundsI().Width, 1000);
}

TEST(ButtonFacePainting, PlainCaptionTurnsBlueWhenHot)
{
    ButtonFace link = face(FaceStyle::Plain, L"帮助");
    link.icon.clear();
    link.size = 16;
    const Surface normal = paintFace(link, kWidth, kHeight);
    const Surface hot = paintFace(inState(link, { true }), kWidth, kHeight);
    EXPECT_GT(std::count_if(normal.bits(), normal.bits() + kWidth * kHeight, [](auto p) { return p != 0; }), 20);
    EXPECT_EQ(leaningPixels(normal, 2), 0);
    EXPECT_GT(leaningPixels(hot, 2), 20);
}
