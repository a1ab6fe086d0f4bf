#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "SurfaceProbe.h"
#include "controls/PanelShapes.h"
#include "controls/SkinPanel.h"
#include "element/ControlTestSupport.h"
#include "imaging/Pictures.h"

namespace {

using Kind = PanelFigure::Kind;

constexpr COLORREF kRedRgb = RGB(255, 0, 0);
constexpr COLORREF kBlueRgb = RGB(0, 0, 255);

int luminance(std::uint32_t pixel)
{
    const std::uint32_t colour = straightColour(pixel);
    return (channelOf(colour, 16) + channelOf(colour, 8) + channelOf(colour, 0)) / 3;
}

PanelOptions filled(int shape, int border, COLORREF fill)
{
    PanelOptions options;
    options.width = 40;
    options.height = 30;
    options.shape = shape;
    options.borderStyle = border;
    options.borderColour = kBlueRgb;
    options.fillColour = fill;
    options.fillAlpha = 255;
    return options;
}

// A panel in the stand-in host, rendered once; its face is what the window composes.
struct RenderedPanel {
    SkinPanel panel;

    RenderedPanel(HWND host, const PanelOptions& options, int gradientDirection = 0)
    {
        panel.create(host, options);
        if (gradientDirection > 0)
            panel.setGradient(gradientDirection, kRedRgb, 255, kBlueRgb, 255);
        panel.redraw(skin::RedrawReason::Render);
    }
    std::uint32_t pixel(int x, int y) const { return panel.record()->surface.pixel(x, y); }
};

} // namespace

TEST(PanelShapes, FiguresFollowTheShapeAndTheBorder)
{
    struct Case {
        int shape;
        int border;
        PanelFigure outline;
    };
    for (const Case& c :
        { Case { 0, 1, { Kind::Rectangle, 0, 0, 39, 29 } }, Case { 1, 1, { Kind::RoundedRectangle, 0, 0, 39, 29, 5 } },
            Case { 4, 0, { Kind::Ellipse, 0, 0, 39, 29 } }, Case { 2, 1, { Kind::Line, 0, 0, 40, 0 } },
            Case { 3, 8, { Kind::Line, 6, 0, 6, 30 } }, Case { 0, 9, { Kind::Rectangle, 6, 6, 28, 18 } },
            Case { 1, 9, { Kind::RoundedRectangle, 6, 6, 27, 17, 5 } }, Case { 4, 9, { Kind::Ellipse, 6, 6, 27, 17 } },
            Case { 0, 8, { Kind::Rectangle, 0, 0, 34, 24 } }, Case { 4, 7, { Kind::Ellipse, 0, 0, 38, 28 } },
            Case { 3, 6, { Kind::Line, 0, 0, 0, 30 } }, Case { 5, 1, {} } })
        EXPECT_TRUE(outlineFigure(c.shape, c.border, 40, 30, 5, shadowSizeFor(c.border)) == c.outline)
            << c.shape << " " << c.border;
    EXPECT_TRUE(innerEdgeFigure(1, 40, 30, 8) == (PanelFigure { Kind::RoundedRectangle, 1, 1, 37, 27, 5 }));
    EXPECT_TRUE(innerEdgeFigure(4, 40, 30, 5) == (PanelFigure { Kind::Ellipse, 1, 1, 36, 26 }));
    EXPECT_TRUE(innerEdgeFigure(2, 40, 30, 5) == (PanelFigure { Kind::Line, 0, 1, 40, 1 }));
    EXPECT_EQ(std::vector<int>({ dashStyleFor(2), dashStyleFor(5), dashStyleFor(6), shadowSizeFor(7) }),
        std::vector<int>({ 1, 4, 0, 0 }));
}

TEST(PanelShapes, GradientDirections)
{
    constexpr std::uint32_t first = 0x3CFF0000;
    constexpr std::uint32_t second = 0xF00000FF;
    struct Case {
        int direction;
        bool across;
        bool reversed;
        bool middleMix;
    };
    for (const Case& c :
        { Case { 1, false, false, false }, Case { 2, false, true, false }, Case { 3, true, false, false },
            Case { 4, true, true, false }, Case { 5, true, false, true }, Case { 6, false, false, true } }) {
        const PanelGradient gradient = panelGradient(c.direction, 40, 30, kRedRgb, 60, kBlueRgb, 240);
        EXPECT_EQ(gradient.endX, c.across ? 40.0f : 0.0f) << c.direction;
        EXPECT_EQ(gradient.endY, c.across ? 0.0f : 30.0f) << c.direction;
        EXPECT_EQ(gradient.startArgb, c.reversed ? second : first) << c.direction;
        EXPECT_EQ(gradient.endArgb, c.reversed ? first : second) << c.direction;
        EXPECT_EQ(gradient.middleMix, c.middleMix) << c.direction;
    }
}

class SkinPanelTest : public ::testing::Test {
protected:
    HostWindow host;
};

TEST_F(SkinPanelTest, EachShapeFillsItsOwnOutlineAndALineIsNeverFilled)
{
    SkinPanel defaults;
    ASSERT_GT(defaults.create(host.handle()), 0);
    EXPECT_EQ(defaults.record()->kind, 7);
    EXPECT_EQ(std::vector<int>({ defaults.width(), defaults.height(), defaults.shape(), defaults.borderStyle() }),
        std::vector<int>({ 200, 160, 1, 1 }));

    struct Case {
        int shape;
        std::vector<POINT> filled;
        std::vector<POINT> clear;
    };
    for (const Case& c : { Case { 0, { { 20, 15 }, { 2, 2 }, { 37, 27 } }, {} },
             Case { 1, { { 20, 15 }, { 20, 2 } }, { { 1, 1 }, { 37, 27 } } },
             Case { 4, { { 20, 15 }, { 3, 14 } }, { { 3, 3 }, { 36, 26 } } } }) {
        PanelOptions options = filled(c.shape, 0, kRedRgb);
        options.cornerSize = 20;
        RenderedPanel shown(host.handle(), options);
        for (const POINT p : c.filled)
            EXPECT_EQ(shown.pixel(p.x, p.y), 0xFFFF0000u) << c.shape << ": " << p.x << "," << p.y;
        for (const POINT p : c.clear)
            EXPECT_EQ(shown.pixel(p.x, p.y), 0u) << c.shape << ": " << p.x << "," << p.y;
    }
    for (int shape : { 2, 3 })
        for (int gradient : { 0, 1 }) {
            PanelOptions options = filled(shape, 1, kRedRgb);
            options.image = solidPng(4, 4, 0xFFFF0000);
            options.imageMode = 3;
            RenderedPanel shown(host.handle(), options, gradient);
            const InkBox red
                = inkBox(shown.panel.record()->surface, [](std::uint32_t p) { return channelOf(p, 16) > 40; });
            const InkBox line = inkBox(shown.panel.record()->surface);
            EXPECT_EQ(red.count, 0) << shape << " " << gradient;
            EXPECT_EQ(shape == 2 ? line.height() : line.width(), 1) << shape;
        }
}

// A red to blue gradient over a green fill, read at the start, the middle and the end.
TEST_F(SkinPanelTest, TheGradientRunsByDirectionAndOverridesTheFill)
{
    struct Case {
        int direction;
        bool vertical;
        std::vector<float> blueShare;
    };
    for (const Case& c : { Case { 1, true, { 0.04f, 0.5f, 0.96f } }, Case { 2, true, { 0.96f, 0.5f, 0.04f } },
             Case { 3, false, { 0.04f, 0.5f, 0.96f } }, Case { 4, false, { 0.96f, 0.5f, 0.04f } },
             Case { 5, false, { 0.04f, 0.5f, 0.04f } }, Case { 6, true, { 0.04f, 0.5f, 0.04f } } }) {
        PanelOptions options = filled(0, 0, RGB(0, 255, 0));
        options.width = 60;
        options.height = 60;
        RenderedPanel shown(host.handle(), options, c.direction);
        const std::vector<int> places { 2, 30, 57 };
        for (std::size_t i = 0; i < places.size(); ++i) {
            const std::uint32_t pixel = c.vertical ? shown.pixel(30, places[i]) : shown.pixel(places[i], 30);
            const auto blue = static_cast<std::uint32_t>(255 * c.blueShare[i]);
            const std::uint32_t expected = 0xFF000000 | (255 - blue) << 16 | blue;
            EXPECT_TRUE(pixelNear(pixel, expected, 16))
                << c.direction << " at " << places[i] << ": " << hexPixel(pixel);
        }
    }
}

TEST_F(SkinPanelTest, BorderStylesDrawTheirOutlines)
{
    auto grey = [&](int border) {
        PanelOptions options = filled(0, border, RGB(128, 128, 128));
        options.shadowColour = RGB(0, 0, 0);
        return std::make_unique<RenderedPanel>(host.handle(), options);
    };
    EXPECT_NEAR(luminance(grey(0)->pixel(20, 0)), 128, 8) << "no outline";
    const std::uint32_t solid = straightColour(grey(1)->pixel(20, 0));
    EXPECT_GT(channelOf(solid, 0) - channelOf(solid, 16), 80) << hexPixel(solid);
    const auto dotted = grey(3);
    int blue = 0;
    for (int x = 2; x < 38; ++x) {
        const std::uint32_t colour = straightColour(dotted->pixel(x, 0));
        blue += channelOf(colour, 0) - channelOf(colour, 16) > 80 ? 1 : 0;
    }
    EXPECT_GT(blue, 8);
    EXPECT_LT(blue, 28);
    // Sunken: dark outer and light inner line; raised the other way round.
    const auto sunken = grey(6);
    EXPECT_LT(luminance(sunken->pixel(20, 0)), 118);
    EXPECT_GT(luminance(sunken->pixel(20, 1)), 138);
    const auto raised = grey(7);
    EXPECT_GT(luminance(raised->pixel(20, 0)), 138);
    EXPECT_LT(luminance(raised->pixel(20, 1)), 123);
    // Soft shadows spread outside the shape (outer) or inside its edge (inner) only.
    const auto outer = grey(8);
    EXPECT_EQ(outer->pixel(15, 12), 0xFF808080u);
    EXPECT_GT(outer->pixel(37, 12) >> 24, 0u);
    const auto inner = grey(9);
    EXPECT_EQ(inner->pixel(2, 15), 0u);
    EXPECT_LT(luminance(inner->pixel(8, 15)), luminance(inner->pixel(20, 15)) - 4);
}

TEST_F(SkinPanelTest, ThePictureStaysInsideTheShapeUnderItsTint)
{
    PanelOptions options = filled(4, 0, -1);
    options.image = solidPng(4, 4, 0xFFFF0000);
    options.imageMode = 3;
    options.backColour = RGB(0, 0, 255);
    options.backAlpha = 128;
    RenderedPanel shown(host.handle(), options);
    EXPECT_TRUE(pixelNear(shown.pixel(20, 15), 0xFF7F0080, 2)) << hexPixel(shown.pixel(20, 15));
    EXPECT_EQ(shown.pixel(1, 1), 0u);
}

// The message box's body over its white window: light blue at the top, near-white below.
TEST(SkinPanelInWindow, TheMessageBoxBodyFadesFromLightBlueToWhite)
{
    GalleryWindow gallery(300, 200, 250);
    SkinPanel body;
    PanelOptions options = filled(0, 0, -1);
    options.x = 1;
    options.y = 1;
    options.width = 298;
    options.height = 160;
    ASSERT_GT(body.create(gallery.handle(), options), 0);
    body.setGradient(1, RGB(0, 102, 178), 60, RGB(255, 255, 255), 240);
    gallery.recompose();
    const std::uint32_t top = straightColour(gallery.pixel(150, 3));
    EXPECT_TRUE(pixelNear(top, 0xC3DBED, 8)) << hexPixel(top);
    const std::uint32_t bottom = straightColour(gallery.pixel(150, 158));
    EXPECT_TRUE(pixelNear(bottom, 0xFFFFFF, 10)) << hexPixel(bottom);
}

// Every shape with several borders, and the six gradient directions, for a person to look at.
TEST(SkinPanelGallery, LooksOfThePanel)
{
    GalleryWindow gallery(520, 330);
    std::vector<std::unique_ptr<SkinPanel>> panels;
    const std::vector<int> borders { 1, 2, 6, 7, 8, 9 };
    for (int i = 0; i < 36; ++i) {
        PanelOptions options = filled(i < 30 ? i / 6 : 1, borders[i % 6], RGB(230, 240, 250));
        const bool gradient = i >= 30;
        options.x = 10 + i % 6 * 84;
        options.y = 10 + i / 6 * 50;
        options.width = 74;
        options.height = 40;
        options.borderColour = gradient ? RGB(96, 96, 96) : RGB(0, 102, 178);
        options.borderStyle = gradient ? 1 : options.borderStyle;
        options.borderWidth = gradient ? 1 : 2;
        options.cornerSize = 12;
        panels.push_back(std::make_unique<SkinPanel>());
        ASSERT_GT(panels.back()->create(gallery.handle(), options), 0);
        if (gradient)
            panels.back()->setGradient(i - 29, RGB(0, 102, 178), 200, RGB(255, 255, 255), 240);
    }
    gallery.recompose();
    for (const auto& panel : panels)
        EXPECT_FALSE(inkBox(panel->record()->surface).empty());
    gallery.save(L"controls-panels.png");
}
