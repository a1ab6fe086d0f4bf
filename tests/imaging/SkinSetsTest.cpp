#include <gtest/gtest.h>

#include "imaging/SkinSetChoice.h"

TEST(SkinSetChoice, TheNearestSetAtOrAboveTheScale)
{
    struct Case {
        int dpi;
        int set;
        SkinResize resize;
    };
    const Case cases[] = {
        { 96, 0, SkinResize::None }, { 0, 0, SkinResize::None }, { 72, 0, SkinResize::Down },
        { 97, 1, SkinResize::Down }, { 120, 1, SkinResize::Down }, { 144, 1, SkinResize::None },
        { 145, 2, SkinResize::Down }, { 168, 2, SkinResize::Down }, { 192, 2, SkinResize::None },
        { 193, 2, SkinResize::Up }, { 288, 2, SkinResize::Up },
    };
    for (const Case& c : cases)
        EXPECT_EQ(chooseSkinSet(DisplayScale(c.dpi)), (SkinSetChoice { c.set, c.resize })) << c.dpi << " DPI";
}
