#include <gtest/gtest.h>

#include <windows.h>

#include "controls/ToggleWindow.h"
#include "imaging/Pictures.h"

using namespace toggletest;

TEST_F(ToggleWindow, ImageTogglePicturesFollowTheValue)
{
    SkinToggle pictures;
    ASSERT_GT(createGlyphCheckBox(pictures, handle, L""), 0);
    const ByteArray red = solidPng(10, 10, 0xFFFF0000);
    const ByteArray green = solidPng(10, 10, 0xFF00FF00);
    const ByteArray blue = solidPng(10, 10, 0xFF0000FF);
    // Half-transparent, so the normal picture under it shows through.
    const ByteArray pressed = solidPng(10, 10, 0x800000FF);
    pictures.setToggleImages({ green, blue, {}, {} }, { red, {}, pressed, {} }, true);
    struct Case {
        int value;
        bool disabled;
        skin::RedrawReason reason;
        bool (*expected)(Colour);
    };
    const Case cases[] = {
        { 0, false, skin::RedrawReason::Present, isRed },
        { 1, false, skin::RedrawReason::Present, isGreen },
        { 1, false, skin::RedrawReason::Hot, [](Colour c) { return c.a > 150 && c.b > c.r + 60 && c.b > c.g + 60; } },
        // Omitted pictures take the normal one of their value.
        { 0, false, skin::RedrawReason::Hot, isRed },
        { 0, false, skin::RedrawReason::Pressed, [](Colour c) { return c.a > 200 && c.r > 80 && c.b > 80; } },
        { 1, true, skin::RedrawReason::Present, isGreen },
    };
    for (const Case& c : cases) {
        pictures.setDisabled(c.disabled);
        pictures.setValue(c.value);
        EXPECT_FALSE(pictures.animating());
        pictures.redraw(c.reason);
        pictures.completeTransitions();
        // Drawn from the face's left edge, centred vertically.
        EXPECT_TRUE(c.expected(facePixel(pictures, 0, 8))) << "case " << (&c - cases);
        EXPECT_TRUE(c.expected(facePixel(pictures, 9, 16))) << "case " << (&c - cases);
        EXPECT_EQ(facePixel(pictures, 12, 12).a, 0);
    }
    pictures.setDisabled(false);
    click(kCheckBoxX + 5, kCheckBoxY + 12);
    pictures.completeTransitions();
    EXPECT_EQ(pictures.value(), 0);
    EXPECT_TRUE(isRed(facePixel(pictures, 5, 12)));
}

TEST_F(ToggleWindow, SwitchDefaultsThenOneClickThenDisabled)
{
    SkinToggle toggle;
    SwitchOptions options;
    options.x = 20;
    options.y = 40;
    ASSERT_GT(toggle.createSwitch(handle, options), 0);
    EXPECT_EQ(toggle.width(), 65);
    EXPECT_EQ(toggle.height(), 26);
    EXPECT_EQ(toggle.value(), 0);
    EXPECT_EQ(toggle.font().colour, 0xFFFFFFu);

    struct Look {
        int value;
        RECT knob;
        bool (*left)(Colour);
        bool (*right)(Colour);
    };
    const Look off { 0, { 39, 0, 65, 26 }, isRed, isWhite };
    const Look on { 1, { 0, 0, 26, 26 }, isWhite, isGreen };
    auto expectLook = [&](const Look& look) {
        EXPECT_EQ(toggle.value(), look.value);
        const RECT& knob = toggle.switchGeometry().knob;
        EXPECT_TRUE(knob.left == look.knob.left && knob.right == look.knob.right && knob.bottom == look.knob.bottom);
        EXPECT_TRUE(look.left(facePixel(toggle, 7, 13))) << "value " << look.value;
        EXPECT_TRUE(look.right(facePixel(toggle, 56, 13))) << "value " << look.value;
        // White caption pixels beside the knob, over the track.
        const Ink ink = whiteInk(toggle, switchCaptionRect(toggle.switchGeometry(), 65, look.value == 1));
        EXPECT_GT(ink.count, 15);
        if (look.value == 1)
            EXPECT_GT(ink.meanX, 32);
        else
            EXPECT_LT(ink.meanX, 32);
    };
    expectLook(off);
    moveTo(20 + 30, 40 + 13, false);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(handle, GCLP_HCURSOR)), LoadCursorW(nullptr, IDC_HAND));
    click(20 + 30, 40 + 13);
    expectLook(on);

    // Disabled: grey whatever the value, and no click reaches it.
    toggle.setDisabled(true);
    EXPECT_TRUE(isGrey(facePixel(toggle, 56, 13)));
    click(20 + 30, 40 + 13);
    EXPECT_EQ(toggle.value(), 1);
    toggle.setValue(0);
    EXPECT_TRUE(isGrey(facePixel(toggle, 7, 13)));
    EXPECT_TRUE(isWhite(facePixel(toggle, 56, 13)));
}

TEST_F(ToggleWindow, OnlyAPressThatBeginsOnTheToggleFlipsIt)
{
    SkinToggle box;
    SkinToggle toggle;
    ASSERT_GT(createGlyphCheckBox(box, handle), 0);
    SwitchOptions options;
    options.x = 10;
    options.y = 60;
    ASSERT_GT(toggle.createSwitch(handle, options), 0);
    const POINT outside { 250, 180 };
    for (SkinToggle* control : { &box, &toggle }) {
        const POINT inside { control->absoluteX() + 20, control->absoluteY() + 12 };
        struct Case {
            const char* name;
            bool startsInside;
            bool leavesOnTheWay;
            bool disabledOnTheWay;
            bool flips;
        };
        const Case cases[] = {
            { "starts outside, ends on it", false, false, false, false },
            { "leaves with the button held", true, true, false, false },
            { "disabled while the button is held", true, false, true, false },
            { "press and release on it", true, false, false, true },
        };
        for (const Case& c : cases) {
            const int before = control->value();
            c.startsInside ? press(inside.x, inside.y) : press(outside.x, outside.y);
            if (c.leavesOnTheWay) {
                moveTo(outside.x, outside.y, true);
                EXPECT_FALSE(control->pressed()) << c.name;
            }
            // Released where it was pressed, so the window still takes it for the hot control.
            control->setDisabled(c.disabledOnTheWay);
            if (c.disabledOnTheWay)
                SendMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
            else
                release(inside.x, inside.y);
            control->setDisabled(false);
            EXPECT_EQ(control->value(), c.flips ? 1 - before : before) << c.name;
            EXPECT_FALSE(control->pressed()) << c.name;
            waitForRest(*control);
        }
    }
}

TEST_F(ToggleWindow, FacePaintedTogglesShowTheirValue)
{
    const ByteArray normal = solidPng(80, 25, 0xFFFF0000);
    const ByteArray hot = solidPng(80, 25, 0xFF00FF00);
    const ByteArray pressed = solidPng(80, 25, 0xFF0000FF);
    const ByteArray inactive = solidPng(80, 25, 0xFF808080);
    struct Case {
        bool checkedLooksPressed;
        int value;
        bool disabled;
        bool (*expected)(Colour);
    };
    const Case cases[] = {
        { false, 0, false, isRed },
        // Checked is the hot picture, or the pressed one when asked for.
        { false, 1, false, isGreen },
        { true, 1, false, [](Colour c) { return c.a > 150 && c.b > c.r + 60 && c.b > c.g + 60; } },
        { true, 1, true, isGrey },
    };
    for (const Case& c : cases) {
        SkinToggle toggle;
        ImageToggleOptions options;
        options.x = 10;
        options.y = 10;
        options.normalImage = normal;
        options.hotImage = hot;
        options.pressedImage = pressed;
        options.disabledImage = inactive;
        options.checkedLooksPressed = c.checkedLooksPressed;
        options.value = c.value;
        ASSERT_GT(toggle.createImageToggle(handle, options), 0);
        toggle.setDisabled(c.disabled);
        EXPECT_TRUE(c.expected(facePixel(toggle, 40, 12))) << "case " << (&c - cases);
    }

    // A plain icon face looks different once checked, and again when the click undoes it.
    SkinToggle icon;
    IconToggleOptions options;
    options.x = 10;
    options.y = 50;
    options.caption = L"图标";
    options.icon = solidPng(16, 16, 0xFF2060C0);
    ASSERT_GT(icon.createIconToggle(handle, options), 0);
    const auto snapshot = [&] {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                pixels.push_back(icon.record()->surface.pixel(x, y));
        return pixels;
    };
    const std::vector<std::uint32_t> unchecked = snapshot();
    icon.setValue(1);
    EXPECT_NE(snapshot(), unchecked);
    click(30, 62);
    moveTo(300, 200, false);
    icon.completeTransitions();
    EXPECT_EQ(icon.value(), 0);
    EXPECT_EQ(snapshot(), unchecked);
}
