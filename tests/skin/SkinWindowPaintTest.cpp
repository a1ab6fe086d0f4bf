#include <gtest/gtest.h>

#include "TestControls.h"
#include "TestSupport.h"
#include "controls/SurfaceProbe.h"
#include "drawing/Bitmap.h"
#include "drawing/Image.h"
#include "element/SkinConstants.h"
#include "imaging/Pictures.h"
#include "skin/SkinWindow.h"

namespace {

std::uint32_t alphaOf(std::uint32_t pixel)
{
    return pixel >> 24;
}

// A shown layered window whose first paint has run, so its surface is composed.
struct ShownWindow {
    SkinWindow window;
    HWND handle = nullptr;

    explicit ShownWindow(WindowOptions options)
    {
        handle = window.createWindow(options);
        pumpUntil([this] { return GetPropA(handle, "Fc_Ckscxswc") != nullptr; }, 3000);
    }
    ~ShownWindow()
    {
        DestroyWindow(handle);
    }
    std::uint32_t pixel(int x, int y) const { return window.composedSurface().pixel(x, y); }
};

}  // namespace

TEST(SkinWindowPaint, BareLayeredWindowIsTransparentExceptItsCaption)
{
    WindowOptions options;
    options.width = 300;
    options.height = 120;
    options.title = L"KX启动修复成功";
    ShownWindow shown(options);
    ASSERT_TRUE(shown.window.composedSurface());
    const RECT caption = shown.window.captionRectangle();
    ASSERT_TRUE(shown.window.captionButtons().record());
    // The close button every window carries.
    const RECT buttons = shown.window.captionButtons().record()->rect;
    int captionInk = 0;
    int buttonInk = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 300; ++x) {
            const bool inCaption = x >= caption.left && x < caption.right + 2 && y >= caption.top - 3 &&
                y < caption.bottom + 3;
            const POINT point{x, y};
            const bool inButtons = PtInRect(&buttons, point) != FALSE;
            const std::uint32_t alpha = alphaOf(shown.pixel(x, y));
            if (!inCaption && !inButtons)
                ASSERT_EQ(alpha, 0u) << x << "," << y;
            else if (alpha > 0)
                ++(inButtons ? buttonInk : captionInk);
        }
    EXPECT_GT(captionInk, 100);
    EXPECT_GT(buttonInk, 20);
    saveArtifact(L"skin-window-bare.png", shown.window.windowPicture(300, 120));
}

TEST(SkinWindowPaint, ColourBorderAndRoundedCornersOnTheComposedSurface)
{
    WindowOptions options;
    options.width = 200;
    options.height = 100;
    options.backgroundColour = RGB(0, 0, 255);
    options.opacity = 128;
    options.border = true;
    options.borderColour = RGB(255, 0, 0);
    options.roundedBorder = true;
    options.drawTitle = false;
    ShownWindow shown(options);
    // Fill in the middle; the border lines over it leave it opaque.
    EXPECT_EQ(shown.pixel(100, 50), 0xFF0000FFu);
    EXPECT_EQ(alphaOf(shown.pixel(100, 0)), 255u);
    // Rounded corners stay transparent.
    for (const POINT corner : {POINT{0, 0}, POINT{199, 0}, POINT{0, 99}, POINT{199, 99}})
        EXPECT_EQ(alphaOf(shown.pixel(corner.x, corner.y)), 0u) << corner.x << "," << corner.y;
    // The third line is white at alpha 100 over blue.
    const std::uint32_t third = shown.pixel(100, 2);
    EXPECT_GT((third >> 16) & 0xFF, 80u);
    EXPECT_LT((third >> 16) & 0xFF, 120u);
    saveArtifact(L"skin-window-border.png", shown.window.windowPicture(200, 100));
}

TEST(SkinWindowPaint, BorderLineAlphasWithoutFill)
{
    WindowOptions options;
    options.width = 120;
    options.height = 80;
    options.border = true;
    options.borderColour = RGB(0, 255, 0);
    options.drawTitle = false;
    ShownWindow shown(options);
    // Outer line: border colour at 50; second: black 100 then border 150; third: white 100.
    const std::uint32_t outer = shown.pixel(60, 0);
    EXPECT_NEAR(static_cast<int>(alphaOf(outer)), 50, 2);
    EXPECT_NEAR(static_cast<int>((outer >> 8) & 0xFF), 50, 2);
    const std::uint32_t second = shown.pixel(60, 1);
    EXPECT_NEAR(static_cast<int>(alphaOf(second)), 150 + 100 * 105 / 255, 3);
    EXPECT_NEAR(static_cast<int>(alphaOf(shown.pixel(60, 2))), 100, 2);
    EXPECT_EQ(alphaOf(shown.pixel(60, 40)), 0u);
}

TEST(SkinWindowPaint, BackgroundPictureLayoutsAndOpacity)
{
    const ByteArray picture = solidPng(20, 10, 0xFFFF0000);
    struct Case {
        int layout;
        POINT inside;
        POINT outside;
    };
    const Case cases[] = {
        {0, {5, 5}, {30, 5}},
        {1, {95, 5}, {60, 5}},
        {2, {50, 40}, {5, 5}},
        {3, {99, 79}, {-1, -1}},
    };
    for (const Case& c : cases) {
        WindowOptions options;
        options.width = 100;
        options.height = 80;
        options.backgroundImage = picture;
        options.backgroundLayout = BackgroundLayout(c.layout);
        options.opacity = 128;
        options.drawTitle = false;
        ShownWindow shown(options);
        EXPECT_NEAR(static_cast<int>(alphaOf(shown.pixel(c.inside.x, c.inside.y))), 128, 2) << c.layout;
        if (c.outside.x >= 0) {
            EXPECT_EQ(alphaOf(shown.pixel(c.outside.x, c.outside.y)), 0u) << c.layout;
        }
    }
}

TEST(SkinWindowPaint, ControlsAreComposedAtTheirRectangles)
{
    WindowOptions options;
    options.width = 200;
    options.height = 100;
    options.drawTitle = false;
    ShownWindow shown(options);
    TestTile tile(RGB(0, 200, 0));
    tile.create(shown.handle, 50, 40, 30, 20, true);
    shown.window.compose(true);
    EXPECT_EQ(shown.pixel(50, 40), opaquePixel(RGB(0, 200, 0)));
    EXPECT_EQ(shown.pixel(79, 59), opaquePixel(RGB(0, 200, 0)));
    EXPECT_EQ(alphaOf(shown.pixel(80, 60)), 0u);
    EXPECT_TRUE(shown.window.isOpaqueAt(60, 50));
    EXPECT_FALSE(shown.window.isOpaqueAt(10, 90));
}

TEST(SkinWindowPaint, CrossFadeTakesTenTicks)
{
    WindowOptions options;
    options.width = 60;
    options.height = 40;
    options.backgroundColour = RGB(255, 0, 0);
    options.drawTitle = false;
    ShownWindow shown(options);
    BackgroundChange change;
    change.colour = RGB(0, 0, 255);
    // Long enough that only the ticks sent here step the fade.
    change.fadeIntervalMs = 60000;
    shown.window.setBackground(change);
    EXPECT_EQ(GetPropA(shown.handle, "Fc_Bjjbz"), reinterpret_cast<HANDLE>(1));
    for (int tick = 1; tick <= 9; ++tick) {
        SendMessageW(shown.handle, WM_TIMER, skin::kFadeTimerId, 0);
        const int alpha = 25 * tick;
        const std::uint32_t pixel = shown.pixel(30, 20);
        EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(shown.handle, "Fc_Jbtmd")), alpha);
        EXPECT_NEAR(static_cast<int>(pixel & 0xFF), alpha, 2) << tick;
        EXPECT_NEAR(static_cast<int>((pixel >> 16) & 0xFF), 255 - alpha, 2) << tick;
    }
    SendMessageW(shown.handle, WM_TIMER, skin::kFadeTimerId, 0);
    EXPECT_EQ(shown.pixel(30, 20), 0xFF0000FFu);
    EXPECT_EQ(GetPropA(shown.handle, "Fc_Bjjbz"), nullptr);
    EXPECT_EQ(GetPropA(shown.handle, "Fc_Jbcj"), nullptr);
}

TEST(SkinWindowCaption, LayoutFollowsIconFontAndWidth)
{
    WindowOptions options;
    options.width = 300;
    options.height = 100;
    options.title = L"KX启动修复成功";
    SkinWindow plain;
    const HWND first = plain.createWindow(options);
    const RECT without = plain.captionRectangle();
    EXPECT_EQ(without.left, 6);
    EXPECT_EQ(without.top, 6);
    EXPECT_EQ(without.bottom, 6 + 13 + 3);
    EXPECT_GT(without.right, without.left + 50);

    options.iconImage = solidPng(16, 16, 0xFF00FF00);
    options.title = std::wstring(80, L'长');
    SkinWindow withIcon;
    const HWND second = withIcon.createWindow(options);
    const RECT capped = withIcon.captionRectangle();
    EXPECT_EQ(capped.left, 26);
    EXPECT_EQ(capped.right, 200);
    pumpUntil([&] { return GetPropA(second, "Fc_Ckscxswc") != nullptr; }, 3000);
    // The icon is drawn 17 × 17 at x = 3.
    EXPECT_EQ(withIcon.composedSurface().pixel(10, (capped.top + capped.bottom) / 2), 0xFF00FF00u);
    DestroyWindow(first);
    DestroyWindow(second);
}

TEST(SkinWindowCaption, TextChangeRedrawsTheCaption)
{
    WindowOptions options;
    options.width = 300;
    options.height = 80;
    options.title = L"短";
    ShownWindow shown(options);
    const LONG before = shown.window.captionRectangle().right;
    shown.window.setText(L"一个长得多的标题");
    EXPECT_GT(shown.window.captionRectangle().right, before);
    int ink = 0;
    for (int x = before + 5; x < shown.window.captionRectangle().right; ++x)
        for (int y = 0; y < 30; ++y)
            ink += alphaOf(shown.pixel(x, y)) > 0;
    EXPECT_GT(ink, 20);
}

// The caption shows over what the background and the controls put under it, and follows a
// control that changes; over a control that looks like the background nothing changes.
TEST(SkinWindowCaption, ShowsOverTheControlsUnderIt)
{
    const COLORREF colours[] = { RGB(255, 0, 255), RGB(0, 160, 0), RGB(0, 0, 200) };
    WindowOptions options;
    options.width = 200;
    options.height = 60;
    options.backgroundColour = colours[0];
    options.title = L"标题";
    ShownWindow bare(options);
    ShownWindow covered(options);
    const auto captionPixelsLike = [&](COLORREF colour) {
        const RECT r = covered.window.captionRectangle();
        int like = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                like += pixelNear(covered.pixel(x, y), opaquePixel(colour), 40) ? 1 : 0;
        return like;
    };
    // The tile leaves the close button alone.
    TestTile tile(colours[0]);
    tile.create(covered.handle, 0, 0, 120, 40, false);
    covered.window.compose();
    bare.window.compose();
    EXPECT_TRUE(covered.window.composedSurface().hasSamePixels(bare.window.composedSurface()));
    for (int i = 1; i < 3; ++i) {
        tile.setColour(colours[i]);
        tile.redraw(skin::RedrawReason::Present);
        EXPECT_EQ(captionPixelsLike(colours[i - 1]), 0);
        EXPECT_GT(captionPixelsLike(colours[i]), 0);
    }
}

TEST(SkinWindowPaint, WindowPictureIsAScaledPng)
{
    WindowOptions options;
    options.width = 100;
    options.height = 60;
    options.backgroundColour = RGB(10, 200, 30);
    options.drawTitle = false;
    ShownWindow shown(options);
    const ByteArray picture = shown.window.windowPicture(50, 30);
    Bitmap decoded;
    ASSERT_TRUE(decoded.LoadFromBytes(picture));
    EXPECT_EQ(decoded.GetWidth(), 50);
    EXPECT_EQ(decoded.GetHeight(), 30);
    EXPECT_EQ(decoded.GetPixel(25, 15), 0xFF0AC81Eu);
}
