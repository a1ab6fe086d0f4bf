#include <gtest/gtest.h>

#include <climits>

#include "core/ValueFunctions.h"

TEST(NumberToText, DoublesUseThirteenSignificantDigitsShortest)
{
    EXPECT_EQ(numberToText(5.0), L"5");
    EXPECT_EQ(numberToText(0.1 + 0.2), L"0.3");
    EXPECT_EQ(numberToText(-2.5), L"-2.5");
    EXPECT_EQ(numberToText(1e20), L"1e+20");
    EXPECT_EQ(numberToText(1234567890123.0), L"1234567890123");
    EXPECT_EQ(numberToText(1.0f / 3.0f), L"0.333333");
    EXPECT_EQ(numberToText(-42), L"-42");
}

TEST(FloorToInteger, SnapsOnlyWithinOneTrillionthAwayFromZero)
{
    struct Case { double x; int expected; };
    const Case cases[] = {
        {2.9999999999999, 3}, {2.999999999, 2}, {3.0, 3}, {2.5, 2}, {0.0, 0},
        {-2.5, -3}, {-2.0000000000001, -3}, {-2.9999999999999, -3}, {-1e-13, -1}, {1e-13, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(floorToInteger(c.x), c.expected) << c.x;
}

TEST(Arithmetic, DivisionTruncatesAndShiftsUseLowFiveBits)
{
    EXPECT_EQ(integerDivide(7, 2), 3);
    EXPECT_EQ(integerDivide(-7, 2), -3);
    EXPECT_EQ(integerDivide(INT_MIN, -1), INT_MIN);
    EXPECT_DOUBLE_EQ(floatRemainder(-7, 3), -1);
    EXPECT_DOUBLE_EQ(floatRemainder(7.5, -2), 1.5);
    EXPECT_EQ(shiftRight(-8, 1), -4);
    EXPECT_EQ(shiftRight(-8, 33), -4);
    EXPECT_EQ(shiftLeft(1, 31), INT_MIN);
    EXPECT_EQ(shiftLeft(3, 32), 3);
}

TEST(ColourFromComponents, MasksOnlyGreen)
{
    EXPECT_EQ(colourFromComponents(0x10, 0x20, 0x30), 0x302010);
    EXPECT_EQ(colourFromComponents(0x10, 0x1FF, 0x30), 0x30FF10);
    EXPECT_EQ(colourFromComponents(0x110, 0, 0), 0x110);
}

TEST(TextFunctions, BytesAreSignedAndPositionsOneBased)
{
    EXPECT_EQ(spaces(3), "   ");
    EXPECT_EQ(spaces(0), "");
    EXPECT_EQ(spaces(-4), "");
    const std::string gbk = "A\xC4\xE3";
    EXPECT_EQ(characterCode(gbk), 65);
    EXPECT_EQ(characterCode(gbk, 2), -60);
    EXPECT_EQ(characterCode(gbk, 4), 0);
    EXPECT_EQ(characterCode(gbk, 0), 0);
    EXPECT_EQ(textMiddle("abcdef", 2, 3), "bcd");
    EXPECT_EQ(textMiddle("abcdef", 5, 10), "ef");
    EXPECT_EQ(textMiddle("abcdef", 7, 1), "");
    EXPECT_EQ(textMiddle("abcdef", 0, 2), "");
    EXPECT_EQ(textMiddle("abcdef", 1, 0), "");
}

TEST(ByteFunctions, SubArraysAreClipped)
{
    const ByteArray bytes = {1, 2, 3, 4, 5};
    EXPECT_EQ(zeroBytes(3), ByteArray({0, 0, 0}));
    EXPECT_TRUE(zeroBytes(0).empty());
    EXPECT_EQ(bytesMiddle(bytes, 4, 9), ByteArray({4, 5}));
    EXPECT_TRUE(bytesMiddle(bytes, 6, 1).empty());
    EXPECT_EQ(bytesRight(bytes, 2), ByteArray({4, 5}));
    EXPECT_EQ(bytesRight(bytes, 9), bytes);
    EXPECT_TRUE(bytesRight(bytes, 0).empty());
    const int word = 0x01020304;
    EXPECT_EQ(memoryToBytes(&word, 4), ByteArray({4, 3, 2, 1}));
}

TEST(ReadValueFromBytes, MissingTrailingBytesReadAsZero)
{
    const ByteArray bytes = {0x34, 0x12, 0xFF, 0xFF, 'h', 'i', 0, 'x'};
    EXPECT_EQ(readValueFromBytes(bytes, 1).integer, 0x34);
    EXPECT_EQ(readValueFromBytes(bytes, 2).integer, 0x1234);
    EXPECT_EQ(readValueFromBytes(bytes, 3).integer, static_cast<int>(0xFFFF1234));
    EXPECT_EQ(readValueFromBytes(bytes, 2, 3).integer, -1);
    EXPECT_EQ(readValueFromBytes(bytes, 3, 7).integer, 'x' << 8);
    EXPECT_EQ(readValueFromBytes(bytes, 3, 9).integer, 0);
    EXPECT_EQ(readValueFromBytes(bytes, 10, 5).text, "hi");
    EXPECT_EQ(readValueFromBytes(bytes, 10, 8).text, "x");
    EXPECT_DOUBLE_EQ(readValueFromBytes({0, 0, 0x80, 0x3F}, 5).real, 1.0);
}
