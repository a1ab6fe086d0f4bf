#include "controls/SystemFace.h"

#include "drawing/Colour.h"
#include "drawing/Graphics.h"
#include "drawing/Image.h"
#include "drawing/ImageAttributes.h"
#include "drawing/SolidBrush.h"
#include "element/SystemColours.h"

namespace {

void fillBox(Graphics& graphics, COLORREF colour, int x, int y, int width, int height)
{
    SolidBrush brush;
    if (width > 0 && height > 0 && brush.Create(toArgb(colour)))
        graphics.FillRectangleI(brush, x, y, width, height);
}

float channel(COLORREF colour, int shift)
{
    return static_cast<float>(colour >> shift & 0xFF) / 255.0f;
}

} // namespace

SystemFaceLook systemFaceLook(const SystemColours& colours, FaceLook look, bool disabled)
{
    if (disabled)
        return { colours.buttonFace, colours.grayText, colours.grayText };
    if (look.pressed || look.hot)
        return { colours.highlight, colours.buttonText, colours.highlightText };
    return { colours.buttonFace, colours.buttonText, colours.buttonText };
}

void paintSystemFace(Graphics& graphics, const FaceBox& box, const SystemFaceLook& look)
{
    // Without anti-aliasing and with pixel centres at half coordinates, whole-number
    // rectangles cover whole pixels and the outline stays one crisp pixel.
    graphics.SetSmoothingMode(flat::SmoothingModeNone);
    graphics.SetPixelOffsetMode(flat::PixelOffsetModeHalf);
    fillBox(graphics, look.edge, box.x, box.y, box.width, box.height);
    fillBox(graphics, look.fill, box.x + 1, box.y + 1, box.width - 2, box.height - 2);
}

void drawCheckMark(Graphics& graphics, int x, int y, COLORREF ink)
{
    // Runs of the mark, row by row: first column and length.
    struct Run {
        int row;
        int column;
        int length;
    };
    constexpr Run runs[] = { { 0, 6, 1 }, { 1, 5, 2 }, { 2, 0, 1 }, { 2, 4, 3 }, { 3, 0, 2 }, { 3, 3, 3 }, { 4, 0, 5 },
        { 5, 1, 3 }, { 6, 2, 1 } };
    graphics.SetSmoothingMode(flat::SmoothingModeNone);
    graphics.SetPixelOffsetMode(flat::PixelOffsetModeHalf);
    for (const Run& run : runs)
        fillBox(graphics, ink, x + run.column, y + run.row, run.length, 1);
}

void drawSilhouette(Graphics& graphics, const Image& picture, const FaceBox& where, COLORREF ink)
{
    // Each colour channel becomes the ink's, from the constant row; alpha passes through.
    flat::ColorMatrix matrix {};
    matrix.m[3][3] = 1.0f;
    matrix.m[4][0] = channel(ink, 0);
    matrix.m[4][1] = channel(ink, 8);
    matrix.m[4][2] = channel(ink, 16);
    matrix.m[4][4] = 1.0f;
    ImageAttributes attributes;
    if (!attributes.Create() || !attributes.SetColorMatrix(matrix))
        return;
    graphics.DrawImageRectRectI(picture, where.x, where.y, where.width, where.height, 0, 0, picture.GetWidth(),
        picture.GetHeight(), flat::UnitPixel, attributes);
}
