#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "SurfaceProbe.h"
#include "controls/PictureLayout.h"
#include "controls/SkinPicture.h"
#include "controls/SkinLabel.h"
#include "controls/SkinPanel.h"
#include "core/ThreadTimers.h"
#include "drawing/LiveObjects.h"
#include "element/ControlTestSupport.h"
#include "imaging/Pictures.h"

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kGreen = 0xFF00FF00;

PictureOptions sized(int width, int height)
{
    PictureOptions options;
    options.width = width;
    options.height = height;
    return options;
}

} // namespace

TEST(PictureLayout, PlacementsFadeStepsAndSlideOrder)
{
    struct Case {
        int mode;
        int x, y, width, height;
        bool tiled;
    };
    for (const Case& c :
        { Case { 0, 5, 7, 10, 6, false }, Case { 1, 35, 7, 10, 6, false }, Case { 2, 20, 19, 10, 6, false },
            Case { 3, 5, 7, 40, 30, false }, Case { 4, 5, 7, 40, 30, true }, Case { 5, 0, 0, 0, 0, false } }) {
        const PicturePlacement place = placePicture(c.mode, { 5, 7, 40, 30 }, 10, 6);
        EXPECT_EQ(std::vector<int>({ place.x, place.y, place.width, place.height, place.tiled }),
            std::vector<int>({ c.x, c.y, c.width, c.height, c.tiled }))
            << c.mode;
    }
    std::vector<int> alphas;
    for (int alpha = 0, tick = 1; tick < kFadeTicks; ++tick)
        alphas.push_back(alpha = nextFadeAlpha(alpha));
    EXPECT_EQ(alphas, std::vector<int>({ 21, 42, 63, 84, 105, 126, 147, 168, 189, 210, 231, 255 }));
    EXPECT_EQ(clampSlideInterval(500), 1000);
    EXPECT_EQ(
        std::vector<int>({ followingSlide(1, 3), followingSlide(3, 3), followingSlide(0, 2), followingSlide(1, 0) }),
        std::vector<int>({ 2, 1, 1, 0 }));
}

class SkinPictureTest : public ::testing::Test {
protected:
    HostWindow host;
    int timersBefore = threadtimers::running();

    static std::uint32_t pixel(const SkinPicture& picture, int x, int y)
    {
        return picture.record()->surface.pixel(x, y);
    }
};

// A 10 × 6 picture, left half red and right half blue, in a 40 × 30 face: where it lands and
// how it repeats shows; 0 is a clear pixel.
TEST_F(SkinPictureTest, EveryModeShowsThePictureWhereItBelongs)
{
    struct Probe {
        int x, y;
        std::uint32_t colour;
    };
    const std::vector<std::vector<Probe>> probes {
        { { 0, 0, kRed }, { 9, 5, kBlue }, { 10, 0, 0 }, { 0, 6, 0 } },
        { { 30, 0, kRed }, { 39, 5, kBlue }, { 29, 0, 0 } },
        { { 15, 12, kRed }, { 24, 17, kBlue }, { 14, 12, 0 }, { 25, 18, 0 } },
        { { 0, 0, kRed }, { 15, 15, kRed }, { 22, 15, kBlue }, { 39, 29, kBlue }, { 0, 29, kRed } },
        { { 0, 0, kRed }, { 9, 5, kBlue }, { 10, 6, kRed }, { 39, 29, kBlue }, { 30, 12, kRed } },
    };
    PictureOptions options = sized(40, 30);
    options.image = makePng(10, 6, [](int x, int) { return x < 5 ? kRed : kBlue; });
    for (int mode = 0; mode <= 4; ++mode) {
        options.mode = mode;
        SkinPicture picture;
        ASSERT_GT(picture.create(host.handle(), options), 0);
        picture.redraw(skin::RedrawReason::Render);
        for (const Probe& p : probes[mode])
            EXPECT_EQ(pixel(picture, p.x, p.y), p.colour) << mode << ": " << p.x << "," << p.y;
    }
}

TEST_F(SkinPictureTest, AnEmptyPictureDrawsOnlyTheTintAndATintCoversThePicture)
{
    PictureOptions options = sized(40, 30);
    options.backColour = RGB(0, 255, 0);
    options.backAlpha = 255;
    SkinPicture empty;
    empty.create(host.handle(), options);
    empty.redraw(skin::RedrawReason::Render);
    EXPECT_EQ(inkBox(empty.record()->surface, [](std::uint32_t p) { return p != kGreen; }).count, 0);

    options.image = solidPng(10, 6, kRed);
    options.backAlpha = 128;
    SkinPicture tinted;
    tinted.create(host.handle(), options);
    tinted.redraw(skin::RedrawReason::Render);
    EXPECT_TRUE(pixelNear(pixel(tinted, 1, 1), 0xFF7F8000, 2)) << hexPixel(pixel(tinted, 1, 1));
    EXPECT_TRUE(pixelNear(pixel(tinted, 20, 20), 0x80008000, 2)) << hexPixel(pixel(tinted, 20, 20));
}

TEST_F(SkinPictureTest, ASlideshowFadesItsSlideInTwelveStepsAndAgainAtEveryInterval)
{
    SkinPicture picture;
    picture.create(host.handle(), sized(20, 20));
    picture.redraw(skin::RedrawReason::Render);
    EXPECT_EQ(picture.addSlide(solidPng(20, 20, kRed)), 1);
    picture.startSlideshow(1500);
    EXPECT_EQ(threadtimers::running(), timersBefore + 2);
    std::vector<int> shown;
    while (shown.size() < 12) {
        const int last = picture.fadeAlpha();
        ASSERT_TRUE(dispatchUntil([&] { return picture.fadeAlpha() != last; }, 3000));
        shown.push_back(static_cast<int>(pixel(picture, 10, 10) >> 24));
        EXPECT_NEAR(shown.back(), picture.fadeAlpha(), 2);
    }
    EXPECT_EQ(shown.front(), 21);
    EXPECT_EQ(pixel(picture, 10, 10), kRed);
    ASSERT_TRUE(dispatchUntil([&] { return picture.fadeAlpha() == 0; }, 3000));
    EXPECT_EQ(threadtimers::running(), timersBefore + 1);

    // The one slide fades in anew from the starting frame.
    ASSERT_TRUE(dispatchUntil([&] { return picture.fadeAlpha() == 21; }, 3000));
    EXPECT_EQ(picture.slideIndex(), 1);
    EXPECT_NEAR(static_cast<int>(pixel(picture, 10, 10) >> 24), 21, 2);
    picture.stopSlideshow();
    EXPECT_EQ(threadtimers::running(), timersBefore);
    EXPECT_EQ(pixel(picture, 10, 10), 0u);
}

// Reading slide 1 of an empty list would end the program: nothing runs and the face is the
// picture's own.
TEST_F(SkinPictureTest, ASlideshowWithoutSlidesStartsNoTimer)
{
    PictureOptions options = sized(20, 20);
    options.backColour = RGB(0, 255, 0);
    options.backAlpha = 255;
    SkinPicture picture;
    picture.create(host.handle(), options);
    picture.startSlideshow();
    picture.setVisible(false);
    picture.setVisible(true);
    picture.nextSlide();
    EXPECT_EQ(threadtimers::running(), timersBefore);
    EXPECT_EQ(picture.slideIndex(), 0);
    EXPECT_EQ(pixel(picture, 10, 10), kGreen);
}

TEST_F(SkinPictureTest, IntervalsHidingClearingAndDestroyingStopTheTimers)
{
    SkinPicture picture;
    picture.create(host.handle());
    picture.addSlide(solidPng(4, 4, kRed));
    picture.startSlideshow(500);
    EXPECT_EQ(picture.slideInterval(), 1000);
    picture.setVisible(false);
    EXPECT_TRUE(picture.isRunning());
    EXPECT_EQ(threadtimers::running(), timersBefore);
    picture.setVisible(true);
    EXPECT_EQ(threadtimers::running(), timersBefore + 2);
    picture.clearSlides();
    EXPECT_EQ(threadtimers::running(), timersBefore);
    EXPECT_FALSE(picture.isRunning());
    {
        SkinPicture running;
        running.create(host.handle());
        running.addSlide(solidPng(4, 4, kRed));
        running.startSlideshow();
    }
    EXPECT_EQ(threadtimers::running(), timersBefore);
}

// Pictures, snapshots, caches, fonts and paths of all three controls go with them.
TEST_F(SkinPictureTest, LabelsPicturesAndPanelsLeaveNoNativeObjectBehind)
{
    const int before = liveNativeObjects();
    {
        SkinLabel label;
        LabelOptions text;
        text.caption = L"A single line far too long for its label";
        label.create(host.handle(), text);
        label.setFont([] {
            FontChange glow;
            glow.glow = true;
            return glow;
        }());
        PictureOptions options = sized(40, 30);
        options.image = solidPng(10, 6, kRed);
        SkinPicture picture;
        picture.create(host.handle(), options);
        picture.rotation(30.0f);
        picture.addSlide(solidPng(4, 4, kBlue));
        picture.startSlideshow();
        SkinPanel panel;
        PanelOptions shape;
        shape.borderStyle = 9;
        shape.image = options.image;
        panel.create(host.handle(), shape);
        panel.setGradient(5, RGB(0, 0, 255), 255, RGB(255, 0, 0), 255, true);
        label.redraw(skin::RedrawReason::Present);
        ASSERT_TRUE(dispatchUntil([&] { return picture.fadeAlpha() > 42; }, 3000));
    }
    EXPECT_EQ(liveNativeObjects(), before);
    EXPECT_EQ(threadtimers::running(), timersBefore);
}

// The placement modes, a tint, a turn and a skin frame, for a person to look at.
TEST(SkinPictureGallery, LooksOfThePicture)
{
    GalleryWindow gallery(460, 200);
    const NineGridImage skin = buttonSkin();
    std::vector<std::unique_ptr<SkinPicture>> pictures;
    for (int i = 0; i < 8; ++i) {
        PictureOptions options = sized(80, 85);
        options.x = 10 + i % 5 * 90;
        options.y = 10 + i / 5 * 95;
        options.image = messageBoxIcon(2);
        options.mode = i < 5 ? i : 2;
        options.backColour = i == 5 ? RGB(0, 102, 178) : -1;
        options.backAlpha = 80;
        options.skin = i == 7 ? &skin : nullptr;
        pictures.push_back(std::make_unique<SkinPicture>());
        ASSERT_GT(pictures.back()->create(gallery.handle(), options), 0);
    }
    pictures[6]->rotation(30.0f);
    gallery.recompose();
    for (const auto& picture : pictures)
        EXPECT_FALSE(inkBox(picture->record()->surface).empty());
    gallery.save(L"controls-pictures.png");
}
