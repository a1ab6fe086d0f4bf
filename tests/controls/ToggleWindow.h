#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "controls/SkinToggle.h"
#include "core/ThreadTimers.h"
#include "element/ControlTestSupport.h"
#include "element/SkinConstants.h"
#include "skin/SkinWindow.h"

// A shown window to host toggles, and the pixel checks their tests share.
namespace toggletest {

struct Colour {
    int r = 0;
    int g = 0;
    int b = 0;
    int a = 0;
};

// The surfaces hold premultiplied pixels; the checks read straight colours.
inline Colour straight(std::uint32_t pixel)
{
    Colour colour;
    colour.a = static_cast<int>(pixel >> 24);
    if (colour.a == 0)
        return colour;
    colour.r = static_cast<int>(pixel >> 16 & 0xFF) * 255 / colour.a;
    colour.g = static_cast<int>(pixel >> 8 & 0xFF) * 255 / colour.a;
    colour.b = static_cast<int>(pixel & 0xFF) * 255 / colour.a;
    return colour;
}

inline Colour facePixel(const SkinToggle& toggle, int x, int y)
{
    const ControlRecord* own = toggle.record();
    return straight(own ? own->surface.pixel(x, y) : 0);
}

inline bool isRed(Colour c)
{
    return c.a > 150 && c.r > c.g + 60 && c.r > c.b + 60;
}

inline bool isGreen(Colour c)
{
    return c.a > 150 && c.g > c.r + 60 && c.g > c.b + 60;
}

inline bool isWhite(Colour c)
{
    return c.a > 200 && c.r > 200 && c.g > 200 && c.b > 200;
}

inline bool isGrey(Colour c)
{
    return c.a > 150 && std::max({ c.r, c.g, c.b }) - std::min({ c.r, c.g, c.b }) < 25 && c.r < 200;
}

inline bool closeTo(Colour c, COLORREF expected)
{
    return c.a > 240 && std::abs(c.r - GetRValue(expected)) <= 4 && std::abs(c.g - GetGValue(expected)) <= 4
        && std::abs(c.b - GetBValue(expected)) <= 4;
}

// The white pixels of a caption area and their mean column; -1 without any.
struct Ink {
    int count = 0;
    int meanX = -1;
};

inline Ink whiteInk(const SkinToggle& toggle, const RectF& area)
{
    Ink ink;
    long sum = 0;
    for (int y = static_cast<int>(area.Y); y < static_cast<int>(area.Y + area.Height); ++y)
        for (int x = static_cast<int>(area.X); x < static_cast<int>(area.X + area.Width); ++x)
            if (isWhite(facePixel(toggle, x, y))) {
                ++ink.count;
                sum += x;
            }
    if (ink.count > 0)
        ink.meanX = static_cast<int>(sum / ink.count);
    return ink;
}

// Every frame the check animation shows from now until it ends.
inline std::vector<int> framesUntilRest(const SkinToggle& toggle)
{
    std::vector<int> shown { toggle.animationFrame() };
    while (toggle.animating() && shown.size() < 8) {
        const int before = shown.back();
        if (!dispatchUntil([&] { return toggle.animationFrame() != before || !toggle.animating(); }, 5000))
            break;
        if (toggle.animationFrame() != before)
            shown.push_back(toggle.animationFrame());
    }
    return shown;
}

// A shown skinned window that cannot be dragged, so a press on its surface stays a press.
class ToggleWindow : public ::testing::Test {
protected:
    // Focus marks wait for the keyboard, whatever the machine's setting.
    KeyboardCuesSetting cues { false };
    SkinWindow window;
    HWND handle = nullptr;
    int timersBefore = 0;

    void SetUp() override
    {
        WindowOptions options;
        options.width = 360;
        options.height = 230;
        options.drawTitle = false;
        options.movable = false;
        options.backgroundColour = RGB(245, 245, 245);
        handle = window.createWindow(options);
        ASSERT_NE(handle, nullptr);
        pumpUntil([this] { return GetPropA(handle, skin::kPropFirstShowDone) != nullptr; }, 5000);
        timersBefore = threadtimers::running();
    }
    void TearDown() override { DestroyWindow(handle); }

    void moveTo(int x, int y, bool held)
    {
        SendMessageW(handle, WM_MOUSEMOVE, held ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    }
    void press(int x, int y)
    {
        moveTo(x, y, false);
        SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    void release(int x, int y)
    {
        moveTo(x, y, true);
        SendMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    void click(int x, int y)
    {
        press(x, y);
        release(x, y);
    }
    void waitForRest(const SkinToggle& toggle)
    {
        ASSERT_TRUE(dispatchUntil([&] { return !toggle.animating(); }, 5000));
    }
};

constexpr int kCheckBoxX = 10;
constexpr int kCheckBoxY = 10;

inline int createGlyphCheckBox(SkinToggle& box, HWND window, const std::wstring& caption = L"不再提示")
{
    CheckBoxOptions options;
    options.x = kCheckBoxX;
    options.y = kCheckBoxY;
    options.caption = caption;
    return box.createCheckBox(window, options);
}

// Sample points of the glyph cell: inside the box clear of any tick, and on the tick's elbow.
constexpr POINT kBoxFill { 3, 8 };
constexpr POINT kTickElbow { 5, 15 };
// The strip's box fills: plain, under the mouse, disabled.
constexpr COLORREF kPlainFill = RGB(255, 255, 255);
constexpr COLORREF kHotFill = RGB(229, 241, 251);
constexpr COLORREF kDisabledFill = RGB(236, 236, 236);

inline bool showsTick(const SkinToggle& box)
{
    const Colour elbow = facePixel(box, kTickElbow.x, kTickElbow.y);
    return elbow.a > 150 && elbow.r < 120 && elbow.b > 150;
}

} // namespace toggletest
