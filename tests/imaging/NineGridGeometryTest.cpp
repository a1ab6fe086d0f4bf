#include <gtest/gtest.h>

#include <set>

#include "imaging/NineGridGeometry.h"

namespace {
MarkerPair markersAt(int length, std::set<int> positions)
{
    return findMarkers(length, [&](int at) {
        EXPECT_GE(at, 1);
        EXPECT_LT(at, length);
        return positions.count(at) > 0;
    });
}

constexpr SliceRect kZero {};
}

TEST(NineGridMarkers, FoundFromTheCentreOutwards)
{
    struct Case {
        int length;
        std::set<int> markers;
        MarkerPair expected;
    };
    const Case cases[] = {
        { 13, { 5, 7 }, { 5, 7 } },
        { 13, {}, { 13, 13 } },
        { 13, { 0 }, { 13, 13 } },  // column 0 is never looked at
        { 13, { 3 }, { 3, 3 } },  // a single marker on either side stands for both
        { 13, { 10 }, { 10, 10 } },
        { 20, { 2, 4 }, { 2, 4 } },  // two on the same side are both found and ordered
        { 20, { 12, 15 }, { 12, 15 } },
        { 20, { 1, 3, 8, 12, 17 }, { 8, 12 } },  // those further out are ignored
        { 20, { 10 }, { 10, 10 } },  // the centre itself is the left probe's first look
        { 2, { 1 }, { 1, 1 } },
        { 1, {}, { 1, 1 } },
        { 0, {}, { 0, 0 } },
    };
    for (const Case& c : cases) {
        const MarkerPair found = markersAt(c.length, c.markers);
        EXPECT_EQ(found.low, c.expected.low) << "length " << c.length;
        EXPECT_EQ(found.high, c.expected.high) << "length " << c.length;
    }
}

TEST(NineGridSlices, ButtonFrameWithMarkerColumnsOnly)
{
    const NineSlices s = sliceNineGrid(13, 24, { 5, 7 }, { 24, 24 });
    EXPECT_EQ(s[0], (SliceRect { 0, 0, 4, 24 }));
    EXPECT_EQ(s[2], (SliceRect { 8, 0, 5, 24 }));
    EXPECT_EQ(s[5], (SliceRect { 6, 0, 1, 24 }));
    for (int n : { 1, 3, 4, 6, 7, 8 })
        EXPECT_EQ(s[n], kZero) << "slice " << n + 1;
}

TEST(NineGridSlices, BothDirectionsGiveNineSlicesThatSkipTheMarkers)
{
    const NineSlices s = sliceNineGrid(30, 20, { 10, 14 }, { 6, 9 });
    const SliceRect expected[9] = {
        { 0, 0, 9, 5 }, { 0, 10, 9, 10 }, { 15, 0, 15, 5 }, { 15, 10, 15, 10 },
        { 0, 7, 9, 2 }, { 11, 0, 3, 5 }, { 15, 7, 15, 2 }, { 11, 10, 3, 10 }, { 11, 7, 3, 2 },
    };
    for (int n = 0; n < 9; ++n)
        EXPECT_EQ(s[n], expected[n]) << "slice " << n + 1;
}

TEST(NineGridSlices, RowMarkersOnlyGiveTopBottomAndMiddleBand)
{
    const NineSlices s = sliceNineGrid(16, 30, { 16, 16 }, { 10, 12 });
    EXPECT_EQ(s[0], (SliceRect { 0, 0, 16, 9 }));
    EXPECT_EQ(s[1], (SliceRect { 0, 13, 16, 17 }));
    EXPECT_EQ(s[4], (SliceRect { 0, 11, 16, 1 }));
    // The bottom-right corner comes out one pixel narrower than nothing and is never drawn.
    EXPECT_EQ(s[3].width, -1);
    EXPECT_FALSE(s[3].isDrawable());
    for (int n : { 2, 5, 6, 7, 8 })
        EXPECT_EQ(s[n], kZero) << "slice " << n + 1;
}

TEST(NineGridSlices, SingleMarkerLeavesNoMiddleColumn)
{
    const NineSlices s = sliceNineGrid(13, 24, { 4, 4 }, { 24, 24 });
    EXPECT_EQ(s[0], (SliceRect { 0, 0, 3, 24 }));
    EXPECT_EQ(s[2], (SliceRect { 5, 0, 8, 24 }));
    EXPECT_EQ(s[5], kZero);
}

TEST(NineGridDestinations, CornersKeepTheirSizeAndTheRestFills)
{
    const NineSlices s = sliceNineGrid(30, 20, { 10, 14 }, { 6, 9 });
    const auto d = nineGridDestinations(5, 7, 100, 60, s);
    auto same = [](const DestinationRect& r, double x, double y, double w, double h) {
        return r.x == x && r.y == y && r.width == w && r.height == h;
    };
    EXPECT_TRUE(same(d[0], 5, 7, 9, 5));
    EXPECT_TRUE(same(d[1], 5, 57, 9, 10));
    EXPECT_TRUE(same(d[2], 90, 7, 15, 5));
    EXPECT_TRUE(same(d[3], 90, 57, 15, 10));
    EXPECT_TRUE(same(d[4], 5, 12, 9, 45));
    EXPECT_TRUE(same(d[5], 14, 7, 76, 5));
    EXPECT_TRUE(same(d[6], 90, 12, 15, 45));
    EXPECT_TRUE(same(d[7], 14, 57, 76, 10));
    EXPECT_TRUE(same(d[8], 14, 12, 76, 45));

    // Bounds smaller than the corners: corners keep their size, the fills go negative.
    const auto small = nineGridDestinations(0, 0, 10, 8, s);
    EXPECT_TRUE(same(small[2], -5, 0, 15, 5));
    EXPECT_EQ(small[8].width, 10 - 9 - 15);
}
