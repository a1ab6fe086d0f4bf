#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "controls/ToggleWindow.h"
#include "imaging/Pictures.h"

using namespace toggletest;

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

// The dotted box round a focused check box's caption waits for the keyboard, like every focus mark.
TEST_F(ToggleWindow, CheckBoxFocusMarkWaitsForTheKeyboard)
{
    SkinToggle box;
    ASSERT_GT(createGlyphCheckBox(box, handle), 0);
    const auto pixels = [&] {
        GdiFlush();
        const Surface& own = box.record()->surface;
        return std::vector<std::uint32_t>(own.bits(), own.bits() + own.width() * own.height());
    };
    const std::vector<std::uint32_t> unfocused = pixels();
    ASSERT_TRUE(box.takeFocus());
    EXPECT_EQ(pixels(), unfocused);
    SendMessageW(handle, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_NE(pixels(), unfocused);
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

    // Disabled, the caption keeps its colour.
    const auto darkestInk = [&] {
        int darkest = 255;
        for (int y = 0; y < round.height(); ++y)
            for (int x = 16; x < round.width(); ++x)
                if (const Colour c = facePixel(round, x, y); c.a > 200)
                    darkest = std::min(darkest, (c.r + c.g + c.b) / 3);
        return darkest;
    };
    round.setText(L"记住选择");
    const int disabledInk = darkestInk();
    EXPECT_LT(disabledInk, 60);
    round.setDisabled(false);
    EXPECT_EQ(darkestInk(), disabledInk);
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
    SendMessageW(handle, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
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
