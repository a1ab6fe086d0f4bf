#include <gtest/gtest.h>

#include <cstring>

#include "core/Runtime.h"
#include "drawing/Bitmap.h"
#include "imaging/Pictures.h"
#include "imaging/SkinImage.h"
#include "TestSupport.h"

namespace {
constexpr std::uint32_t kGreen = 0xFF00FF00;

// Grows a PNG to exactly `total` bytes with a private ancillary chunk before IEND, which
// decoders skip.
ByteArray paddedPng(ByteArray png, std::size_t total)
{
    const std::size_t iend = png.size() - 12;
    const std::size_t dataSize = total - png.size() - 12;
    ByteArray chunk = { std::uint8_t(dataSize >> 24), std::uint8_t(dataSize >> 16), std::uint8_t(dataSize >> 8),
        std::uint8_t(dataSize), 'p', 'r', 'V', 't' };
    chunk.resize(8 + dataSize, 0);
    const std::uint32_t crc = pngChunkCrc(chunk.data() + 4, chunk.size() - 4);
    for (int shift : { 24, 16, 8, 0 })
        chunk.push_back(std::uint8_t(crc >> shift));
    png.insert(png.begin() + static_cast<std::ptrdiff_t>(iend), chunk.begin(), chunk.end());
    return png;
}

ByteArray withMarkerAt(int width, int height, int mx, int my)
{
    return makePng(width, height, [=](int x, int y) { return x == mx && y == my ? kMagenta : kGreen; });
}
}

TEST(NineGridMarkerTest, AnyMarkerInTheSecondRowOrColumnOfAPng)
{
    struct Case {
        int x, y;
        bool expected;
    };
    const Case cases[] = {
        { 1, 10, true }, { 1, 18, true }, { 15, 1, true }, { 1, 1, true }, { 19, 1, true },
        { 0, 1, false }, { 2, 2, false }, { 19, 0, false }, { 10, 19, false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(hasNineGridMarkers(withMarkerAt(20, 20, c.x, c.y)), c.expected) << c.x << "," << c.y;
    EXPECT_FALSE(hasNineGridMarkers(solidPng(20, 20, kGreen)));
    EXPECT_FALSE(hasNineGridMarkers(ByteArray()));
}

TEST(NineGridMarkerTest, OnlyPngsUpToTheSizeLimitQualify)
{
    const ByteArray png = withMarkerAt(20, 20, 1, 18);
    ASSERT_TRUE(hasNineGridMarkers(paddedPng(png, 1024000)));
    const ByteArray tooBig = paddedPng(png, 1024001);
    ASSERT_EQ(tooBig.size(), 1024001u);
    EXPECT_EQ(decode(tooBig).GetWidth(), 20);
    EXPECT_FALSE(hasNineGridMarkers(tooBig));

    // The same pixels as a bitmap file: lossless, so only the format can disqualify it.
    Bitmap picture = decode(png);
    const ByteArray bmp = picture.SaveToBytes(L"{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}");
    ASSERT_FALSE(bmp.empty());
    ASSERT_EQ(decode(bmp).GetPixel(1, 18), kMagenta);
    EXPECT_FALSE(hasNineGridMarkers(bmp));
}

TEST(SampleColourTest, ReturnsOnePixelInRgbByteOrder)
{
    EXPECT_EQ(sampleColour(solidPng(9, 7, 0xFF123456)), 0x563412u);
    EXPECT_EQ(sampleColour(ByteArray { 1, 2, 3 }), 0u);

    const ByteArray halves = makePng(8, 8, [](int x, int) { return x < 4 ? 0xFFFF0000 : 0xFF0000FF; });
    const std::uint32_t sample = sampleColour(halves);
    EXPECT_TRUE(sample == 0x0000FF || sample == 0xFF0000) << std::hex << sample;  // a pixel, not an average
}

TEST(SampleColourTest, AFileNameReplacesTheBytes)
{
    const std::wstring path = freshFolder(L"sample colour") + L"picture.png";
    ASSERT_TRUE(writeFile(path, { solidPng(3, 3, 0xFF0A0B0C) }));
    ByteArray picture = solidPng(3, 3, kGreen);
    EXPECT_EQ(sampleColour(picture, path), 0x0C0B0Au);
    EXPECT_EQ(picture, readFile(path));
}

TEST(EdgeFadeTest, DefaultsFadeThirtyPercentOfTheWidthOnTheRightAndBottom)
{
    const ByteArray faded = edgeFade(solidPng(100, 50, kGreen), std::nullopt, 0x0000FF);
    const Bitmap result = decode(faded);
    ASSERT_EQ(result.GetWidth(), 100);
    ASSERT_EQ(result.GetHeight(), 50);
    // The right fill starts at column 71, the bottom one at row 21; both use size 30.
    EXPECT_EQ(result.GetPixel(70, 10), kGreen);
    EXPECT_NE(result.GetPixel(72, 10), kGreen);
    EXPECT_EQ(result.GetPixel(10, 20), kGreen);
    EXPECT_NE(result.GetPixel(10, 22), kGreen);
    // Towards the edges the colour takes over.
    const std::uint32_t corner = result.GetPixel(99, 25);
    EXPECT_GT((corner >> 16) & 0xFF, 200u);
    EXPECT_LT((corner >> 8) & 0xFF, 40u);
    const std::uint32_t bottom = result.GetPixel(30, 49);
    EXPECT_GT((bottom >> 16) & 0xFF, 200u);
}

TEST(EdgeFadeTest, ModeZeroFadesTheLeftEdgeInstead)
{
    const Bitmap result = decode(edgeFade(solidPng(100, 50, kGreen), 20, 0xFF0000, 0));
    EXPECT_GT(result.GetPixel(0, 10) & 0xFF, 200u);
    EXPECT_EQ(result.GetPixel(21, 10), kGreen);
    EXPECT_EQ(result.GetPixel(99, 10), kGreen);
    EXPECT_NE(result.GetPixel(50, 49), kGreen);
}

TEST(EdgeFadeTest, UndecodablePicturesGiveNoPicture)
{
    const ByteArray faded = edgeFade(ByteArray { 9, 9, 9 });
    EXPECT_EQ(decode(faded).GetWidth(), 0);
}
