#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "TestSupport.h"
#include "controls/CaptionBarLayout.h"

TEST(CaptionBarLayout, PlacesRowsAndColumnsAndHitsOnlyEnabledItems)
{
    const std::vector<CaptionCell> five(4, CaptionCell { 28, 20 });
    std::vector<CaptionCell> window = five;
    window.push_back({ 42, 20 });
    std::vector<CaptionCell> mixed { { 10, 6 }, { 20, 12, true }, { 8, 4 } };
    struct Case {
        const std::vector<CaptionCell>* cells;
        int width, height, spacing;
        bool vertical;
        std::vector<RECT> rects;
        SIZE strip;
    };
    const Case cases[] = {
        { &window, 154, 21, 0, false,
            { { 0, 0, 28, 20 }, { 28, 0, 56, 20 }, { 56, 0, 84, 20 }, { 84, 0, 112, 20 }, { 112, 0, 154, 20 } },
            { 154, 20 } },
        { &mixed, 60, 20, 3, false, { { 0, 7, 10, 13 }, { 13, 4, 33, 16 }, { 36, 8, 44, 12 } }, { 44, 12 } },
        { &mixed, 20, 60, 2, true, { { 5, 0, 15, 6 }, { 0, 8, 20, 20 }, { 6, 22, 14, 26 } }, { 20, 26 } },
        // Wider items than the control start left of it rather than being squeezed.
        { &mixed, 10, 10, 0, true, { { 0, 0, 10, 6 }, { -5, 6, 15, 18 }, { 1, 18, 9, 22 } }, { 20, 22 } },
    };
    for (const Case& c : cases) {
        const std::vector<RECT> rects = layoutCaptionCells(*c.cells, c.width, c.height, c.spacing, c.vertical);
        ASSERT_EQ(rects.size(), c.rects.size());
        for (size_t i = 0; i < rects.size(); ++i)
            EXPECT_TRUE(sameRect(rects[i], c.rects[i])) << "item " << i + 1 << " spacing " << c.spacing;
        const SIZE strip = captionStripSize(*c.cells, c.spacing, c.vertical);
        EXPECT_EQ(strip.cx, c.strip.cx);
        EXPECT_EQ(strip.cy, c.strip.cy);
    }
    EXPECT_EQ(captionStripSize({}, 5, false).cx, 0);

    const std::vector<RECT> row = layoutCaptionCells(window, 154, 21, 0, false);
    const std::vector<RECT> gapped = layoutCaptionCells(mixed, 60, 20, 3, false);
    const struct {
        const std::vector<CaptionCell>* cells;
        const std::vector<RECT>* rects;
        int x, y, item;
    } hits[] = {
        { &window, &row, 0, 0, 1 },
        { &window, &row, 28, 20, 1 },
        { &window, &row, 29, 10, 2 },
        { &window, &row, 154, 20, 5 },
        { &window, &row, 155, 10, 0 },
        { &window, &row, 10, 21, 0 },
        { &window, &row, -1, 5, 0 },
        // The gap belongs to nobody, and a disabled item is never hit.
        { &mixed, &gapped, 11, 10, 0 },
        { &mixed, &gapped, 20, 10, 0 },
        { &mixed, &gapped, 40, 10, 3 },
    };
    for (const auto& hit : hits)
        EXPECT_EQ(captionCellAt(*hit.cells, *hit.rects, hit.x, hit.y), hit.item) << hit.x << "," << hit.y;
}
