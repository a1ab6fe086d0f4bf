#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "TestSupport.h"
#include "controls/SkinToggle.h"
#include "core/ThreadTimers.h"
#include "element/ControlTestSupport.h"
#include "element/SkinConstants.h"
#include "imaging/Pictures.h"
#include "skin/SkinWindow.h"

namespace {

struct Colour {
    int r = 0;
    int g = 0;
    int b = 0;
    int a = 0;
};

// The surfaces hold premultiplied pixels; the checks read straight colours.
Colour straight(std::uint32_t pixel)
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

Colour facePixel(const SkinToggle& toggle, int x, int y)
{
    const ControlRecord* own = toggle.record();
    return straight(own ? own->surface.pixel(x, y) : 0);
}

bool isRed(Colour c)
{
    return c.a > 150 && c.r > c.g + 60 && c.r > c.b + 60;
}

bool isGreen(Colour c)
{
    return c.a > 150 && c.g > c.r + 60 && c.g > c.b + 60;
}

bool isWhite(Colour c)
{
    return c.a > 200 && c.r > 200 && c.g > 200 && c.b > 200;
}

bool isGrey(Colour c)
{
    return c.a > 150 && std::max({ c.r, c.g, c.b }) - std::min({ c.r, c.g, c.b }) < 25 && c.r < 200;
}

bool closeTo(Colour c, COLORREF expected)
{
    return c.a > 240 && std::abs(c.r - GetRValue(expected)) <= 4 && std::abs(c.g - GetGValue(expected)) <= 4
        && std::abs(c.b - GetBValue(expected)) <= 4;
}

// The white pixels of a caption area and their mean column; -1 without any.
struct Ink {
    int count = 0;
    int meanX = -1;
};

Ink whiteInk(const SkinToggle& toggle, const RectF& area)
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
std::vector<int> framesUntilRest(const SkinToggle& toggle)
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
    SkinWindow window;
    HWND handle = nullptr;
    int timersBefore = 0;

    void SetUp() override
    {
        WindowOptions options;
        options.width = 360;
        options.height = 230;
        options.drawTitle = 0;
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

int createGlyphCheckBox(SkinToggle& box, HWND window, const std::wstring& caption = L"不再提示")
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

bool showsTick(const SkinToggle& box)
{
    const Colour elbow = facePixel(box, kTickElbow.x, kTickElbow.y);
    return elbow.a > 150 && elbow.r < 120 && elbow.b > 150;
}

} // namespace

TEST_F(ToggleWindow, GlyphCheckBoxShowsTheStripFrameOfEachState)
{
    SkinToggle box;
    ASSERT_GT(createGlyphCheckBox(box, handle), 0);
    EXPECT_EQ(box.width(), 80);
    EXPECT_EQ(box.height(), 25);
    EXPECT_TRUE(box.showsFocus());
    EXPECT_EQ(window.record()->control(box.id())->kind, skin::kKindToggle);
    struct Case {
        bool disabled;
        int value;
        skin::RedrawReason reason;
        COLORREF fill;
        bool tick;
    };
    const Case cases[] = {
        { false, 0, skin::RedrawReason::Present, kPlainFill, false },
        { false, 1, skin::RedrawReason::Present, kPlainFill, true },
        { false, 0, skin::RedrawReason::Hot, kHotFill, false },
        { false, 1, skin::RedrawReason::Hot, kHotFill, true },
        // Pressed looks like normal.
        { false, 1, skin::RedrawReason::Pressed, kPlainFill, true },
        { true, 1, skin::RedrawReason::Present, kDisabledFill, true },
        { true, 0, skin::RedrawReason::Hot, kDisabledFill, false },
    };
    for (const Case& c : cases) {
        box.setDisabled(c.disabled);
        box.setValue(c.value);
        waitForRest(box);
        box.redraw(c.reason);
        const Colour fill = facePixel(box, kBoxFill.x, kBoxFill.y);
        EXPECT_TRUE(closeTo(fill, c.fill))
            << "case " << (&c - cases) << ": " << fill.r << "," << fill.g << "," << fill.b << "," << fill.a;
        EXPECT_EQ(showsTick(box), c.tick) << "case " << (&c - cases);
    }
    EXPECT_EQ(threadtimers::running(), timersBefore);
}

TEST_F(ToggleWindow, GlyphCheckAnimationsAndASecondClickWithin150ms)
{
    SkinToggle box;
    ASSERT_GT(createGlyphCheckBox(box, handle), 0);
    const int x = kCheckBoxX + 8;
    const int y = kCheckBoxY + 12;

    click(x, y);
    EXPECT_EQ(box.value(), 1);
    EXPECT_EQ(framesUntilRest(box), (std::vector<int> { 4, 3, 1, 3 }));
    EXPECT_TRUE(showsTick(box));
    click(x, y);
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(framesUntilRest(box), (std::vector<int> { 1, 3, 4, 0 }));
    EXPECT_FALSE(showsTick(box));

    // The second click lands while the checking timer runs: that timer goes, and the
    // unchecking sequence plays whole from its first frame.
    click(x, y);
    ASSERT_TRUE(dispatchUntil([&] { return box.animationFrame() == 3; }, 5000));
    ASSERT_TRUE(box.animating());
    EXPECT_EQ(threadtimers::running(), timersBefore + 1);
    click(x, y);
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(threadtimers::running(), timersBefore + 1);
    EXPECT_EQ(framesUntilRest(box), (std::vector<int> { 1, 3, 4, 0 }));
    EXPECT_FALSE(showsTick(box));
    EXPECT_EQ(threadtimers::running(), timersBefore);

    // Destroying the box mid-animation stops its timer.
    box.setValue(1);
    EXPECT_TRUE(box.animating());
    box.destroy();
    EXPECT_FALSE(box.animating());
    EXPECT_EQ(threadtimers::running(), timersBefore);
}

TEST_F(ToggleWindow, RoundCheckBoxPaintsItsOwnIndicator)
{
    SkinToggle round;
    CheckBoxOptions options;
    options.x = 10;
    options.y = 10;
    options.style = CheckBoxStyle::Round;
    ASSERT_GT(round.createCheckBox(handle, options), 0);
    // The indicator's cell is 12 high, centred: rows 6..17 of a 25-pixel face.
    const Colour centre = facePixel(round, 8, 12);
    EXPECT_GT(centre.a, 200);
    EXPECT_GT(centre.r, 170);
    const Colour ring = facePixel(round, 2, 12);
    EXPECT_GT(ring.a, 60);
    EXPECT_LT(ring.r, centre.r);
    // No glyph strip: its box would start at the face's left edge.
    EXPECT_EQ(facePixel(round, 0, 12).a, 0);
    EXPECT_EQ(facePixel(round, 15, 12).a, 0);

    // The tinted tick shows dark over the indicator while checked.
    const Colour unticked = facePixel(round, 7, 15);
    round.setValue(1);
    EXPECT_FALSE(round.animating());
    const Colour ticked = facePixel(round, 7, 15);
    EXPECT_GT(unticked.r, 150);
    EXPECT_LT(ticked.r + ticked.g + ticked.b, 3 * 100);

    // Under the mouse a halo shows around the ring, after the cross-fade.
    round.redraw(skin::RedrawReason::Hot);
    round.completeTransitions();
    EXPECT_GT(facePixel(round, 15, 12).a, 20);
    round.setDisabled(true);
    round.redraw(skin::RedrawReason::Hot);
    round.completeTransitions();
    EXPECT_EQ(facePixel(round, 15, 12).a, 0);

    // Disabled, the caption greys: the indicator alone would look the same.
    const auto darkestInk = [&] {
        int darkest = 255;
        for (int y = 0; y < round.height(); ++y)
            for (int x = 16; x < round.width(); ++x)
                if (const Colour c = facePixel(round, x, y); c.a > 200)
                    darkest = std::min(darkest, (c.r + c.g + c.b) / 3);
        return darkest;
    };
    round.setText(L"记住选择");
    EXPECT_GT(darkestInk(), 100);
    round.setDisabled(false);
    EXPECT_LT(darkestInk(), 60);
}

TEST_F(ToggleWindow, ImageTogglePicturesFollowTheValue)
{
    SkinToggle pictures;
    ASSERT_GT(createGlyphCheckBox(pictures, handle, L""), 0);
    const ByteArray red = solidPng(10, 10, 0xFFFF0000);
    const ByteArray green = solidPng(10, 10, 0xFF00FF00);
    const ByteArray blue = solidPng(10, 10, 0xFF0000FF);
    pictures.setToggleImages({ green, blue, {}, {} }, { red, {}, {}, {} }, true);
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

TEST_F(ToggleWindow, ToolTipLivesAndDiesWithItsToggle)
{
    SkinToggle plain;
    ImageToggleOptions options;
    options.x = 10;
    options.y = 10;
    options.normalImage = solidPng(80, 25, 0xFFFF0000);
    ASSERT_GT(plain.createImageToggle(handle, options), 0);
    EXPECT_FALSE(plain.toolTip());

    SkinToggle tipped;
    options.y = 50;
    options.toolTipText = L"切换显示方式";
    const int id = tipped.createImageToggle(handle, options);
    ASSERT_GT(id, 0);
    const HWND tip = tipped.toolTip().window();
    ASSERT_TRUE(IsWindow(tip));
    EXPECT_EQ(tipped.toolTip().toolCount(), 1);
    EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 600);
    const auto toolRect = [&] {
        TOOLINFOW info {};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = handle;
        info.uId = static_cast<UINT_PTR>(id);
        SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
        return info.rect;
    };
    EXPECT_EQ(toolRect().top, 50);
    tipped.setVisible(false);
    const RECT hidden = toolRect();
    EXPECT_TRUE(IsRectEmpty(&hidden));
    tipped.setVisible(true);
    tipped.move(30, 70, std::nullopt, std::nullopt);
    EXPECT_EQ(toolRect().left, 30);
    EXPECT_EQ(toolRect().bottom, 95);

    tipped.destroy();
    EXPECT_FALSE(IsWindow(tip));
    EXPECT_FALSE(tipped.toolTip());
}

// Every look and state side by side, for the eye: build/artifacts/controls-toggle.png.
TEST_F(ToggleWindow, GalleryOfLooksForTheEye)
{
    std::vector<std::unique_ptr<SkinToggle>> toggles;
    const auto add = [&] { return toggles.emplace_back(std::make_unique<SkinToggle>()).get(); };
    const wchar_t* captions[] = { L"未选中", L"已选中", L"鼠标悬停", L"已禁用" };
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column) {
            SkinToggle* box = add();
            CheckBoxOptions options;
            options.x = 8 + 88 * column;
            options.y = 8 + 30 * row;
            options.caption = captions[column];
            options.style = row == 0 ? CheckBoxStyle::Glyph : CheckBoxStyle::Round;
            options.value = column == 1 || column == 3 ? 1 : 0;
            box->createCheckBox(handle, options);
            if (column == 2)
                box->redraw(skin::RedrawReason::Hot);
            if (column == 3)
                box->setDisabled(true);
            box->completeTransitions();
        }
    for (int column = 0; column < 4; ++column) {
        SkinToggle* toggle = add();
        SwitchOptions options;
        options.x = 8 + 88 * column;
        options.y = 72;
        toggle->createSwitch(handle, options);
        toggle->setValue(column % 2);
        toggle->setDisabled(column >= 2);
    }
    const ByteArray disc = makePng(16, 16, [](int x, int y) {
        const int dx = 2 * x - 15;
        const int dy = 2 * y - 15;
        return dx * dx + dy * dy < 196 ? 0xFF2B7CD3u : 0u;
    });
    for (int column = 0; column < 4; ++column) {
        SkinToggle* toggle = add();
        if (column < 2) {
            IconToggleOptions options;
            options.x = 8 + 88 * column;
            options.y = 108;
            options.caption = column == 0 ? L"图标关" : L"图标开";
            options.icon = disc;
            options.value = column;
            toggle->createIconToggle(handle, options);
        } else {
            ImageToggleOptions options;
            options.x = 8 + 88 * column;
            options.y = 108;
            options.caption = column == 2 ? L"图片关" : L"图片开";
            options.normalImage = solidPng(80, 25, 0xFFE0E0E0);
            options.hotImage = solidPng(80, 25, 0xFFCCE4F7);
            options.pressedImage = solidPng(80, 25, 0xFF99C9EF);
            options.captionOnImage = true;
            options.value = column - 2;
            toggle->createImageToggle(handle, options);
        }
    }
    SkinToggle* focused = add();
    CheckBoxOptions options;
    options.x = 8;
    options.y = 145;
    options.caption = L"有焦点的复选框";
    options.width = 140;
    focused->createCheckBox(handle, options);
    window.giveFocus(focused->id());
    SkinToggle* pictures = add();
    options.x = 184;
    options.caption = L"图片复选框";
    pictures->createCheckBox(handle, options);
    pictures->setToggleImages({ solidPng(13, 13, 0xFF2B7CD3) }, { solidPng(13, 13, 0xFFB0B0B0) }, true);

    window.compose(false, false);
    EXPECT_EQ(window.composedSurface().pixel(8 + 88 + 8, 72 + 13) >> 24, 255u);
    saveArtifact(L"controls-toggle.png", window.windowPicture(360, 230));
}
