#include <gtest/gtest.h>

#include "SurfaceProbe.h"
#include "controls/ButtonFace.h"
#include "drawing/Colour.h"
#include "drawing/Graphics.h"
#include "imaging/Pictures.h"

// Every style and state: a one-pixel outline round a flat fill, the caption and the picture's
// shape in one ink, nothing of the skin, the glow or the picture's colours.
TEST(SystemFace, OutlineFillAndInkFollowTheState)
{
    const SystemColours s { 0, 0, RGB(20, 40, 60), RGB(240, 220, 200), RGB(0, 120, 215), RGB(250, 250, 250),
        RGB(128, 128, 128) };
    struct Row {
        FaceStyle style;
        bool hot, pressed, disabled;
        COLORREF fill, edge, ink;
    };
    const Row rows[] = {
        { FaceStyle::Colour, false, false, false, s.buttonFace, s.buttonText, s.buttonText },
        { FaceStyle::Colour, true, false, false, s.highlight, s.buttonText, s.highlightText },
        { FaceStyle::Colour, true, true, false, s.highlight, s.buttonText, s.highlightText },
        { FaceStyle::Colour, true, true, true, s.buttonFace, s.grayText, s.grayText },
        { FaceStyle::Images, false, false, false, s.buttonFace, s.buttonText, s.buttonText },
    };
    const NineGridImage skin = buttonSkin();
    for (const Row& row : rows) {
        ButtonFace face;
        face.rect = { 0, 0, 80, 25 };
        face.caption = L"确定";
        face.style = row.style;
        face.hot = row.hot;
        face.pressed = row.pressed;
        face.disabled = row.disabled;
        face.skin = &skin;
        face.glow = true;
        face.glowColour = RGB(255, 0, 255);
        face.normalImage = solidPng(10, 10, 0xFFFF0000);
        face.system = &s;
        Surface surface(80, 25);
        Graphics graphics;
        ASSERT_TRUE(graphics.CreateFromHDC(surface.dc()));
        graphics.SetTextRenderingHint(flat::TextRenderingHintAntiAliasGridFit);
        paintButtonFace(graphics, face);
        graphics.Delete();
        const auto stray = [&](std::uint32_t p) { return p != toArgb(row.edge) && !opaqueMixOf(p, row.fill, row.ink); };
        EXPECT_EQ(inkBox(surface, stray).count, 0) << static_cast<int>(row.style) << row.hot << row.pressed;
        EXPECT_EQ(surface.pixel(79, 24), toArgb(row.edge));
        EXPECT_EQ(surface.pixel(78, 23), toArgb(row.fill));
        EXPECT_GT(inkBox(surface, [&](std::uint32_t p) { return pixelNear(p, toArgb(row.ink), 25); }).count, 10);
    }
}
