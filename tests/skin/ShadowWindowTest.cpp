#include <gtest/gtest.h>

#include "EffectTestSupport.h"
#include "TestSupport.h"
#include "element/SkinConstants.h"
#include "imaging/Pictures.h"
#include "skin/ShadowWindow.h"

namespace {

constexpr int kShadowWidth = 6;

// A framed window that is not layered, so it casts a shadow, shown at (200, 120).
struct ShadowedWindow {
    NineGridImage frame;
    SkinWindow window;
    HWND handle = nullptr;
    HWND shadow = nullptr;

    explicit ShadowedWindow(int radius = 10)
    {
        frame.LoadStates(solidPng(40, 40, 0x80000000), std::nullopt, std::nullopt, std::nullopt, radius, kShadowWidth);
        WindowOptions options;
        options.x = 200;
        options.y = 120;
        options.width = 160;
        options.height = 90;
        options.layered = false;
        options.frameImage = &frame;
        options.backgroundColour = RGB(240, 240, 240);
        options.drawTitle = false;
        handle = openAndShow(window, options);
        shadow = static_cast<HWND>(GetPropA(handle, skin::kPropShadowWindow));
    }
    ~ShadowedWindow() { DestroyWindow(handle); }

    bool surrounded() const
    {
        RECT owner {};
        RECT around {};
        GetWindowRect(handle, &owner);
        GetWindowRect(shadow, &around);
        InflateRect(&owner, kShadowWidth, kShadowWidth);
        return EqualRect(&owner, &around) != FALSE;
    }
};

std::uint32_t alphaOf(std::uint32_t pixel)
{
    return pixel >> 24;
}

}  // namespace

TEST(ShadowWindow, AHiddenClickThroughToolWindowOwnedByItsWindowAndShownAfterIt)
{
    ShadowedWindow shadowed;
    ASSERT_NE(shadowed.shadow, nullptr);
    EXPECT_EQ(GetWindow(shadowed.shadow, GW_OWNER), shadowed.handle);
    EXPECT_EQ(GetWindowLongPtrW(shadowed.shadow, GWL_EXSTYLE) & 0xFFFF, 0x00A0);
    EXPECT_TRUE(GetWindowLongPtrW(shadowed.shadow, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_FALSE(IsWindowEnabled(shadowed.shadow));
    EXPECT_TRUE(IsWindowVisible(shadowed.shadow));
    EXPECT_NE(GetActiveWindow(), shadowed.shadow);
    EXPECT_EQ(GetPropA(shadowed.shadow, skin::kPropShadowOwner), shadowed.handle);
    EXPECT_TRUE(shadowed.surrounded());

    // A layered window, or one without a frame image, has none.
    SkinWindow layered;
    const HWND plain = openAndShow(layered, boxOptions(0, 0));
    EXPECT_EQ(GetPropA(plain, skin::kPropShadowWindow), nullptr);
    DestroyWindow(plain);
}

TEST(ShadowWindow, FollowsItsWindowWhenMovedOrResized)
{
    ShadowedWindow shadowed;
    ASSERT_NE(shadowed.shadow, nullptr);
    MoveWindow(shadowed.handle, 260, 150, 160, 90, TRUE);
    EXPECT_TRUE(shadowed.surrounded());
    SetWindowPos(shadowed.handle, nullptr, 0, 0, 240, 130, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(shadowed.surrounded());
    shadowed.window.setLeft(30);
    EXPECT_TRUE(shadowed.surrounded());
    RECT client {};
    GetClientRect(shadowed.shadow, &client);
    EXPECT_EQ(client.right, 240 + 2 * kShadowWidth);
    EXPECT_EQ(client.bottom, 130 + 2 * kShadowWidth);
}

TEST(ShadowWindow, HidesWhileItsWindowIsMinimisedMaximisedOrHiddenAndComesBack)
{
    ShadowedWindow shadowed;
    ASSERT_NE(shadowed.shadow, nullptr);
    const auto visible = [&] { return IsWindowVisible(shadowed.shadow) != FALSE; };
    shadowed.window.minimiseWindow();
    EXPECT_FALSE(visible());
    shadowed.window.restoreWindow();
    EXPECT_TRUE(visible());
    shadowed.window.maximiseWindow();
    EXPECT_FALSE(visible());
    shadowed.window.restoreWindow();
    EXPECT_TRUE(visible());
    EXPECT_TRUE(pumpUntil([&] { return shadowed.surrounded(); }, 2000));
    ShowWindow(shadowed.handle, SW_HIDE);
    EXPECT_FALSE(visible());
    ShowWindow(shadowed.handle, SW_SHOWNA);
    EXPECT_TRUE(visible());
}

TEST(ShadowWindow, ADestroyedShadowsRecordIsReusedAndItsWindowForgetsIt)
{
    int firstIndex = 0;
    const int recordsBefore = ShadowWindow::recordCount();
    {
        ShadowedWindow first;
        ASSERT_NE(first.shadow, nullptr);
        firstIndex = static_cast<int>(skin::property(first.shadow, skin::kPropShadowRecord));
        EXPECT_GE(firstIndex, 1);
        EXPECT_FALSE(ShadowWindow::recordFree(firstIndex));
        // The shadow can go before its window: the window must not go on naming it.
        DestroyWindow(first.shadow);
        EXPECT_EQ(GetPropA(first.handle, skin::kPropShadowWindow), nullptr);
        EXPECT_TRUE(ShadowWindow::recordFree(firstIndex));
        first.window.minimiseWindow();
        first.window.restoreWindow();
    }
    ShadowedWindow second;
    EXPECT_EQ(skin::property(second.shadow, skin::kPropShadowRecord), firstIndex);
    EXPECT_EQ(ShadowWindow::recordCount(), std::max(recordsBefore, firstIndex));
}

TEST(ShadowPicture, LeavesTheWindowsOwnPixelsClearAndClampsTheRadius)
{
    NineGridImage image;
    ASSERT_TRUE(image.LoadStates(solidPng(300, 200, 0xFF000000)));
    const auto layout = [](int radius, HRGN region) {
        return ShadowWindow::Layout { 112, 62, 100, 50, kShadowWidth, radius, region };
    };
    // The window's own region as a framed window of corner radius 10 has it.
    HRGN ownRegion = CreateRoundRectRgn(0, 0, 101, 51, 9, 9);
    struct Case {
        int radius;
        HRGN region;
        bool cornerCovered;
    };
    for (const Case c : { Case { 0, nullptr, false }, Case { 10, nullptr, true }, Case { 10, ownRegion, true } }) {
        SCOPED_TRACE(testing::Message() << c.radius << (c.region ? " with region" : ""));
        const Surface picture = ShadowWindow::picture(&image, layout(c.radius, c.region));
        ASSERT_TRUE(picture);
        int covered = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 100; ++x) {
                const bool owners
                    = c.region ? PtInRegion(c.region, x, y) != FALSE : x >= 3 && x < 97 && y >= 3 && y < 47;
                covered += owners && alphaOf(picture.pixel(x + kShadowWidth, y + kShadowWidth)) != 0 ? 1 : 0;
            }
        EXPECT_EQ(covered, 0);
        // The band round the window is shadow.
        for (const POINT at : { POINT { 0, 0 }, POINT { 111, 61 }, POINT { 56, 2 }, POINT { 108, 30 } })
            EXPECT_EQ(alphaOf(picture.pixel(at.x, at.y)), 255u) << at.x << "," << at.y;
        EXPECT_EQ(alphaOf(picture.pixel(kShadowWidth, kShadowWidth)) != 0, c.cornerCovered);
    }
    DeleteObject(ownRegion);

    auto wide = layout(250, nullptr);
    wide.height = 262;
    wide.ownerHeight = 250;
    auto widest = wide;
    widest.radius = 100;
    const Surface huge = ShadowWindow::picture(&image, wide);
    const Surface largest = ShadowWindow::picture(&image, widest);
    for (int y = 0; y < 262; y += 3)
        for (int x = 0; x < 112; x += 3)
            ASSERT_EQ(huge.pixel(x, y), largest.pixel(x, y)) << x << "," << y;
}
