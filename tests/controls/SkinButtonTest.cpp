#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "FaceTestSupport.h"
#include "TestSupport.h"
#include "controls/SkinButton.h"
#include "drawing/Graphics.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "imaging/ImageCodec.h"
#include "imaging/Pictures.h"
#include "imaging/SkinPictures.h"
#include "skin/SkinWindow.h"

namespace {

LPARAM at(int x, int y)
{
    return MAKELPARAM(x, y);
}

NineGridImage buttonSkin()
{
    ImageCodec strip;
    strip.LoadStrip(kButtonSkin.bytes(), 0x7F007F);
    NineGridImage skin;
    skin.LoadStates(strip.GetFrame(1), ByteView(strip.GetFrame(2)), ByteView(strip.GetFrame(3)));
    return skin;
}

// The skin alone, drawn in a state the way the face painter draws it.
Surface skinReference(const NineGridImage& skin, int state, int width, int height)
{
    Surface surface(width, height);
    Graphics graphics;
    graphics.CreateFromHDC(surface.dc());
    graphics.SetSmoothingMode(4);
    graphics.SetPixelOffsetMode(2);
    NineGridImage sized = skin;
    sized.SetBounds(0, 0, width, height);
    sized.DrawState(graphics, state);
    graphics.Delete();
    GdiFlush();
    return surface;
}

ColourButtonOptions colourAt(int x, int y, const std::wstring& caption = L"", COLORREF colour = 0xFFFFFF)
{
    ColourButtonOptions options;
    options.x = x;
    options.y = y;
    options.caption = caption;
    options.colour = colour;
    return options;
}

const Surface& shown(const SkinButton& button)
{
    GdiFlush();
    return button.record()->surface;
}

// A window that does not move when its surface is pressed, driven by real messages.
struct ButtonWindow : testing::Test {
    // Focus marks wait for the keyboard, whatever the machine's setting.
    KeyboardCuesSetting cues { false };
    SkinWindow window;
    HWND handle = nullptr;
    int clicks = 0;

    void SetUp() override
    {
        WindowOptions options;
        options.width = 300;
        options.height = 120;
        options.drawTitle = false;
        options.movable = false;
        handle = window.createWindow(options);
        ASSERT_NE(handle, nullptr);
        SetForegroundWindow(handle);
        SetFocus(handle);
    }
    void TearDown() override { DestroyWindow(handle); }

    void counting(SkinButton& button)
    {
        button.setEventHandler(ElementEvent::Click, [this](const EventArgs&) { return ++clicks; });
    }
    void press(int x, int y)
    {
        SendMessageW(handle, WM_MOUSEMOVE, 0, at(x, y));
        SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, at(x, y));
    }
    void release(int x, int y)
    {
        SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, at(x, y));
        SendMessageW(handle, WM_LBUTTONUP, 0, at(x, y));
    }
    void key(UINT message, WPARAM key) { SendMessageW(handle, message, key, 0); }
    // Moves the real pointer too, so the leave tracking does not take the mouse away again.
    void hoverAt(int x, int y)
    {
        POINT screen { x, y };
        ClientToScreen(handle, &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageW(handle, WM_MOUSEMOVE, 0, at(x, y));
    }
};

} // namespace

TEST_F(ButtonWindow, CreatesWithTheDefaultsOfEachStyle)
{
    SkinButton colour;
    const int id = colour.createColour(handle);
    ASSERT_GT(id, 0);
    EXPECT_EQ(colour.createColour(handle, colourAt(50, 50)), id);
    EXPECT_EQ(colour.width(), 60);
    EXPECT_EQ(colour.height(), 25);
    EXPECT_EQ(colour.colour(), 0xFFFFFFu);
    EXPECT_EQ(colour.record()->kind, skin::kKindColourButton);
    EXPECT_TRUE(colour.record()->interactive);
    // setImages belongs to the four-picture style only.
    EXPECT_FALSE(colour.setImages(solidPng(4, 4, 0xFF00FF00)));

    SkinButton plain;
    PlainButtonOptions plainOptions;
    plainOptions.x = 70;
    ASSERT_GT(plain.createPlain(handle, plainOptions), 0);
    EXPECT_EQ(plain.record()->kind, skin::kKindSkinButton);
    EXPECT_EQ(plain.width(), 60);

    SkinButton pictures;
    ImageButtonOptions options;
    options.x = 140;
    options.normalImage = solidPng(33, 17, 0xFFFF0000);
    options.hotImage = solidPng(33, 17, 0xFF00FF00);
    ASSERT_GT(pictures.createImages(handle, options), 0);
    EXPECT_EQ(pictures.record()->kind, skin::kKindImageButton);
    EXPECT_EQ(pictures.width(), 33);
    EXPECT_EQ(pictures.height(), 17);
    // Omitted pictures are the normal one: pressed shows red, hot shows green.
    pictures.redraw(skin::RedrawReason::Pressed);
    EXPECT_EQ(shown(pictures).pixel(5, 5), 0xFFFF0000u);
    EXPECT_EQ(pictures.renderState(true).pixel(5, 5), 0xFF00FF00u);
    EXPECT_TRUE(pictures.setImages(std::nullopt, std::nullopt, solidPng(33, 17, 0xFF0000FF)));
    pictures.redraw(skin::RedrawReason::Pressed);
    EXPECT_EQ(shown(pictures).pixel(5, 5), 0xFF0000FFu);

    HWND plainWindow = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SkinButton outside;
    EXPECT_EQ(outside.createColour(plainWindow), 0);
    EXPECT_EQ(outside.id(), 0);
    DestroyWindow(plainWindow);
}

TEST_F(ButtonWindow, ColourStyleWithTheButtonSkinDrawsTheSkinStates)
{
    const NineGridImage skin = buttonSkin();
    ASSERT_TRUE(skin.IsLoaded());
    SkinButton button;
    ColourButtonOptions options;
    options.width = 80;
    options.height = 24;
    options.skin = &skin;
    ASSERT_GT(button.createColour(handle, options), 0);
    button.redraw(skin::RedrawReason::Render);
    EXPECT_TRUE(samePixels(shown(button), skinReference(skin, 1, 80, 24)));
    EXPECT_TRUE(samePixels(button.renderState(true), skinReference(skin, 2, 80, 24)));
    button.redraw(skin::RedrawReason::Pressed);
    EXPECT_TRUE(samePixels(shown(button), skinReference(skin, 3, 80, 24)));
    EXPECT_FALSE(samePixels(skinReference(skin, 1, 80, 24), skinReference(skin, 2, 80, 24)));

    // Disabled: state 4, which repeats state 1, and a grey caption.
    button.setDisabled(true);
    EXPECT_TRUE(samePixels(shown(button), skinReference(skin, 4, 80, 24)));
    button.setText(L"确定");
    EXPECT_FALSE(samePixels(shown(button), skinReference(skin, 4, 80, 24)));
    const Surface greyCaption = button.renderState(false);
    button.setDisabled(false);
    EXPECT_FALSE(samePixels(shown(button), greyCaption));
}

TEST_F(ButtonWindow, ClickNeedsAPressAndAReleaseOnTheSameButton)
{
    SkinButton first;
    SkinButton second;
    ASSERT_GT(first.createColour(handle, colourAt(10, 10, L"一")), 0);
    ASSERT_GT(second.createColour(handle, colourAt(100, 10, L"二")), 0);
    counting(first);
    counting(second);

    press(20, 20);
    EXPECT_EQ(first.runningTransitions(), 0);
    release(20, 20);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(first.hot());

    press(20, 20);
    release(110, 20);
    EXPECT_EQ(clicks, 1);

    // Focused by the keyboard, then pressed on the bare surface and released over it.
    ASSERT_TRUE(second.takeFocus());
    press(200, 80);
    release(110, 20);
    EXPECT_EQ(clicks, 1);

    // Disabled while the button is down: no click either.
    press(110, 20);
    second.setDisabled(true);
    release(110, 20);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonWindow, SpaceClicksOnKeyUpAndNeverWhenDisabled)
{
    SkinButton button;
    ASSERT_GT(button.createColour(handle, colourAt(10, 10)), 0);
    counting(button);
    ASSERT_TRUE(button.takeFocus());
    key(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(clicks, 0);
    key(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(clicks, 1);
    key(WM_KEYUP, VK_RETURN);
    EXPECT_EQ(clicks, 1);

    button.setDisabled(true);
    key(WM_KEYDOWN, VK_SPACE);
    key(WM_KEYUP, VK_SPACE);
    press(20, 20);
    release(20, 20);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonWindow, TheFocusedButtonShowsARingOnceTheKeyboardIsUsedThatGoesWithTheFocus)
{
    SkinButton first;
    SkinButton second;
    ASSERT_GT(first.createColour(handle, colourAt(10, 10, L"确定")), 0);
    ASSERT_GT(second.createColour(handle, colourAt(90, 10, L"取消")), 0);
    const Surface unfocused = first.renderState(false);
    ASSERT_TRUE(first.takeFocus());
    EXPECT_TRUE(samePixels(shown(first), unfocused));
    key(WM_KEYDOWN, VK_TAB);
    EXPECT_FALSE(samePixels(shown(first), unfocused));
    // The ring's dots lie on the inset outline, never on the caption's middle.
    const Surface& ringed = shown(first);
    int dots = 0;
    for (int x = 3; x < ringed.width() - 3; ++x)
        dots += (ringed.pixel(x, 3) != unfocused.pixel(x, 3)) ? 1 : 0;
    EXPECT_GT(dots, 5);
    ASSERT_TRUE(second.takeFocus());
    EXPECT_TRUE(samePixels(shown(first), unfocused));
}

TEST_F(ButtonWindow, HoverFadesToTheHotLookAndBack)
{
    SkinButton button;
    ASSERT_GT(button.createColour(handle, colourAt(10, 10, L"确定", RGB(0, 120, 215))), 0);
    button.redraw(skin::RedrawReason::Present);
    const Surface hot = button.renderState(true);
    const Surface normal = button.renderState(false);
    hoverAt(30, 20);
    EXPECT_TRUE(button.hot());
    ASSERT_TRUE(pumpUntil([&] { return button.runningTransitions() == 0; }, 3000));
    EXPECT_TRUE(samePixels(shown(button), hot));
    hoverAt(250, 100);
    EXPECT_FALSE(button.hot());
    ASSERT_TRUE(pumpUntil([&] { return button.runningTransitions() == 0; }, 3000));
    EXPECT_TRUE(samePixels(shown(button), normal));
}

TEST_F(ButtonWindow, TooltipFollowsTheButtonAndGoesWithIt)
{
    SkinButton bare;
    ASSERT_GT(bare.createColour(handle, colourAt(100, 10)), 0);
    EXPECT_FALSE(bare.toolTip());

    SkinButton tipped;
    ColourButtonOptions options;
    options.x = 10;
    options.y = 10;
    options.toolTipText = L"保存并关闭";
    const int id = tipped.createColour(handle, options);
    ASSERT_GT(id, 0);
    const HWND tip = tipped.toolTip().window();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(GetWindow(tip, GW_OWNER), handle);
    EXPECT_EQ(tipped.toolTip().toolCount(), 1);

    auto toolRect = [&] {
        TOOLINFOW info {};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = handle;
        info.uId = static_cast<UINT_PTR>(id);
        SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
        return info.rect;
    };
    auto sameRect = [](RECT a, RECT b) { return EqualRect(&a, &b) != FALSE; };
    EXPECT_TRUE(sameRect(toolRect(), RECT {}));
    SendMessageW(handle, WM_MOUSEMOVE, 0, at(20, 20));
    EXPECT_TRUE(sameRect(toolRect(), tipped.windowRect()));
    tipped.setVisible(false);
    EXPECT_TRUE(sameRect(toolRect(), RECT {}));
    tipped.setVisible(true);
    EXPECT_TRUE(sameRect(toolRect(), tipped.windowRect()));
    tipped.move(40, 50, std::nullopt, std::nullopt);
    EXPECT_TRUE(sameRect(toolRect(), RECT { 40, 50, 100, 75 }));

    tipped.destroy();
    EXPECT_FALSE(IsWindow(tip));
    EXPECT_FALSE(tipped.toolTip());
    // Created again: a new tip, the old one stays gone.
    ASSERT_GT(tipped.createColour(handle, options), 0);
    EXPECT_TRUE(IsWindow(tipped.toolTip().window()));
}

// Buttons of every style and state composed into a dialog-grey window, for the eye.
TEST(SkinButtonLooks, TheWindowComposesEveryStyleAndState)
{
    SkinWindow window;
    WindowOptions options;
    options.width = 360;
    options.height = 110;
    options.drawTitle = false;
    options.movable = false;
    options.backgroundColour = RGB(240, 240, 240);
    const HWND handle = window.createWindow(options);
    ASSERT_TRUE(pumpUntil([&] { return GetPropA(handle, skin::kPropFirstShowDone) != nullptr; }, 3000));

    const NineGridImage skin = buttonSkin();
    SkinButton buttons[8];
    const wchar_t* captions[] = { L"确定", L"悬停", L"按下", L"禁用" };
    for (int i = 0; i < 4; ++i) {
        ColourButtonOptions colour = colourAt(10 + 85 * i, 10, captions[i]);
        colour.secondColour = RGB(0, 120, 215);
        buttons[i].createColour(handle, colour);
        colour.y = 45;
        colour.width = 75;
        colour.skin = &skin;
        buttons[4 + i].createColour(handle, colour);
    }
    buttons[3].setDisabled(true);
    buttons[7].setDisabled(true);
    SkinButton plain;
    PlainButtonOptions plainOptions;
    plainOptions.x = 10;
    plainOptions.y = 78;
    plainOptions.width = 80;
    plainOptions.caption = L"打开";
    plainOptions.icon = solidPng(14, 14, 0xFF00A000);
    plainOptions.plainFace = true;
    plain.createPlain(handle, plainOptions);
    SkinButton picture;
    ImageButtonOptions pictureOptions;
    pictureOptions.x = 100;
    pictureOptions.y = 78;
    pictureOptions.normalImage = solidPng(24, 24, 0xFFFF0000);
    picture.createImages(handle, pictureOptions);
    for (SkinButton& button : buttons)
        button.redraw(skin::RedrawReason::Present);
    plain.redraw(skin::RedrawReason::Present);
    picture.redraw(skin::RedrawReason::Present);

    // The mouse can be over one button only: the second and third of each row are told
    // directly that they are hot and pressed.
    for (int i : { 1, 5 }) {
        buttons[i].handleMessage(handle, WM_MOUSEHOVER, 0, 0);
        buttons[i].completeTransitions();
        buttons[i + 1].handleMessage(handle, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    }
    window.presentArea(RECT { 0, 0, 360, 110 });

    const Surface& composed = window.composedSurface();
    EXPECT_EQ(composed.pixel(110, 90), 0xFFFF0000u);
    auto area = [&](int x, int y) {
        std::uint64_t sum = 0;
        for (int dy = 0; dy < 25; ++dy)
            for (int dx = 0; dx < 60; ++dx)
                sum = sum * 31 + composed.pixel(x + dx, y + dy);
        return sum;
    };
    // Four looks that differ from each other in the composed window, with and without the skin.
    for (int row : { 10, 45 })
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                EXPECT_NE(area(10 + 85 * a, row), area(10 + 85 * b, row)) << row << ": " << a << " vs " << b;
    saveArtifact(L"controls-buttons.png", window.windowPicture(360, 110));
    DestroyWindow(handle);
}
