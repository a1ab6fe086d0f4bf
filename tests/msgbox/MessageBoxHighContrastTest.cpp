#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "BoxDriver.h"
#include "controls/SurfaceProbe.h"
#include "drawing/Colour.h"
#include "element/SkinConstants.h"
#include "imaging/Pictures.h"
#include "skin/DisplaySettings.h"

// Wine reports high contrast off and cannot switch it on, so these tests tell the query.
namespace {

void setScheme(const SystemColours& c)
{
    const INT ids[] = { COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_HIGHLIGHT,
        COLOR_HIGHLIGHTTEXT, COLOR_GRAYTEXT };
    const COLORREF colours[]
        = { c.window, c.windowText, c.buttonFace, c.buttonText, c.highlight, c.highlightText, c.grayText };
    SetSysColors(7, ids, colours);
}

int countPixels(const Surface& surface, const RECT& area, const std::function<bool(std::uint32_t)>& counted)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += counted(surface.pixel(x, y)) ? 1 : 0;
    return count;
}

} // namespace

// The success box opened in high contrast: the body in the window colour, the bar and the
// button in the button face with a one-pixel outline, the icon kept; the keyboard brings a
// focus ring in the button's text colour.
TEST(MessageBoxHighContrast, TheSuccessBoxOpensInTheSystemsColours)
{
    ASSERT_FALSE(highContrast()) << "the default looks are checked with high contrast off";
    overrideHighContrast(true);
    const SystemColours c = SystemColours::current();
    BoxArgs args;
    args.style = MB_ICONQUESTION;
    args.message = L"KX启动修复成功";
    args.title = L"修复成功";
    SkinMessageBox box;
    const BoxOutcome outcome = runBox(box, args, [&](SkinMessageBox& b) {
        const Surface& s = b.window().composedSurface();
        const RECT button = b.button(1).windowRect();
        EXPECT_EQ(s.pixel(300, 100), toArgb(c.window));
        EXPECT_EQ(s.pixel(20, 130), toArgb(c.buttonFace));
        EXPECT_EQ(s.pixel(button.left, button.top + 12), toArgb(c.buttonText));
        EXPECT_EQ(s.pixel(button.left + 2, button.top + 2), toArgb(c.buttonFace));
        // The question mark's orange disc.
        const std::uint32_t disc = straightColour(s.pixel(27, 67));
        EXPECT_TRUE(channelOf(disc, 16) > 200 && channelOf(disc, 0) < 100) << hexPixel(disc);
        const RECT ringRow { button.left + 3, button.top + 3, button.right - 3, button.top + 4 };
        const auto ring = [&](std::uint32_t pixel) { return pixel == toArgb(c.buttonText); };
        // The close button's cross is drawn in the button text colour from the start.
        EXPECT_GT(countPixels(s, controlRects(b, skin::kKindCaptionButtons).at(0), ring), 20);
        EXPECT_EQ(countPixels(s, ringRow, ring), 0);
        pressKey(b.openWindow(), VK_TAB);
        settle();
        EXPECT_GT(countPixels(s, ringRow, ring), 30);
        saveArtifact(L"msgbox-high-contrast.png", b.window().windowPicture(321, 150));
        pressKey(b.openWindow(), VK_RETURN);
    });
    overrideHighContrast(std::nullopt);
    EXPECT_EQ(outcome.result, 0);
}

// Switching high contrast on in a dark scheme while the box is open (the system's
// WM_SYSCOLORCHANGE) redraws it: message and title in the window's text colour without
// glow, the check box and the close button in the system's colours. Switching back gives
// every pixel of the skinned box back.
TEST(MessageBoxHighContrast, SwitchingWhileOpenRedrawsAndSwitchingBackRestoresEveryPixel)
{
    const SystemColours saved = SystemColours::current();
    const SystemColours dark { RGB(0, 0, 0), RGB(255, 255, 0), RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 128, 255),
        RGB(0, 0, 0), RGB(0, 255, 0) };
    BoxArgs args;
    args.style = MB_YESNOCANCEL | MB_ICONQUESTION;
    args.checkBox = true;
    args.checkText = L"不再提示";
    args.checkInitial = 1;
    std::vector<std::uint32_t> before;
    std::vector<std::uint32_t> after;
    SkinMessageBox box;
    runBox(box, args, [&](SkinMessageBox& b) {
        const Surface& s = b.window().composedSurface();
        const auto pixels = [&] { return std::vector<std::uint32_t>(s.bits(), s.bits() + s.width() * s.height()); };
        const auto switchTo = [&](bool on, const SystemColours& scheme) {
            setScheme(scheme);
            overrideHighContrast(on);
            SendMessageW(b.openWindow(), WM_SYSCOLORCHANGE, 0, 0);
            settle();
        };
        before = pixels();
        switchTo(true, dark);
        const auto text = [&](std::uint32_t pixel) { return opaqueMixOf(pixel, dark.window, dark.windowText); };
        EXPECT_EQ(countPixels(s, b.layout().message, std::not_fn(text)), 0);
        EXPECT_EQ(countPixels(s, b.window().captionRectangle(), std::not_fn(text)), 0);
        const RECT check = b.checkBox().windowRect();
        EXPECT_EQ(s.pixel(check.left, check.top + 12), toArgb(dark.windowText));
        EXPECT_EQ(s.pixel(check.left + 3, check.top + 13), toArgb(dark.windowText));
        const auto buttonText = [&](std::uint32_t pixel) { return pixel == toArgb(dark.buttonText); };
        EXPECT_GT(countPixels(s, controlRects(b, skin::kKindCaptionButtons).at(0), buttonText), 20);
        saveArtifact(L"msgbox-high-contrast-switched.png", b.window().windowPicture(s.width(), s.height()));
        switchTo(false, saved);
        after = pixels();
        pressKey(b.openWindow(), VK_ESCAPE);
    });
    overrideHighContrast(std::nullopt);
    ASSERT_FALSE(before.empty());
    EXPECT_TRUE(before == after);
}
