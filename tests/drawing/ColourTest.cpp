#include <gtest/gtest.h>

#include "drawing/Colour.h"

TEST(Colour, RgbAndArgbSwapRedAndBlueAndCarryAlphaOnTop)
{
    struct Case {
        std::uint32_t rgb;
        std::uint32_t alpha;
        std::uint32_t argb;
    };
    const Case cases[] = {
        { 0x0000FF, 255, 0xFFFF0000 },  // red lives in the low byte of 0x00BBGGRR
        { 0xFF0000, 255, 0xFF0000FF },
        { 0x22CADD, 128, 0x80DDCA22 },
        { 0x7F007F, 0, 0x007F007F },
        { 0xFFFFFFFF, 255, 0xFFFFFFFF },  // a stray top byte never leaks into alpha
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toArgb(c.rgb, c.alpha), c.argb) << std::hex << c.rgb;
        int alpha = -1;
        EXPECT_EQ(fromArgb(c.argb, &alpha), c.rgb & 0xFFFFFF) << std::hex << c.argb;
        EXPECT_EQ(alpha, static_cast<int>(c.alpha));
    }
    EXPECT_EQ(toArgb(0x123456), 0xFF563412u);
    EXPECT_EQ(fromArgb(0x80563412), 0x123456u);
}
