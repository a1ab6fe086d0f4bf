#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>

#include "drawing/Bitmap.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/ImageAttributes.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/LiveObjects.h"
#include "drawing/PathGradientBrush.h"
#include "drawing/Pen.h"
#include "drawing/SolidBrush.h"
#include "drawing/TextureBrush.h"

namespace {
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;

// Every test leaves as many native objects alive as it found, its own members included.
class NoLeaks : public testing::Test {
protected:
    ~NoLeaks() override { EXPECT_EQ(liveNativeObjects(), m_liveBefore); }

private:
    int m_liveBefore = liveNativeObjects();
};

// A white surface to fill.
class Surface : public NoLeaks {
protected:
    void open(int width, int height)
    {
        ASSERT_TRUE(bitmap.Create(width, height));
        ASSERT_TRUE(graphics.GetImageGraphicsContext(bitmap));
        graphics.Clear(kWhite);
    }

    Bitmap bitmap;
    Graphics graphics;
};

bool closeColour(std::uint32_t actual, std::uint32_t expected, int tolerance)
{
    for (int shift = 0; shift < 32; shift += 8) {
        if (std::abs(int(actual >> shift & 0xFF) - int(expected >> shift & 0xFF)) > tolerance)
            return false;
    }
    return true;
}

// Where a transform read back through a matrix sends a point.
PointF mapThrough(const std::array<float, 6>& m, PointF p)
{
    return PointF(p.X * m[0] + p.Y * m[2] + m[4], p.X * m[1] + p.Y * m[3] + m[5]);
}

template <typename Wrapper>
std::array<float, 6> transformOf(const Wrapper& wrapper)
{
    flat::GpMatrix* matrix = nullptr;
    flat::GdipCreateMatrix(&matrix);
    std::array<float, 6> elements{};
    EXPECT_TRUE(wrapper.GetTransform(matrix));
    flat::GdipGetMatrixElements(matrix, elements.data());
    flat::GdipDeleteMatrix(matrix);
    return elements;
}
}

using PenWrapper = Surface;

TEST_F(PenWrapper, WidthAndColourRoundTrip)
{
    for (const auto& [width, argb] : { std::pair(1.0f, kRed), std::pair(2.5f, 0x80123456u), std::pair(17.0f, 0u) }) {
        Pen pen;
        ASSERT_TRUE(pen.Create(argb, width));
        EXPECT_EQ(pen.GetWidth(), width);
        EXPECT_EQ(pen.GetColor(), argb);
        EXPECT_TRUE(pen.SetWidth(width * 2) && pen.SetColor(~argb));
        EXPECT_EQ(pen.GetWidth(), width * 2);
        EXPECT_EQ(pen.GetColor(), ~argb);
    }
}

// Distinct values per property, so a getter or setter wired to a neighbour's function shows.
TEST_F(PenWrapper, EachPropertyReadsBackWhatWasSet)
{
    // Wine's GdipSetPenUnit is an unimplemented stub that ends the process, so the unit is
    // only read back here.
    Pen pen;
    ASSERT_TRUE(pen.Create(kRed, 4, 2));
    EXPECT_EQ(pen.GetUnit(), 2);
    EXPECT_TRUE(pen.SetLineCap(1, 2, 3));
    EXPECT_EQ(pen.GetStartCap(), 1);
    EXPECT_EQ(pen.GetEndCap(), 2);
    EXPECT_EQ(pen.GetDashCap(), 3);

    const struct {
        const char* name;
        std::function<bool(Pen&)> set;
        std::function<float(const Pen&)> get;
        float expected;
    } cases[] = {
        { "start cap", [](Pen& p) { return p.SetStartCap(3); }, [](const Pen& p) { return p.GetStartCap(); }, 3 },
        { "end cap", [](Pen& p) { return p.SetEndCap(1); }, [](const Pen& p) { return p.GetEndCap(); }, 1 },
        { "dash cap", [](Pen& p) { return p.SetDashCap(2); }, [](const Pen& p) { return p.GetDashCap(); }, 2 },
        { "line join", [](Pen& p) { return p.SetLineJoin(2); }, [](const Pen& p) { return p.GetLineJoin(); }, 2 },
        { "miter limit", [](Pen& p) { return p.SetMiterLimit(7.5f); },
            [](const Pen& p) { return p.GetMiterLimit(); }, 7.5f },
        { "alignment", [](Pen& p) { return p.SetAlignment(1); }, [](const Pen& p) { return p.GetAlignment(); }, 1 },
        { "dash style", [](Pen& p) { return p.SetDashStyle(3); }, [](const Pen& p) { return p.GetDashStyle(); }, 3 },
        { "dash offset", [](Pen& p) { return p.SetDashOffset(1.5f); },
            [](const Pen& p) { return p.GetDashOffset(); }, 1.5f },
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.set(pen)) << c.name;
        EXPECT_EQ(c.get(pen), c.expected) << c.name;
    }
}

TEST_F(PenWrapper, DashAndCompoundArraysRoundTrip)
{
    Pen pen;
    ASSERT_TRUE(pen.Create(kRed, 4));
    const std::vector<float> dashes = { 3, 1, 2, 5 };
    const std::vector<float> stripes = { 0, 0.25f, 0.75f, 1 };
    EXPECT_TRUE(pen.SetDashArray(dashes));
    EXPECT_TRUE(pen.SetCompoundArray(stripes));
    EXPECT_EQ(pen.GetDashArray(), dashes);
    EXPECT_EQ(pen.GetDashStyle(), 5); // a dash array makes the style custom
    EXPECT_EQ(pen.GetCompoundArray(), stripes);
}

TEST_F(PenWrapper, PaintsWithTheBrushItWasGiven)
{
    open(16, 16);
    SolidBrush green;
    green.Create(kGreen);
    Pen pen;
    ASSERT_TRUE(pen.CreateFromBrush(green, 3));
    EXPECT_EQ(pen.GetFillType(), 0);
    EXPECT_TRUE(graphics.DrawLine(pen, 0, 8, 16, 8));
    EXPECT_EQ(bitmap.GetPixel(8, 8), kGreen);
    EXPECT_EQ(bitmap.GetPixel(8, 2), kWhite);

    LinearGradientBrush gradient;
    gradient.Create(PointF(0, 0), PointF(10, 0), kRed, kBlue);
    EXPECT_TRUE(pen.SetBrush(gradient));
    EXPECT_EQ(pen.GetFillType(), 4);
    LinearGradientBrush fill;
    EXPECT_TRUE(pen.GetBrush(fill));
    EXPECT_EQ(fill.GetType(), 4);
    EXPECT_EQ(fill.GetLinearColors(), (std::array<std::uint32_t, 2>{ kRed, kBlue }));

    // The copy outlives the original.
    Pen copy;
    EXPECT_TRUE(pen.Clone(copy));
    pen.Delete();
    EXPECT_EQ(copy.GetWidth(), 3);
    EXPECT_EQ(copy.GetFillType(), 4);
}

using BrushWrappers = NoLeaks;

// The second delete finds nothing to delete and leaves the status of the call before it.
TEST_F(BrushWrappers, CloneThenDeleteTwice)
{
    Bitmap picture;
    picture.Create(4, 4);
    GraphicsPath triangle;
    triangle.Create();
    triangle.AddPolygon({ PointF(0, 0), PointF(8, 0), PointF(0, 8) });

    // A clone into any brush wrapper keeps the kind and outlives the original.
    const auto check = [](Brush& brush, int type, const char* name) {
        ASSERT_TRUE(brush) << name;
        SolidBrush copy;
        EXPECT_TRUE(brush.Clone(copy)) << name;
        EXPECT_TRUE(brush.Delete()) << name;
        EXPECT_EQ(copy.GetType(), type) << name;
        EXPECT_EQ(brush.GetType(), 0) << name;
        ASSERT_EQ(lastStatus(), flat::InvalidParameter) << name;
        EXPECT_FALSE(brush.Delete()) << name;
        EXPECT_EQ(lastStatus(), flat::InvalidParameter) << name;
    };
    SolidBrush solid;
    solid.Create(kRed);
    check(solid, 0, "solid");
    TextureBrush texture;
    texture.Create(picture);
    check(texture, 2, "texture");
    PathGradientBrush path;
    path.CreateFromPath(triangle);
    check(path, 3, "path gradient");
    LinearGradientBrush linear;
    linear.Create(PointF(0, 0), PointF(1, 1), kRed, kBlue);
    check(linear, 4, "linear gradient");
}

using TextureBrushFill = Surface;

// The nine-grid image tiles a 1 x 24 strip of its picture from where an edge starts. Each
// creation form must take the same rectangle; a wider strip shows the horizontal alignment.
TEST_F(TextureBrushFill, StripTranslatedToTheFillStartsThere)
{
    Bitmap picture;
    ASSERT_TRUE(picture.Create(6, 24));
    const auto sourceColour = [](int x, int y) { return 0xFF000000u | (x * 40u) << 16 | (y * 10u) << 8 | 0x33; };
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 6; ++x)
            picture.SetPixel(x, y, sourceColour(x, y));
    ImageAttributes attributes;
    attributes.Create();

    using Make = std::function<bool(TextureBrush&, int x, int width)>;
    const struct {
        const char* name;
        Make make;
    } forms[] = {
        { "float", [&](TextureBrush& b, int x, int w) { return b.Create(picture, float(x), 0, float(w), 24); } },
        { "int", [&](TextureBrush& b, int x, int w) { return b.CreateI(picture, x, 0, w, 24); } },
        // These take their wrap mode from the attributes, which start out clamped.
        { "attributes",
            [&](TextureBrush& b, int x, int w) {
                return b.CreateWithAttributes(picture, attributes, float(x), 0, float(w), 24) && b.SetWrapMode(0);
            } },
        { "attributes int",
            [&](TextureBrush& b, int x, int w) {
                return b.CreateWithAttributesI(picture, attributes, x, 0, w, 24) && b.SetWrapMode(0);
            } },
    };
    const int left = 5, top = 3;
    for (const auto& form : forms) {
        for (const int stripWidth : { 1, 3 }) {
            open(32, 32);
            const int sourceX = 2;
            TextureBrush brush;
            ASSERT_TRUE(form.make(brush, sourceX, stripWidth)) << form.name;
            EXPECT_TRUE(brush.TranslateTransform(left, top));
            EXPECT_TRUE(graphics.FillRectangle(brush, left, top, 12, 24));
            for (int y = top; y < top + 24; ++y) {
                for (int x = left; x < left + 12; ++x) {
                    const std::uint32_t expected = sourceColour(sourceX + (x - left) % stripWidth, y - top);
                    ASSERT_EQ(bitmap.GetPixel(x, y), expected)
                        << form.name << " strip " << stripWidth << " at " << x << "," << y;
                }
            }
            EXPECT_EQ(bitmap.GetPixel(left - 1, 10), kWhite);
            EXPECT_EQ(bitmap.GetPixel(left + 12, 10), kWhite);
            graphics.Delete();
            bitmap.Dispose();
        }
    }

    TextureBrush strip;
    ASSERT_TRUE(strip.Create(picture, 2, 0, 1, 24, 1));
    EXPECT_EQ(strip.GetWrapMode(), 1);
    Image copy;
    ASSERT_TRUE(strip.GetImage(copy));
    EXPECT_EQ(copy.GetWidth(), 1);
    EXPECT_EQ(copy.GetHeight(), 24);
}

using LinearGradientBrushFill = Surface;

TEST_F(LinearGradientBrushFill, EndColoursAtBothEndsAndRepeatsBeyond)
{
    open(48, 4);
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.Create(PointF(0, 0), PointF(32, 0), kRed, kBlue));
    EXPECT_EQ(brush.GetLinearColors(), (std::array<std::uint32_t, 2>{ kRed, kBlue }));
    graphics.FillRectangle(brush, 0, 0, 48, 4);
    EXPECT_PRED3(closeColour, bitmap.GetPixel(0, 1), kRed, 12);
    EXPECT_PRED3(closeColour, bitmap.GetPixel(31, 1), kBlue, 12);
    EXPECT_PRED3(closeColour, bitmap.GetPixel(32, 1), kRed, 12);

    EXPECT_TRUE(brush.SetLinearColors(kGreen, kRed));
    graphics.FillRectangle(brush, 0, 0, 48, 4);
    EXPECT_PRED3(closeColour, bitmap.GetPixel(0, 1), kGreen, 12);
    EXPECT_PRED3(closeColour, bitmap.GetPixel(31, 1), kRed, 12);
}

TEST_F(LinearGradientBrushFill, PresetBlendPutsItsColoursAtTheirPositions)
{
    open(40, 4);
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.CreateFromRect(RectF(0, 0, 40, 4), kRed, kBlue, 0));
    const ColorBlend preset{ { kRed, kGreen, kBlue }, { 0, 0.5f, 1 } };
    EXPECT_TRUE(brush.SetPresetBlend(preset));
    const ColorBlend back = brush.GetPresetBlend();
    EXPECT_EQ(back.colours, preset.colours);
    EXPECT_EQ(back.positions, preset.positions);
    graphics.FillRectangle(brush, 0, 0, 40, 4);
    EXPECT_PRED3(closeColour, bitmap.GetPixel(20, 1), kGreen, 16);
    EXPECT_PRED3(closeColour, bitmap.GetPixel(0, 1), kRed, 16);

    const Blend blend{ { 0, 0.2f, 1 }, { 0, 0.6f, 1 } };
    EXPECT_TRUE(brush.SetBlend(blend));
    EXPECT_EQ(brush.GetBlendCount(), 3);
    EXPECT_EQ(brush.GetBlend().factors, blend.factors);
    EXPECT_EQ(brush.GetBlend().positions, blend.positions);
    EXPECT_EQ(brush.GetRectangle().Width, 40);
}

using GradientBrushes = NoLeaks;

// Both gradients run the one shared implementation over a table of their own flat
// functions; each reads back what it was given.
TEST_F(GradientBrushes, BothReadBackBlendsGammaWrapModeAndRectangle)
{
    const auto check = [](auto& brush, const char* name) {
        SCOPED_TRACE(name);
        const Blend blend{ { 0, 0.2f, 1 }, { 0, 0.6f, 1 } };
        EXPECT_TRUE(brush.SetBlend(blend));
        EXPECT_EQ(brush.GetBlendCount(), 3);
        EXPECT_EQ(brush.GetBlend().positions, blend.positions);
        const ColorBlend preset{ { kRed, kGreen, kBlue }, { 0, 0.5f, 1 } };
        EXPECT_TRUE(brush.SetPresetBlend(preset));
        EXPECT_EQ(brush.GetPresetBlendCount(), 3);
        EXPECT_EQ(brush.GetPresetBlend().colours, preset.colours);
        for (bool gamma : { true, false }) {
            EXPECT_TRUE(brush.SetGammaCorrection(gamma));
            EXPECT_EQ(brush.GetGammaCorrection(), gamma);
        }
        EXPECT_TRUE(brush.SetWrapMode(flat::WrapModeTileFlipXY));
        EXPECT_EQ(brush.GetWrapMode(), flat::WrapModeTileFlipXY);
        EXPECT_EQ(brush.GetRectangle().Width, 20);
        EXPECT_EQ(brush.GetRectangleI().Height, 10);
    };
    LinearGradientBrush linear;
    ASSERT_TRUE(linear.CreateFromRect(RectF(0, 0, 20, 10), kRed, kBlue, flat::LinearGradientModeHorizontal));
    check(linear, "linear");
    PathGradientBrush path;
    ASSERT_TRUE(path.Create({ PointF(0, 0), PointF(20, 0), PointF(20, 10), PointF(0, 10) }));
    check(path, "path");
}

using PathGradientBrushColours = NoLeaks;

// Colours beyond the count never reach GDI+; without a count all of them do. GDI+'s own
// count answers with the boundary's point count (the buffer size), so the colours read back
// tell how many were set.
TEST_F(PathGradientBrushColours, SurroundColourCountDefaultsToTheColoursGiven)
{
    PathGradientBrush brush;
    ASSERT_TRUE(brush.Create({ PointF(0, 0), PointF(20, 0), PointF(20, 10), PointF(0, 10) }));
    EXPECT_EQ(brush.GetPointCount(), 4);
    const std::vector<std::uint32_t> colours = { kRed, kGreen, kBlue };
    const struct {
        std::function<bool()> set;
        std::vector<std::uint32_t> expected;
    } cases[] = {
        { [&] { return brush.SetSurroundColors(colours); }, colours },
        { [&] { return brush.SetSurroundColors(colours, 2); }, { kRed, kGreen } },
        { [&] { return brush.SetSurroundColors(colours, 9); }, colours },
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.set());
        EXPECT_EQ(brush.GetSurroundColorCount(), 4);
        EXPECT_EQ(brush.GetSurroundColors(), c.expected);
    }
}

using BrushTransforms = NoLeaks;

// Turning about a point after a translation by (5, 7): prepend order turns points before
// the translation, append order after it. Same check for the pen and every brush.
TEST_F(BrushTransforms, RotateAndScaleAboutAPointInBothOrders)
{
    Bitmap picture;
    picture.Create(4, 4);
    const PointF c(10, 20);
    const auto translate = [](PointF p) { return PointF(p.X + 5, p.Y + 7); };
    const auto rotate = [c](PointF p) { return PointF(c.X - (p.Y - c.Y), c.Y + (p.X - c.X)); };
    const auto scale = [c](PointF p) { return PointF(c.X + 2 * (p.X - c.X), c.Y + 3 * (p.Y - c.Y)); };

    const auto check = [&](auto& wrapper, const char* name) {
        // Wine answers NotImplemented to rotating a linear gradient's transform.
        const bool canRotate = wrapper.RotateTransform(90) || lastStatus() != flat::NotImplemented;
        for (const int order : { 0, 1 }) {
            for (const bool rotating : { true, false }) {
                if (rotating && !canRotate)
                    continue;
                ASSERT_TRUE(wrapper.ResetTransform()) << name;
                wrapper.TranslateTransform(5, 7);
                EXPECT_TRUE(rotating ? wrapper.RotateAt(90, c, order) : wrapper.ScaleAt(2, 3, c, order)) << name;
                const auto m = transformOf(wrapper);
                for (const PointF& p : { PointF(0, 0), PointF(1, 0), PointF(0, 1) }) {
                    const PointF turned = order == 0 ? translate(rotating ? rotate(p) : scale(p))
                                                     : (rotating ? rotate(translate(p)) : scale(translate(p)));
                    const PointF actual = mapThrough(m, p);
                    EXPECT_NEAR(actual.X, turned.X, 1e-3) << name << " order " << order << " rotate " << rotating;
                    EXPECT_NEAR(actual.Y, turned.Y, 1e-3) << name << " order " << order << " rotate " << rotating;
                }
            }
        }
    };
    Pen pen;
    pen.Create(kRed, 1);
    check(pen, "pen");
    TextureBrush texture;
    texture.Create(picture);
    check(texture, "texture");
    LinearGradientBrush linear;
    linear.Create(PointF(0, 0), PointF(4, 0), kRed, kBlue);
    check(linear, "linear gradient");
    PathGradientBrush path;
    path.Create({ PointF(0, 0), PointF(4, 0), PointF(0, 4) });
    check(path, "path gradient");
}
