#include <gtest/gtest.h>

#include "drawing/Bitmap.h"
#include "drawing/Graphics.h"
#include "imaging/NineGridImage.h"
#include "imaging/Pictures.h"

namespace {
constexpr std::uint32_t kLeft = 0xFF2050A0;
constexpr std::uint32_t kUnused = 0xFFFFFF00;
constexpr std::uint32_t kMiddle = 0xFF30C060;
constexpr std::uint32_t kRight = 0xFFA04020;

// A 13 × 24 button frame: left cap 0..3, marker columns 5 and 7 around middle column 6,
// right cap 8..12. Column 4 belongs to no slice.
ByteArray buttonFrame()
{
    return makePng(13, 24, [](int x, int) {
        if (x == 5 || x == 7)
            return kMagenta;
        return x < 4 ? kLeft : x == 4 ? kUnused : x == 6 ? kMiddle : kRight;
    });
}

// Draws state `state` with the given bounds onto a fresh transparent surface.
Bitmap drawn(const NineGridImage& skin, int state, int surfaceWidth, int surfaceHeight)
{
    Bitmap surface = blankSurface(surfaceWidth, surfaceHeight);
    Graphics graphics;
    graphics.GetImageGraphicsContext(surface);
    skin.DrawState(graphics, state);
    return surface;
}

// The colours along one row, as runs of (colour, length).
std::vector<std::pair<std::uint32_t, int>> runsAlong(const Bitmap& surface, int y)
{
    std::vector<std::pair<std::uint32_t, int>> runs;
    for (int x = 0; x < surface.GetWidth(); ++x) {
        const std::uint32_t colour = surface.GetPixel(x, y);
        if (!runs.empty() && runs.back().first == colour)
            ++runs.back().second;
        else
            runs.push_back({ colour, 1 });
    }
    return runs;
}

using Runs = std::vector<std::pair<std::uint32_t, int>>;
}

TEST(NineGridImageDraw, ButtonFrameStretchesByTilingItsMiddleColumn)
{
    NineGridImage skin;
    ASSERT_TRUE(skin.LoadStates(buttonFrame()));
    skin.SetBounds(3, 2, 100, 24);
    const Bitmap surface = drawn(skin, 1, 110, 30);
    for (int y : { 2, 13, 25 })
        EXPECT_EQ(runsAlong(surface, y), (Runs { { 0, 3 }, { kLeft, 4 }, { kMiddle, 91 }, { kRight, 5 }, { 0, 7 } }))
            << "row " << y;
    EXPECT_EQ(runsAlong(surface, 1), (Runs { { 0, 110 } }));
    EXPECT_EQ(runsAlong(surface, 26), (Runs { { 0, 110 } }));
}

TEST(NineGridImageDraw, APictureWithoutMarkersDrawsWholeAtNaturalSize)
{
    NineGridImage skin;
    ASSERT_TRUE(skin.LoadStates(solidPng(10, 6, kMiddle)));
    skin.SetBounds(2, 3, 50, 50);
    const Bitmap surface = drawn(skin, 1, 60, 60);
    EXPECT_EQ(runsAlong(surface, 3), (Runs { { 0, 2 }, { kMiddle, 10 }, { 0, 48 } }));
    EXPECT_EQ(surface.GetPixel(5, 8), kMiddle);
    EXPECT_EQ(surface.GetPixel(5, 9), 0u);
}

TEST(NineGridImageDraw, ASingleMarkerLeavesTheGapBetweenTheCapsUnpainted)
{
    const ByteArray frame = makePng(13, 8, [](int x, int y) {
        if (x == 4 && y == 1)
            return kMagenta;
        return x < 4 ? kLeft : kRight;
    });
    NineGridImage skin;
    ASSERT_TRUE(skin.LoadStates(frame));
    skin.SetBounds(0, 0, 30, 8);
    const Bitmap surface = drawn(skin, 1, 30, 8);
    EXPECT_EQ(runsAlong(surface, 5), (Runs { { kLeft, 3 }, { 0, 19 }, { kRight, 8 } }));
}

TEST(NineGridImageDraw, CornersKeepTheirSizeWhenTheBoundsAreTooSmall)
{
    NineGridImage skin;
    ASSERT_TRUE(skin.LoadStates(buttonFrame()));
    skin.SetBounds(0, 0, 6, 24);
    const Bitmap surface = drawn(skin, 1, 10, 24);
    // The right cap is drawn after the left one and overlaps it; what a fill of negative
    // width paints between them is the graphics library's business.
    EXPECT_EQ(surface.GetPixel(0, 10), kLeft);
    EXPECT_EQ(surface.GetPixel(4, 10), kRight);
    EXPECT_EQ(surface.GetPixel(5, 10), kRight);
    for (int x = 6; x < 10; ++x)
        EXPECT_EQ(surface.GetPixel(x, 10), 0u) << x;
}

TEST(NineGridImageStates, OmittedStatesCopyStateOneAndSuppliedOnesAreSliced)
{
    NineGridImage skin;
    const ByteArray hot = solidPng(7, 5, kRight);
    ASSERT_TRUE(skin.LoadStates(buttonFrame(), hot, ByteArray()));
    EXPECT_TRUE(skin.IsLoaded());
    EXPECT_EQ(skin.GetStateSize(1).width, 13);
    EXPECT_EQ(skin.GetStateSize(2).width, 7);
    EXPECT_EQ(skin.GetStateSize(3).width, 0);  // supplied empty: accepted, draws nothing
    EXPECT_EQ(skin.GetStateSize(4).width, 13);
    EXPECT_EQ(skin.GetStateSize(4).height, 24);
    EXPECT_EQ(skin.GetStateRecord(4).imageBytes, skin.GetStateRecord(1).imageBytes);
    EXPECT_EQ(skin.GetStateRecord(4).slices, skin.GetStateRecord(1).slices);
    EXPECT_TRUE(skin.GetStateRecord(2).isPlain);

    skin.SetBounds(0, 0, 20, 24);
    EXPECT_EQ(runsAlong(drawn(skin, 3, 20, 24), 4), (Runs { { 0, 20 } }));
    EXPECT_EQ(drawn(skin, 4, 20, 24).GetPixel(10, 4), kMiddle);
    EXPECT_EQ(drawn(skin, 2, 20, 24).GetPixel(6, 4), kRight);
    EXPECT_EQ(drawn(skin, 5, 20, 24).GetPixel(10, 4), 0u);
}

TEST(NineGridImageStates, MetricsDefaultOnlyWhenOmitted)
{
    NineGridImage skin;
    EXPECT_EQ(skin.GetCornerRadius(), 0);
    ASSERT_TRUE(skin.LoadStates(buttonFrame()));
    EXPECT_EQ(skin.GetCornerRadius(), 10);
    EXPECT_EQ(skin.GetShadowWidth(), 3);
    ASSERT_TRUE(skin.LoadStates(buttonFrame(), std::nullopt, std::nullopt, std::nullopt, 0, 0));
    EXPECT_EQ(skin.GetCornerRadius(), 0);
    EXPECT_EQ(skin.GetShadowWidth(), 0);
}

TEST(NineGridImageStates, LoadingResetsTheBounds)
{
    NineGridImage skin;
    skin.SetBounds(20, 20, 5, 5);
    ASSERT_TRUE(skin.LoadStates(solidPng(4, 4, kLeft)));
    EXPECT_EQ(drawn(skin, 1, 30, 30).GetPixel(0, 0), kLeft);
}

TEST(NineGridImageStates, AFailedLoadClearsThePreviousSkin)
{
    NineGridImage skin;
    ASSERT_TRUE(skin.LoadStates(buttonFrame()));
    EXPECT_FALSE(skin.LoadStates(ByteArray()));
    EXPECT_FALSE(skin.IsLoaded());
    EXPECT_EQ(skin.GetStateSize(1).width, 0);
    EXPECT_TRUE(skin.GetStateRecord(1).imageBytes.empty());
    skin.SetBounds(0, 0, 20, 24);
    EXPECT_EQ(runsAlong(drawn(skin, 1, 20, 24), 4), (Runs { { 0, 20 } }));

    const ByteArray junk = { 0x89, 'P', 'N', 'G', 0, 0, 0 };
    EXPECT_FALSE(skin.LoadStates(junk));
    EXPECT_FALSE(skin.IsLoaded());

    skin.LoadStates(buttonFrame());
    skin.Clear();
    EXPECT_FALSE(skin.IsLoaded());
    EXPECT_EQ(skin.GetCornerRadius(), 0);
    EXPECT_TRUE(skin.GetStateRecord(2).slices.empty());
}
