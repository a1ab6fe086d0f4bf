#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/Bitmap.h"
#include "drawing/Graphics.h"
#include "imaging/ImageCodec.h"
#include "imaging/NineGridImage.h"
#include "imaging/Pictures.h"
#include "imaging/SkinPictures.h"

namespace {
struct Strip {
    const wchar_t* name;
    const EmbeddedFile* picture;
    std::uint32_t separator;
    int width;
    int height;
    std::vector<int> frameWidths;
};

std::vector<int> repeat(int count, int width, std::vector<int> tail = {})
{
    std::vector<int> widths(count, width);
    widths.insert(widths.end(), tail.begin(), tail.end());
    return widths;
}

const Strip kStrips[] = {
    { L"checkbox", &kCheckBoxStrip, 0xFF00FF, 131, 16, repeat(6, 21) },
    { L"radio", &kRadioStrip, 0x7F007F, 74, 14, repeat(5, 14) },
    { L"button", &kButtonSkin, 0x7F007F, 41, 24, repeat(3, 13) },
    { L"msgbox_icons", &kMessageBoxIcons, 0xFF00FF, 191, 57, repeat(4, 47) },
    { L"caption_buttons", &kCaptionButtons, 0x7F007F, 925, 20, repeat(26, 28, repeat(4, 42)) },
    { L"caption_buttons_alt", &kCaptionButtonsAlt, 0xFF00FF, 554, 20, repeat(3, 39, repeat(15, 28)) },
    { L"light_streak", &kLightStreak, 0xFF00FF, 481, 7, { 481 } },
    { L"tick", &kTickPicture, 0xFF00FF, 13, 12, { 13 } },
};

// The picture blown up 4× with nearest-neighbour pixels, over a grey checkerboard so
// transparency shows.
ByteArray enlarged(ByteView png, int scale)
{
    Bitmap picture = decode(png);
    const int w = picture.GetWidth() * scale;
    const int h = picture.GetHeight() * scale;
    const ByteArray board = makePng(w, h, [](int x, int y) { return (x / 8 + y / 8) % 2 ? 0xFFC8C8C8 : 0xFFF4F4F4; });
    Bitmap surface = decode(board);
    Graphics graphics;
    graphics.GetImageGraphicsContext(surface);
    graphics.SetInterpolationMode(flat::InterpolationModeNearestNeighbor);
    graphics.SetPixelOffsetMode(flat::PixelOffsetModeHalf);
    graphics.DrawImage(picture, 0, 0, float(w), float(h));
    graphics.Delete();
    return surface.SaveToBytes(kPngFormat);
}
}

TEST(SkinPictures, EveryStripCutsIntoItsFrames)
{
    for (const Strip& strip : kStrips) {
        ImageCodec codec;
        const int count = codec.LoadStrip(strip.picture->bytes(), strip.separator);
        EXPECT_EQ(codec.GetStripWidth(), strip.width) << strip.name;
        EXPECT_EQ(codec.GetStripHeight(), strip.height) << strip.name;
        ASSERT_EQ(count, static_cast<int>(strip.frameWidths.size())) << strip.name;
        for (int n = 1; n <= count; ++n) {
            EXPECT_EQ(codec.GetFrameWidth(n), strip.frameWidths[n - 1]) << strip.name << " frame " << n;
            EXPECT_EQ(codec.GetFrameHeight(n), strip.height) << strip.name << " frame " << n;
            EXPECT_EQ(decode(codec.GetFrame(n)).GetWidth(), strip.frameWidths[n - 1]) << strip.name << " " << n;
        }
        saveArtifact(std::wstring(L"skin-") + strip.name + L"-4x.png", enlarged(strip.picture->bytes(), 4));
    }
}

TEST(SkinPictures, ButtonFramesAreNineGridsWithTheirMarkers)
{
    ImageCodec codec;
    ASSERT_EQ(codec.LoadStrip(kButtonSkin.bytes(), 0x7F007F), 3);
    NineGridImage skin;
    ASSERT_TRUE(skin.LoadStates(codec.GetFrame(1), codec.GetFrame(2), codec.GetFrame(3)));
    for (int state = 1; state <= 4; ++state) {
        const StateRecord& record = skin.GetStateRecord(state);
        ASSERT_EQ(record.slices.size(), 9u);
        EXPECT_FALSE(record.isPlain);
        EXPECT_EQ(record.slices[0], (SliceRect { 0, 0, 4, 24 })) << state;
        EXPECT_EQ(record.slices[2], (SliceRect { 8, 0, 5, 24 })) << state;
        EXPECT_EQ(record.slices[5], (SliceRect { 6, 0, 1, 24 })) << state;
        for (int n : { 1, 3, 4, 6, 7, 8 })
            EXPECT_EQ(record.slices[n], SliceRect {}) << state << " slice " << n + 1;
    }

    // Each state stretched to a real button, side by side, for the eye.
    Bitmap surface = blankSurface(3 * 130 + 40, 40);
    Graphics graphics;
    graphics.GetImageGraphicsContext(surface);
    for (int state = 1; state <= 3; ++state) {
        skin.SetBounds(10 + (state - 1) * 140, 8, 120, 24);
        skin.DrawState(graphics, state);
    }
    graphics.Delete();
    // No marker pixel ever reaches the surface.
    for (int x = 0; x < surface.GetWidth(); ++x)
        EXPECT_NE(surface.GetPixel(x, 9), kMagenta) << x;
    saveArtifact(L"skin-button-stretched-4x.png", enlarged(surface.SaveToBytes(kPngFormat), 4));
}
