#include <gtest/gtest.h>

#include <string>

#include "drawing/Bitmap.h"
#include "drawing/Graphics.h"
#include "imaging/ImageCodec.h"
#include "imaging/NineGridImage.h"
#include "imaging/Pictures.h"
#include "imaging/SkinPictures.h"

namespace {
struct Picture {
    const char* name;
    const PictureSets* sets;
    std::uint32_t separator;
};

// Pictures without separators cut into one frame, which is all of them.
const Picture kPictures[] = {
    { "checkbox", &kCheckBoxStripSets, 0xFF00FF },
    { "radio", &kRadioStripSets, 0x7F007F },
    { "button", &kButtonSkinSets, 0x7F007F },
    { "msgbox_icons", &kMessageBoxIconsSets, 0xFF00FF },
    { "caption_buttons", &kCaptionButtonsSets, 0x7F007F },
    { "caption_buttons_alt", &kCaptionButtonsAltSets, 0xFF00FF },
    { "light_streak", &kLightStreakSets, 0xFF00FF },
    { "tick", &kTickPictureSets, 0xFF00FF },
};
} // namespace

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

TEST(SkinSets, EverySetCutsIntoThe1xFramesScaled)
{
    for (const Picture& picture : kPictures) {
        const ImageCodec base = cutStrip((*picture.sets)[0].file->bytes(), picture.separator);
        ASSERT_GT(base.GetFrameCount(), 0) << picture.name;
        for (int set = 1; set < kSkinSetCount; ++set) {
            const ScaledPicture& at = (*picture.sets)[set];
            const ImageCodec strip = cutStrip(at.file->bytes(), picture.separator);
            const std::string where = std::string(picture.name) + " at " + std::to_string(at.scale.dpi()) + " DPI";
            ASSERT_EQ(strip.GetFrameCount(), base.GetFrameCount()) << where;
            for (int n = 1; n <= strip.GetFrameCount(); ++n) {
                const int width = scaled(base.GetFrameWidth(n), at.scale);
                EXPECT_EQ(strip.GetFrameWidth(n), width) << where << ", frame " << n;
                EXPECT_EQ(strip.GetFrameHeight(n), scaled(base.GetFrameHeight(n), at.scale)) << where << ", " << n;
                EXPECT_EQ(decode(strip.GetFrame(n)).GetWidth(), width) << where << ", frame " << n;
            }
        }
    }
}

TEST(SkinSets, ButtonFramesAreNineGridsWithThe1xCapsScaled)
{
    StateRecord base;
    NineGridImage::SliceImage(cutStrip(kButtonSkin.bytes(), 0x7F007F).GetFrame(1), base);
    for (int set = 1; set < kSkinSetCount; ++set) {
        const ScaledPicture& at = kButtonSkinSets[set];
        const ImageCodec strip = cutStrip(at.file->bytes(), 0x7F007F);
        NineGridImage skin;
        ASSERT_TRUE(skin.LoadStates(strip.GetFrame(1), strip.GetFrame(2), strip.GetFrame(3)));
        const int height = scaled(24, at.scale);
        Bitmap surface = blankSurface(3 * 150, height + 10);
        Graphics graphics;
        graphics.GetImageGraphicsContext(surface);
        for (int state = 1; state <= 3; ++state) {
            const StateRecord& record = skin.GetStateRecord(state);
            ASSERT_FALSE(record.isPlain) << at.scale.dpi() << " DPI, state " << state;
            for (int slice : { 0, 2 })  // the left and right caps
                EXPECT_EQ(record.slices[slice].width, scaled(int(base.slices[slice].width), at.scale)) << state;
            EXPECT_GE(record.slices[5].width, 1) << state;  // the tiled middle
            skin.SetBounds(5 + (state - 1) * 150, 5, 140, height);
            skin.DrawState(graphics, state);
        }
        graphics.Delete();
        // Stretched far beyond the frame, no marker pixel reaches the surface and every
        // button is painted through its middle.
        for (int x = 0; x < surface.GetWidth(); ++x)
            EXPECT_NE(surface.GetPixel(x, 5 + height / 2), kMagenta) << at.scale.dpi() << " DPI, x " << x;
        for (int state = 1; state <= 3; ++state)
            EXPECT_EQ(surface.GetPixel(75 + (state - 1) * 150, 5 + height / 2) >> 24, 0xFFu) << state;
        saveArtifact(L"skin-button-stretched-" + std::to_wstring(at.scale.dpi()) + L"dpi.png",
            surface.SaveToBytes(kPngFormat));
    }
}
