#include <gtest/gtest.h>

#include "drawing/Bitmap.h"
#include "imaging/ImageCodec.h"
#include "imaging/Pictures.h"
#include "imaging/SkinPictures.h"

namespace {
// Frame n (1-based) is filled with a colour of its own so cuts can be told apart.
std::uint32_t frameColour(int n)
{
    return 0xFF000000u | static_cast<std::uint32_t>(n * 40) << 8 | 0x20;
}

// 41 × 24 with dark-magenta separator columns 13 and 27, like the button skin.
ByteArray threeFrameStrip()
{
    return makePng(41, 24, [](int x, int) {
        if (x == 13 || x == 27)
            return kDarkMagenta;
        return frameColour(x < 13 ? 1 : x < 27 ? 2 : 3);
    });
}
}

TEST(ImageCodecStrip, CutsAtSeparatorColumnsOfTheGivenColour)
{
    ImageCodec codec;
    ASSERT_EQ(codec.LoadStrip(threeFrameStrip(), 0x7F007F), 3);
    EXPECT_EQ(codec.GetStripWidth(), 41);
    EXPECT_EQ(codec.GetStripHeight(), 24);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(codec.GetFrameWidth(n), 13);
        EXPECT_EQ(codec.GetFrameHeight(n), 24);
        const Bitmap frame = decode(codec.GetFrame(n));
        ASSERT_EQ(frame.GetWidth(), 13) << "frame " << n;
        // Every pixel of the frame is its own colour: no separator, no neighbour.
        for (int x = 0; x < 13; ++x)
            EXPECT_EQ(frame.GetPixel(x, 5), frameColour(n)) << "frame " << n << " column " << x;
    }
}

TEST(ImageCodecStrip, OtherColoursAndPicturesWithoutSeparatorsGiveOneFrame)
{
    ImageCodec codec;
    EXPECT_EQ(codec.LoadStrip(threeFrameStrip()), 1);  // magenta by default, and there is none
    EXPECT_EQ(codec.GetFrameWidth(1), 41);
    EXPECT_EQ(decode(codec.GetFrame(1)).GetPixel(13, 2), kDarkMagenta);
}

TEST(ImageCodecStrip, ASeparatorInColumnZeroStaysInTheFirstFrame)
{
    const ByteArray strip = makePng(10, 4, [](int x, int) { return x == 0 || x == 5 ? kMagenta : 0xFF00FF00; });
    ImageCodec codec;
    ASSERT_EQ(codec.LoadStrip(strip), 2);
    EXPECT_EQ(codec.GetFrameWidth(1), 5);
    EXPECT_EQ(codec.GetFrameWidth(2), 4);
    EXPECT_EQ(decode(codec.GetFrame(1)).GetPixel(0, 2), kMagenta);
}

TEST(ImageCodecStrip, EmptyOrUndecodableBytes)
{
    ImageCodec codec;
    codec.LoadStrip(threeFrameStrip(), 0x7F007F);
    EXPECT_EQ(codec.LoadStrip(ByteArray()), 0);
    EXPECT_EQ(codec.GetFrameCount(), 0);
    EXPECT_EQ(codec.GetStripWidth(), 0);

    const ByteArray junk = { 1, 2, 3, 4, 5 };
    EXPECT_EQ(codec.LoadStrip(junk), 1);
    EXPECT_EQ(codec.GetFrameWidth(1), 0);
    EXPECT_TRUE(codec.GetFrame(1).empty());
}

TEST(ImageCodecFrames, NumbersOutsideTheStripGiveNothing)
{
    ImageCodec codec;
    codec.LoadStrip(threeFrameStrip(), 0x7F007F);
    for (int n : { 0, -1, 4, 1000 }) {
        EXPECT_TRUE(codec.GetFrame(n).empty()) << n;
        EXPECT_EQ(codec.GetFrameWidth(n), 0) << n;
        EXPECT_EQ(codec.GetFrameHeight(n), 0) << n;
        EXPECT_FALSE(codec.RemoveFrame(n)) << n;
    }
    EXPECT_EQ(codec.GetFrameCount(), 3);
}

TEST(ImageCodecFrames, AddAndRemoveKeepTheTotals)
{
    ImageCodec codec;
    const ByteArray small = solidPng(10, 8, 0xFF112233);
    const ByteArray wide = solidPng(12, 8, 0xFF445566);
    EXPECT_EQ(codec.AddImage(ByteArray()), 0);
    EXPECT_EQ(codec.AddImage(small), 1);
    EXPECT_EQ(codec.AddImage(wide), 2);
    EXPECT_EQ(codec.GetStripWidth(), 22);
    EXPECT_EQ(codec.GetStripHeight(), 0);
    EXPECT_EQ(codec.GetFrame(2), wide);  // added pictures are kept byte for byte

    ImageCodec copy = codec;
    EXPECT_TRUE(codec.RemoveFrame(1));
    EXPECT_EQ(codec.GetFrameCount(), 1);
    EXPECT_EQ(codec.GetStripWidth(), 12);
    EXPECT_EQ(codec.GetFrame(1), wide);
    EXPECT_EQ(copy.GetFrameCount(), 2);  // copies are deep
    EXPECT_EQ(copy.GetFrame(1), small);

    codec.Clear();
    EXPECT_EQ(codec.GetFrameCount(), 0);
    EXPECT_TRUE(codec.GetFrame(1).empty());
}

TEST(ImageCodecFixedSplit, ByWidthAndByHeight)
{
    const ByteArray strip = makePng(40, 24, [](int x, int) { return frameColour(x / 10 + 1); });
    ImageCodec codec;
    ASSERT_EQ(codec.SplitByWidth(strip, 10), 4);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(codec.GetFrameWidth(n), 10);
        EXPECT_EQ(decode(codec.GetFrame(n)).GetPixel(9, 23), frameColour(n));
    }
    EXPECT_EQ(codec.SplitByWidth(strip, 0), 0);
    EXPECT_EQ(codec.GetStripWidth(), 40);

    ASSERT_EQ(codec.SplitByHeight(strip, 8), 3);
    EXPECT_EQ(codec.GetFrameWidth(2), 40);
    EXPECT_EQ(codec.GetFrameHeight(2), 8);
}

TEST(ImageCodecFixedSplit, MarkingTheCentreMakesNineGridFrames)
{
    const ByteArray strip = solidPng(40, 24, 0xFF808080);
    ImageCodec codec;
    ASSERT_EQ(codec.SplitByWidth(strip, 10, true), 4);
    const Bitmap frame = decode(codec.GetFrame(3));
    for (int x = 0; x < 10; ++x) {
        const bool marker = x == 4 || x == 6;
        EXPECT_EQ(frame.GetPixel(x, 1) == kMagenta, marker) << "column " << x;
    }
    for (int y = 0; y < 24; ++y) {
        const bool marker = y == 11 || y == 13;
        EXPECT_EQ(frame.GetPixel(1, y) == kMagenta, marker) << "row " << y;
    }
}

// Frames are encoded on first use from the strip's pixels; their bytes must be exactly those
// of cutting the same area from the decoded strip and saving it as PNG.
TEST(ImageCodecStrip, FramesAreByteForByteTheCutAndEncodedAreas)
{
    struct StripCase {
        const EmbeddedFile* picture;
        std::uint32_t separator;
        int frames;
    };
    const StripCase cases[] = { { &kCheckBoxStrip, 0xFF00FF, 6 }, { &kRadioStrip, 0x7F007F, 5 },
        { &kButtonSkin, 0x7F007F, 3 }, { &kMessageBoxIcons, 0xFF00FF, 4 }, { &kCaptionButtons, 0x7F007F, 30 },
        { &kCaptionButtonsAlt, 0xFF00FF, 18 } };
    for (const StripCase& c : cases) {
        ImageCodec codec;
        ASSERT_EQ(codec.LoadStrip(c.picture->bytes(), c.separator), c.frames);
        Bitmap strip;
        ASSERT_TRUE(strip.LoadFromBytes(c.picture->bytes()));
        int left = 0;
        for (int n = 1; n <= c.frames; ++n) {
            const int width = codec.GetFrameWidth(n);
            Bitmap cut;
            ASSERT_TRUE(strip.CloneArea({ float(left), 0, float(width), float(strip.GetHeight()) },
                PixelFormat32bppARGB, cut));
            EXPECT_EQ(codec.GetFrame(n), cut.SaveToBytes(kPngFormat)) << "frame " << n << " of " << c.frames;
            // Asked again, the frame gives the same bytes.
            EXPECT_EQ(codec.GetFrame(n), codec.GetFrame(n));
            left += width + 1;
        }
    }
}
