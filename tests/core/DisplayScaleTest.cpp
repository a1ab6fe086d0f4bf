#include <gtest/gtest.h>

#include <climits>

#include "core/DisplayScale.h"

TEST(DisplayScale, FiguresRoundOnceHalfAwayFromZeroAndLinesKeepAPixel)
{
    struct Case {
        int px;
        int dpi;
        int figure;
        int line;
    };
    const Case cases[] = {
        { 13, 144, 20, 20 }, { -13, 144, -20, 0 },  // 19.5; a line without width stays so
        { 2, 120, 3, 3 }, { -2, 120, -3, 0 }, { 1, 144, 2, 2 }, { 3, 144, 5, 5 },  // 2.5, 1.5, 4.5
        { 3, 120, 4, 4 }, { 5, 120, 6, 6 }, { 3, 72, 2, 2 },  // 3.75, 6.25, 2.25
        { 321, 144, 482, 482 }, { 150, 144, 225, 225 }, { 321, 120, 401, 401 }, { 150, 120, 188, 188 },
        { 7, 96, 7, 7 }, { 0, 192, 0, 0 }, { 1, 48, 1, 1 }, { 1, 47, 0, 1 }, { 3, 40, 1, 1 }, { 5, 40, 2, 2 },
        { 5, 0, 5, 5 }, { 5, -120, 5, 5 },  // a DPI the system did not tell counts as 96
        { INT_MAX, 96, INT_MAX, INT_MAX }, { INT_MIN, 96, INT_MIN, 0 }, { INT_MAX, 48, 1073741824, 1073741824 },
        { INT_MAX, 192, INT_MAX, INT_MAX }, { INT_MIN, 192, INT_MIN, 0 }, { INT_MAX, INT_MAX, INT_MAX, INT_MAX },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(scaled(c.px, DisplayScale(c.dpi)), c.figure) << c.px << " px at " << c.dpi << " DPI";
        EXPECT_EQ(scaledLineWidth(c.px, DisplayScale(c.dpi)), c.line) << c.px << " px line at " << c.dpi << " DPI";
    }
}
