#include <gtest/gtest.h>

#include <functional>

#include "TestSupport.h"
#include "drawing/Bitmap.h"
#include "drawing/Graphics.h"
#include "drawing/ImageAttributes.h"
#include "drawing/LiveObjects.h"
#include "imaging/Pictures.h"

namespace {
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kGrey = 0xFF808080;
constexpr wchar_t kTiffFormat[] = L"{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}";
constexpr wchar_t kNoSuchFormat[] = L"{00000000-1111-2222-3333-444444444444}";

// Every test must give back every native object it made.
class LeakFreeTest : public testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(liveNativeObjects(), m_before); }

private:
    int m_before = liveNativeObjects();
};
using ImageLoading = LeakFreeTest;
using ImageEncoding = LeakFreeTest;
using ImageFrames = LeakFreeTest;
using ImageAttributesDrawing = LeakFreeTest;
using BitmapPixels = LeakFreeTest;
using BitmapRotation = LeakFreeTest;

std::uint32_t gradient(int x, int y)
{
    return 0xFF000000 | (x * 5) << 16 | (y * 9) << 8 | 0x40;
}

Bitmap pictureOf(int width, int height, const std::function<std::uint32_t(int, int)>& argbAt)
{
    Bitmap bitmap;
    bitmap.Create(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(x, y, argbAt(x, y));
    }
    return bitmap;
}

// Two 1 × 1 frames, black for 10/100 s then red for 20/100 s.
const ByteArray kAnimatedGif = { 'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 0xFF, 0, 0,
    0x21, 0xF9, 4, 0, 10, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0,
    0x21, 0xF9, 4, 0, 20, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x4C, 0x01, 0, 0x3B };
}

TEST_F(ImageLoading, KeepsItsOwnCopyOfTheBytes)
{
    Image image;
    Bitmap bitmap;
    {
        ByteArray png = makePng(41, 24, gradient);
        ASSERT_TRUE(image.LoadFromBytes(png));
        ASSERT_TRUE(bitmap.LoadFromBytes(png));
        png.assign(png.size(), 0);
    }
    EXPECT_EQ(image.GetWidth(), 41);
    EXPECT_EQ(image.GetHeight(), 24);
    EXPECT_EQ(bitmap.GetPixel(40, 23), gradient(40, 23));
}

TEST_F(ImageLoading, UndecodableBytesLeaveItEmptyAndDisposeIsOnce)
{
    Bitmap bitmap;
    EXPECT_FALSE(bitmap.LoadFromBytes(ByteArray{ 1, 2, 3 }));
    EXPECT_FALSE(bitmap);
    EXPECT_NE(lastStatus(), 0);
    ASSERT_TRUE(bitmap.LoadFromBytes(solidPng(2, 2, kRed)));
    EXPECT_TRUE(bitmap.Dispose());
    recordStatus(flat::Win32Error);
    EXPECT_FALSE(bitmap.Dispose());
    EXPECT_EQ(lastStatus(), 7) << "an empty wrapper calls nothing";
}

TEST_F(BitmapPixels, PointsOutsideThePictureReadAsZero)
{
    const Bitmap bitmap = pictureOf(5, 4, [](int, int) { return kRed; });
    for (const auto& [x, y] : { std::pair{ 5, 0 }, { 5, 3 }, { -1, 0 }, { 0, 4 } })
        EXPECT_EQ(bitmap.GetPixel(x, y), 0u) << x << "," << y;
}

TEST_F(BitmapPixels, CloningAnAreaGivesTheTargetThatArea)
{
    const Bitmap source = pictureOf(41, 24, gradient);
    Bitmap area;
    ASSERT_TRUE(source.CloneArea(RectF(0, 0, 13, 24), 0x26200A, area));
    EXPECT_EQ(area.GetWidth(), 13);
    EXPECT_EQ(area.GetHeight(), 24);
    EXPECT_EQ(area.GetPixel(12, 23), gradient(12, 23));
    ASSERT_TRUE(source.CloneAreaI(flat::GpRect(20, 4, 13, 20), 0x26200A, area));
    EXPECT_EQ(area.GetPixel(0, 0), gradient(20, 4));
}

TEST_F(BitmapPixels, LockedBitsAreThePicture)
{
    Bitmap bitmap = pictureOf(3, 2, [](int, int) { return kRed; });
    flat::BitmapData data{};
    const flat::GpRect secondRow(0, 1, 3, 1);
    ASSERT_TRUE(
        bitmap.LockBits(&secondRow, flat::ImageLockModeRead | flat::ImageLockModeWrite, PixelFormat32bppARGB, data));
    static_cast<std::uint32_t*>(data.Scan0)[2] = kBlue;
    ASSERT_TRUE(bitmap.UnlockBits(data));
    EXPECT_EQ(bitmap.GetPixel(2, 1), kBlue);
    EXPECT_EQ(bitmap.GetPixel(2, 0), kRed);
}

TEST_F(ImageEncoding, SavedBytesAreExactlyWhatTheEncoderWrote)
{
    const Bitmap bitmap = pictureOf(7, 5, gradient);
    const ByteArray png = bitmap.SaveToBytes(kPngFormat);
    ASSERT_GT(png.size(), 12u);
    const ByteArray iend = { 0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82 };
    EXPECT_EQ(ByteArray(png.end() - 12, png.end()), iend);
    EXPECT_EQ(bitmap.SaveToBytes(kPngFormat), png);
    const Bitmap decoded = decode(png);
    EXPECT_EQ(decoded.GetPixel(6, 4), gradient(6, 4));
    EXPECT_EQ(decoded.SaveToBytes(), png) << "a loaded picture saves in its own format";
}

TEST_F(ImageEncoding, FormatsWithoutAnEncoderGiveNothing)
{
    const Bitmap bitmap = pictureOf(2, 2, gradient);
    const std::wstring path = freshFolder(L"image encoding") + L"never.png";
    EXPECT_TRUE(bitmap.SaveToBytes(kNoSuchFormat).empty());
    EXPECT_TRUE(bitmap.SaveToBytes().empty()) << "nothing encodes a picture made in memory";
    EXPECT_FALSE(bitmap.SaveToFile(path, kNoSuchFormat));
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(bitmap.GetEncoderParameterList(kNoSuchFormat).empty());
}

TEST_F(ImageEncoding, EncoderClsidMatchesTheFormatCaseSensitively)
{
    std::wstring pngClsid;
    for (const ImageEncoderInfo& encoder : Image::GetImageEncoders()) {
        if (encoder.mimeType == L"image/png")
            pngClsid = encoder.clsid;
    }
    EXPECT_FALSE(pngClsid.empty());
    EXPECT_EQ(Image::GetEncoderClsid(kPngFormat), pngClsid);
    std::wstring lower = kPngFormat;
    for (wchar_t& c : lower)
        c = towlower(c);
    EXPECT_EQ(Image::GetEncoderClsid(lower), L"");
}

TEST_F(ImageFrames, PagesAddedToAFileCanBeSelected)
{
    const std::wstring path = freshFolder(L"image frames") + L"two pages.tif";
    Bitmap first = pictureOf(4, 3, [](int, int) { return kGreen; });
    ULONG saveFlag = Gdiplus::EncoderValueMultiFrame;
    flat::EncoderParameters parameters{};
    parameters.Count = 1;
    parameters.Parameter[0] = { Gdiplus::EncoderSaveFlag, 1, Gdiplus::EncoderParameterValueTypeLong, &saveFlag };
    ASSERT_TRUE(first.SaveToFile(path, kTiffFormat, &parameters));
    saveFlag = Gdiplus::EncoderValueFrameDimensionPage;
    ASSERT_TRUE(first.SaveAddImage(pictureOf(4, 3, [](int, int) { return kBlue; }), &parameters));
    saveFlag = Gdiplus::EncoderValueFlush;
    ASSERT_TRUE(first.SaveAdd(&parameters));

    Bitmap loaded;
    ASSERT_TRUE(loaded.LoadFromFile(path));
    EXPECT_EQ(loaded.GetFrameDimensionsList(), std::vector<std::wstring>{ kFrameDimensionPage });
    EXPECT_EQ(loaded.GetFrameCount(kFrameDimensionPage), 2);
    ASSERT_TRUE(loaded.SelectActiveFrame(kFrameDimensionPage, 1));
    EXPECT_EQ(loaded.GetPixel(3, 2), kBlue);
    ASSERT_TRUE(loaded.SelectActiveFrame(kFrameDimensionPage, 0));
    EXPECT_EQ(loaded.GetPixel(3, 2), kGreen);
    // TIFF tag 0x100 is the image width.
    EXPECT_EQ(static_cast<int>(loaded.GetPropertyIdList().size()), loaded.GetPropertyCount());
    const ImagePropertyItem width = loaded.GetPropertyItem(0x100);
    ASSERT_FALSE(width.value.empty());
    EXPECT_EQ(width.value[0], 4);
}

TEST_F(ImageFrames, AnimationDelaysAndFramesInTime)
{
    Bitmap animation;
    ASSERT_TRUE(animation.LoadFromBytes(kAnimatedGif));
    EXPECT_EQ(animation.GetFrameCount(kFrameDimensionTime), 2);
    EXPECT_EQ(animation.GetFrameDelays(), (std::vector<int>{ 10, 20 }));
    ASSERT_TRUE(animation.SelectActiveFrame(kFrameDimensionTime, 1));
    EXPECT_EQ(animation.GetPixel(0, 0), kRed);
    EXPECT_FALSE(animation.SelectActiveFrame(kFrameDimensionTime, 2));

    const Bitmap still = pictureOf(2, 2, gradient);
    EXPECT_TRUE(still.GetFrameDelays().empty());
    EXPECT_EQ(lastStatus(), 19) << "property not found";
    EXPECT_EQ(still.GetFrameCount(L"not a guid"), 0);
    EXPECT_NE(lastStatus(), 0);
}

TEST_F(ImageFrames, PalettesRoundTrip)
{
    Bitmap indexed;
    ASSERT_TRUE(indexed.Create(4, 4, 0x30803));
    const ImagePalette palette{ 0, { 0xFF112233, kRed, 0x80FFFFFF } };
    ASSERT_TRUE(indexed.SetPalette(palette));
    EXPECT_EQ(indexed.GetPalette().entries, palette.entries);
    // A count larger than the block holds must not read past it.
    EXPECT_EQ(paletteFromWords({ 0, 5, kRed, kBlue }).entries, (std::vector<std::uint32_t>{ kRed, kBlue }));
    EXPECT_TRUE(paletteFromWords({ 7 }).entries.empty());
}

TEST_F(ImageFrames, ACloneOutlivesTheOriginalsStream)
{
    Bitmap original;
    ASSERT_TRUE(original.LoadFromBytes(makePng(3, 3, gradient)));
    Bitmap copy;
    ASSERT_TRUE(original.Clone(copy));
    original.Dispose();
    EXPECT_EQ(copy.GetPixel(2, 1), gradient(2, 1));
}

TEST(BitmapRotationSize, BoundingBoxOfTheTurnedPicture)
{
    struct Case {
        int width, height;
        float angle;
        int expectedWidth, expectedHeight;
    };
    for (const Case& c : { Case{ 40, 20, 0, 40, 20 }, Case{ 40, 20, 90, 20, 40 }, Case{ 40, 20, 180, 40, 20 },
             Case{ 40, 20, -90, 20, 40 }, Case{ 10, 10, 45, 15, 15 }, Case{ 40, 20, 30, 45, 38 } }) {
        const PixelSize size = rotatedBoundingSize(c.width, c.height, c.angle);
        EXPECT_EQ(size.width, c.expectedWidth) << c.angle;
        EXPECT_EQ(size.height, c.expectedHeight) << c.angle;
    }
}

TEST_F(BitmapRotation, TurningByNinetyDegreesSwapsTheSides)
{
    // Left half red, right half blue: turned clockwise, red ends on top.
    Bitmap source = pictureOf(40, 20, [](int x, int) { return x < 20 ? kRed : kBlue; });
    source.SetResolution(120, 72);
    Bitmap turned;
    ASSERT_TRUE(source.RotateInto(90, turned));
    EXPECT_EQ(turned.GetWidth(), 20);
    EXPECT_EQ(turned.GetHeight(), 40);
    EXPECT_EQ(turned.GetPixel(10, 5), kRed);
    EXPECT_EQ(turned.GetPixel(10, 35), kBlue);
    EXPECT_EQ(turned.GetHorizontalResolution(), 120);
    EXPECT_EQ(turned.GetVerticalResolution(), 72);

    ASSERT_TRUE(source.RotateInto(45, turned, kGreen, 5));
    EXPECT_EQ(turned.GetPixel(0, 0), kGreen);
    ASSERT_TRUE(source.RotateInto(45, turned));
    EXPECT_EQ(turned.GetPixel(0, 0), 0u);
}

TEST_F(BitmapRotation, RotateFlipMovesTheCorners)
{
    struct Case {
        int type, width, height, sourceXAtOrigin, sourceYAtOrigin;
    };
    for (const Case& c :
        { Case { 1, 2, 3, 0, 1 }, Case { 2, 3, 2, 2, 1 }, Case { 3, 2, 3, 2, 0 }, Case { 4, 3, 2, 2, 0 } }) {
        Bitmap bitmap = pictureOf(3, 2, gradient);
        ASSERT_TRUE(bitmap.RotateFlip(c.type));
        EXPECT_EQ(bitmap.GetWidth(), c.width) << c.type;
        EXPECT_EQ(bitmap.GetHeight(), c.height) << c.type;
        EXPECT_EQ(bitmap.GetPixel(0, 0), gradient(c.sourceXAtOrigin, c.sourceYAtOrigin)) << c.type;
    }
}

TEST_F(ImageAttributesDrawing, EachAdjustmentAppliesAndClearsAgain)
{
    flat::ColorMatrix swapRedBlue{};
    swapRedBlue.m[0][2] = swapRedBlue.m[1][1] = swapRedBlue.m[2][0] = swapRedBlue.m[3][3] = swapRedBlue.m[4][4] = 1;
    const std::vector<ColourRemap> redToBlue = { { kRed, kBlue } };
    using Adjust = std::function<void(ImageAttributes&)>;
    struct Case {
        const char* name;
        Adjust set, clear;
        std::vector<std::uint32_t> drawn;
    };
    const Case cases[] = {
        { "matrix", [&](auto& a) { a.SetColorMatrix(swapRedBlue); }, [](auto& a) { a.ClearColorMatrix(); },
            { kBlue, kGreen, kGrey } },
        { "remap", [&](auto& a) { a.SetRemapTable(redToBlue, 1); }, [](auto& a) { a.ClearRemapTable(1); },
            { kBlue, kGreen, kGrey } },
        { "pen remap", [&](auto& a) { a.SetRemapTable(redToBlue, 3); }, [](auto&) {}, { kRed, kGreen, kGrey } },
        { "key", [](auto& a) { a.SetColorKey(0xFF00F000, kGreen); }, [](auto& a) { a.ClearColorKey(); },
            { kRed, 0, kGrey } },
        { "gamma", [](auto& a) { a.SetGamma(2); }, [](auto& a) { a.ClearGamma(); }, { kRed, kGreen, 0xFF404040 } },
        { "no-op", [&](auto& a) { a.SetRemapTable(redToBlue), a.SetNoOp(); }, [](auto& a) { a.Reset(); },
            { kRed, kGreen, kGrey } },
        { "no-op cleared", [&](auto& a) { a.SetRemapTable(redToBlue), a.SetNoOp(), a.ClearNoOp(); },
            [](auto& a) { a.ClearRemapTable(); }, { kBlue, kGreen, kGrey } },
    };
    const Bitmap source = pictureOf(3, 1, [](int x, int) { return x == 0 ? kRed : x == 1 ? kGreen : kGrey; });
    auto draw = [&](const ImageAttributes& attributes) {
        Bitmap target = pictureOf(3, 1, [](int, int) { return 0u; });
        Graphics graphics;
        graphics.GetImageGraphicsContext(target);
        graphics.DrawImage(source, 0, 0, 3, 1, 0, 0, 3, 1, 2, attributes);
        graphics.Delete();
        return std::vector<std::uint32_t>{ target.GetPixel(0, 0), target.GetPixel(1, 0), target.GetPixel(2, 0) };
    };
    for (const Case& c : cases) {
        ImageAttributes attributes;
        ASSERT_TRUE(attributes.Create());
        c.set(attributes);
        ImageAttributes copy;
        ASSERT_TRUE(attributes.Clone(copy));
        EXPECT_EQ(draw(copy), c.drawn) << c.name;
        c.clear(attributes);
        EXPECT_EQ(draw(attributes), (std::vector<std::uint32_t>{ kRed, kGreen, kGrey })) << c.name << " cleared";
    }
    ImageAttributes remapping;
    ASSERT_TRUE(remapping.Create());
    remapping.SetRemapTable(redToBlue, 1);
    EXPECT_EQ(remapping.GetAdjustedPalette({ 0, { kRed, kGreen } }, 1).entries,
        (std::vector<std::uint32_t>{ kBlue, kGreen }));
}
