#include <gtest/gtest.h>

#include <functional>

#include "drawing/Bitmap.h"
#include "drawing/Font.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/LiveObjects.h"
#include "drawing/Pen.h"
#include "drawing/Region.h"
#include "drawing/SolidBrush.h"
#include "drawing/StringFormat.h"

namespace {
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;

struct Pixel {
    int x, y;
    std::uint32_t argb;
};

struct DrawCase {
    const char* name;
    std::function<bool()> draw;
    std::vector<Pixel> expected;
};

// Every test must leave as many native objects alive as it found. Checked after the
// deriving fixture's members are gone, so the surface's own objects count too.
class LeakCheck : public testing::Test {
protected:
    ~LeakCheck() override { EXPECT_EQ(liveNativeObjects(), m_liveBefore); }

private:
    int m_liveBefore = liveNativeObjects();
};

// A white 48 x 48 surface with a red brush and a red pen 3 pixels wide.
class GraphicsFixture : public LeakCheck {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bitmap.Create(48, 48));
        ASSERT_TRUE(graphics.GetImageGraphicsContext(bitmap));
        graphics.Clear(kWhite);
        red.Create(kRed);
        redPen.Create(kRed, 3);
    }

    void run(const std::vector<DrawCase>& cases)
    {
        for (const DrawCase& c : cases) {
            SCOPED_TRACE(c.name);
            graphics.Clear(kWhite);
            EXPECT_TRUE(c.draw());
            for (const Pixel& p : c.expected)
                EXPECT_EQ(bitmap.GetPixel(p.x, p.y), p.argb) << "at " << p.x << "," << p.y;
        }
    }

    Bitmap bitmap;
    Graphics graphics;
    SolidBrush red;
    Pen redPen;
};

// A matrix owned for one test; the elements are m11, m12, m21, m22, dx, dy.
struct TestMatrix {
    flat::GpMatrix* native = nullptr;
    TestMatrix() { flat::GdipCreateMatrix(&native); }
    ~TestMatrix() { flat::GdipDeleteMatrix(native); }
    void expectElements(const std::vector<float>& expected) const
    {
        float actual[6] = {};
        flat::GdipGetMatrixElements(native, actual);
        for (std::size_t i = 0; i < 6; ++i)
            EXPECT_NEAR(actual[i], expected[i], 1e-4) << "element " << i;
    }
};
} // namespace

using GraphicsPrimitives = GraphicsFixture;

TEST_F(GraphicsPrimitives, ColourWhereDrawnAndNowhereElse)
{
    Region region;
    region.CreateFromRect(RectF(20, 20, 10, 10));
    const std::vector<flat::GpPoint> triangle = { { 0, 0 }, { 20, 0 }, { 0, 20 } };
    const std::vector<RectF> twoSquares = { RectF(0, 0, 5, 5), RectF(30, 30, 5, 5) };
    const std::vector<PointF> corner = { PointF(5, 5), PointF(40, 5), PointF(40, 40) };
    run({
        { "rectangle", [&] { return graphics.FillRectangle(red, 5, 5, 10, 10); },
            { { 5, 5, kRed }, { 14, 14, kRed }, { 15, 15, kWhite }, { 4, 10, kWhite } } },
        { "rectangle, int", [&] { return graphics.FillRectangleI(red, 5, 5, 10, 10); },
            { { 5, 5, kRed }, { 14, 14, kRed }, { 15, 15, kWhite } } },
        { "rectangles", [&] { return graphics.FillRectangles(red, twoSquares); },
            { { 2, 2, kRed }, { 32, 32, kRed }, { 15, 15, kWhite } } },
        // The corner of the bounding box lies outside the ellipse.
        { "ellipse", [&] { return graphics.FillEllipse(red, 0, 0, 20, 20); },
            { { 10, 10, kRed }, { 1, 1, kWhite }, { 25, 10, kWhite } } },
        // Angles run clockwise from the x axis, so 0..90 is the lower right quarter.
        { "pie", [&] { return graphics.FillPie(red, 0, 0, 20, 20, 0, 90); },
            { { 14, 14, kRed }, { 5, 5, kWhite }, { 5, 14, kWhite } } },
        { "polygon, int", [&] { return graphics.FillPolygonI(red, triangle); },
            { { 3, 3, kRed }, { 17, 17, kWhite } } },
        { "region", [&] { return graphics.FillRegion(red, region); },
            { { 20, 20, kRed }, { 29, 29, kRed }, { 30, 30, kWhite } } },
        { "outline of a rectangle", [&] { return graphics.DrawRectangle(redPen, 10, 10, 20, 20); },
            { { 10, 20, kRed }, { 30, 20, kRed }, { 20, 20, kWhite }, { 35, 20, kWhite } } },
        { "outline of an ellipse", [&] { return graphics.DrawEllipse(redPen, 4, 4, 32, 32); },
            { { 4, 20, kRed }, { 20, 36, kRed }, { 20, 20, kWhite } } },
        { "line, int", [&] { return graphics.DrawLineI(redPen, 0, 20, 47, 20); },
            { { 30, 20, kRed }, { 30, 24, kWhite } } },
        { "lines", [&] { return graphics.DrawLines(redPen, corner); },
            { { 20, 5, kRed }, { 40, 20, kRed }, { 20, 20, kWhite } } },
    });
}

TEST_F(GraphicsPrimitives, ClearSetsEveryPixelExactly)
{
    EXPECT_TRUE(graphics.Clear(0x80123456));
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0x80123456u);
    EXPECT_EQ(bitmap.GetPixel(47, 31), 0x80123456u);
}

using GraphicsSettings = GraphicsFixture;

TEST_F(GraphicsSettings, GettersReturnWhatSettersStored)
{
    Graphics& g = graphics;
    const std::vector<std::tuple<const char*, std::function<bool()>, std::function<double()>, double>> cases = {
        { "compositing mode", [&] { return g.SetCompositingMode(1); }, [&] { return g.GetCompositingMode(); }, 1 },
        { "compositing quality", [&] { return g.SetCompositingQuality(2); }, [&] { return g.GetCompositingQuality(); },
            2 },
        { "smoothing", [&] { return g.SetSmoothingMode(4); }, [&] { return g.GetSmoothingMode(); }, 4 },
        { "text hint", [&] { return g.SetTextRenderingHint(5); }, [&] { return g.GetTextRenderingHint(); }, 5 },
        { "interpolation", [&] { return g.SetInterpolationMode(5); }, [&] { return g.GetInterpolationMode(); }, 5 },
        { "pixel offset", [&] { return g.SetPixelOffsetMode(4); }, [&] { return g.GetPixelOffsetMode(); }, 4 },
        { "text contrast", [&] { return g.SetTextContrast(9); }, [&] { return g.GetTextContrast(); }, 9 },
        { "page unit", [&] { return g.SetPageUnit(6); }, [&] { return g.GetPageUnit(); }, 6 },
        { "page scale", [&] { return g.SetPageScale(2.5f); }, [&] { return g.GetPageScale(); }, 2.5 },
        { "rendering origin", [&] { return g.SetRenderingOrigin(3, 7); }, [&] { return g.GetRenderingOrigin().Y; }, 7 },
    };
    for (const auto& [name, set, get, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(set());
        EXPECT_EQ(get(), expected);
        EXPECT_EQ(lastStatus(), 0);
    }
}

TEST(GraphicsEmpty, GettersGiveZeroAndDeleteGivesFalseWithoutTouchingTheStatus)
{
    Graphics empty;
    const std::vector<std::function<double()>> getters = {
        [&] { return empty.GetCompositingMode(); },
        [&] { return empty.GetSmoothingMode(); },
        [&] { return empty.GetPageScale(); },
        [&] { return empty.GetDpiX(); },
        [&] { return empty.GetTextContrast(); },
        [&] { return empty.GetClipBounds().Width; },
        [&] { return empty.Save(); },
        [&] { return empty.GetNearestColor(0xFF112233); },
    };
    for (std::size_t i = 0; i < getters.size(); ++i) {
        recordStatus(flat::Ok);
        EXPECT_EQ(getters[i](), 0) << "getter " << i;
        EXPECT_EQ(lastStatus(), flat::InvalidParameter) << "getter " << i;
    }
    recordStatus(flat::OutOfMemory);
    EXPECT_FALSE(empty.Delete());
    EXPECT_EQ(lastStatus(), flat::OutOfMemory);
}

using GraphicsTransform = GraphicsFixture;

// On top of a translation by (100, 0): prepend acts on points before it, append after it.
TEST_F(GraphicsTransform, AboutAPointHonoursTheOrder)
{
    const PointF centre(10, 10);
    const std::vector<std::tuple<const char*, std::function<bool()>, std::vector<float>, PointF>> cases = {
        { "rotate prepend", [&] { return graphics.RotateAt(90, centre, 0); }, { 0, 1, -1, 0, 120, 0 },
            PointF(110, 20) },
        { "rotate append", [&] { return graphics.RotateAt(90, centre, 1); }, { 0, 1, -1, 0, 20, 100 },
            PointF(10, 120) },
        { "scale prepend", [&] { return graphics.ScaleAt(2, 3, centre, 0); }, { 2, 0, 0, 3, 90, -20 },
            PointF(130, 10) },
        { "scale append", [&] { return graphics.ScaleAt(2, 3, centre, 1); }, { 2, 0, 0, 3, 190, -20 },
            PointF(230, 10) },
    };
    TestMatrix matrix;
    for (const auto& [name, apply, elements, image] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(graphics.ResetWorldTransform());
        graphics.TranslateWorldTransform(100, 0);
        EXPECT_TRUE(apply());
        ASSERT_TRUE(graphics.GetWorldTransform(matrix.native));
        matrix.expectElements(elements);
        std::vector<PointF> points = { PointF(20, 10) };
        ASSERT_TRUE(graphics.TransformPoints(1, 0, points));
        EXPECT_NEAR(points[0].X, image.X, 1e-3);
        EXPECT_NEAR(points[0].Y, image.Y, 1e-3);
    }
}

using GraphicsClip = GraphicsFixture;

TEST_F(GraphicsClip, EveryClipSourceRestrictsAFill)
{
    Region region;
    region.CreateFromRect(RectF(0, 0, 10, 10));
    GraphicsPath path;
    path.Create();
    path.AddRectangle(0, 0, 10, 10);
    HRGN hrgn = CreateRectRgn(0, 0, 10, 10);
    const auto fillThrough = [&](bool clipped) {
        return clipped && graphics.FillRectangle(red, 0, 0, 48, 48) && graphics.IsVisiblePoint(5, 5)
            && !graphics.IsVisiblePointI(15, 5) && graphics.ResetClip();
    };
    const std::vector<Pixel> inside = { { 9, 9, kRed }, { 10, 5, kWhite }, { 5, 10, kWhite } };
    run({
        { "rect", [&] { return fillThrough(graphics.SetClipRect(0, 0, 10, 10)); }, inside },
        { "rect, int", [&] { return fillThrough(graphics.SetClipRectI(0, 0, 10, 10)); }, inside },
        { "region", [&] { return fillThrough(graphics.SetClipRegion(region)); }, inside },
        { "path", [&] { return fillThrough(graphics.SetClipPath(path)); }, inside },
        { "HRGN", [&] { return fillThrough(graphics.SetClipHrgn(hrgn)); }, inside },
    });
    DeleteObject(hrgn);
}

TEST_F(GraphicsClip, CombineTranslateAndQuery)
{
    constexpr int kIntersect = 1;
    graphics.SetClipRect(0, 0, 20, 20);
    graphics.SetClipRectI(10, 10, 20, 20, kIntersect);
    const RectF bounds = graphics.GetClipBounds();
    EXPECT_EQ(bounds.X, 10);
    EXPECT_EQ(bounds.Width, 10);
    EXPECT_TRUE(graphics.TranslateClipI(5, 0));
    EXPECT_TRUE(graphics.TranslateClip(0, 5));
    const flat::GpRect moved = graphics.GetClipBoundsI();
    EXPECT_EQ(moved.X, 15);
    EXPECT_EQ(moved.Y, 15);
    EXPECT_EQ(moved.Width, 10);
    EXPECT_TRUE(graphics.IsVisibleRectI(0, 0, 16, 16));
    EXPECT_FALSE(graphics.IsVisibleRect(0, 0, 14, 14));
    EXPECT_FALSE(graphics.IsClipEmpty());

    // Off the 48 x 48 surface the clip exists but nothing of it is visible.
    graphics.SetClipRect(100, 100, 10, 10);
    EXPECT_FALSE(graphics.IsClipEmpty());
    EXPECT_TRUE(graphics.IsVisibleClipEmpty());
    EXPECT_EQ(graphics.GetVisibleClipBoundsI().Width, 0);

    graphics.SetClipRect(0, 0, 10, 10);
    Region copy;
    copy.Create();
    EXPECT_TRUE(graphics.GetClip(copy));
    graphics.ResetClip();
    graphics.FillRegion(red, copy);
    EXPECT_EQ(bitmap.GetPixel(9, 9), kRed);
    EXPECT_EQ(bitmap.GetPixel(10, 10), kWhite);
}

TEST_F(GraphicsClip, RestoreAndEndContainerBringBackTheState)
{
    const unsigned state = graphics.Save();
    graphics.SetClipRect(0, 0, 5, 5);
    EXPECT_TRUE(graphics.Restore(state));
    graphics.FillRectangle(red, 0, 0, 48, 48);
    EXPECT_EQ(bitmap.GetPixel(30, 30), kRed);

    graphics.Clear(kWhite);
    const unsigned container = graphics.BeginContainer();
    graphics.SetClipRect(0, 0, 5, 5);
    graphics.TranslateWorldTransform(40, 40);
    EXPECT_TRUE(graphics.EndContainer(container));
    graphics.FillRectangle(red, 20, 20, 5, 5);
    EXPECT_EQ(bitmap.GetPixel(22, 22), kRed);

    // A container maps its source rectangle onto its destination.
    graphics.Clear(kWhite);
    const unsigned mapped = graphics.BeginContainer(RectF(10, 10, 20, 20), RectF(0, 0, 10, 10), flat::UnitPixel);
    graphics.FillRectangle(red, 0, 0, 10, 10);
    graphics.EndContainer(mapped);
    EXPECT_EQ(bitmap.GetPixel(28, 28), kRed);
    EXPECT_EQ(bitmap.GetPixel(8, 8), kWhite);
    EXPECT_EQ(bitmap.GetPixel(31, 31), kWhite);
}

class GraphicsText : public GraphicsFixture {
protected:
    void SetUp() override
    {
        GraphicsFixture::SetUp();
        for (const wchar_t* family : { L"Tahoma", L"DejaVu Sans" }) {
            if (font.Create(family, 16, 0, flat::UnitPixel))
                break;
        }
        ASSERT_TRUE(font);
        ASSERT_TRUE(format.Create());
    }

    // One past the rightmost column holding any ink.
    int inkedWidth() const
    {
        int width = 0;
        for (int x = 0; x < 48; ++x)
            for (int y = 0; y < 48; ++y)
                if (bitmap.GetPixel(x, y) != kWhite)
                    width = x + 1;
        return width;
    }

    Font font;
    StringFormat format;
    const RectF wide = RectF(0, 0, 1000, 100);
};

TEST_F(GraphicsText, AnEmbeddedNulEndsTheText)
{
    const std::wstring withNul(L"ab\0cdefgh", 9);
    const RectF prefix = graphics.MeasureString(L"ab", font, wide, format);
    EXPECT_GT(prefix.Width, 0);
    EXPECT_EQ(graphics.MeasureString(withNul, font, wide, format).Width, prefix.Width);
    EXPECT_GT(graphics.MeasureString(L"abcdefgh", font, wide, format).Width, prefix.Width);

    int fitted = -1;
    int lines = -1;
    graphics.MeasureString(withNul, font, wide, format, fitted, lines);
    EXPECT_EQ(fitted, 2);
    EXPECT_EQ(lines, 1);

    // Drawn from an origin point: the ink of "ab" alone, none of "cdefgh".
    EXPECT_TRUE(graphics.DrawString(withNul, font, red, PointF(0, 0), format));
    const int nulInk = inkedWidth();
    graphics.Clear(kWhite);
    graphics.DrawString(L"ab", font, red, RectF(0, 0, 0, 0), format);
    EXPECT_GT(nulInk, 0);
    EXPECT_EQ(nulInk, inkedWidth());
}

TEST_F(GraphicsText, OneRegionPerCharacterRange)
{
    EXPECT_TRUE(graphics.MeasureCharacterRanges(L"WW", font, wide, format).empty());

    const flat::CharacterRange ranges[] = { flat::CharacterRange(0, 1), flat::CharacterRange(1, 1) };
    flat::GdipSetStringFormatMeasurableCharacterRanges(format.GetNativeObject(), 2, ranges);
    const std::vector<Region> regions = graphics.MeasureCharacterRanges(L"WW", font, wide, format);
    ASSERT_EQ(regions.size(), 2u);
    RectF first;
    RectF second;
    flat::GdipGetRegionBounds(regions[0].GetNativeObject(), graphics.GetNativeObject(), &first);
    flat::GdipGetRegionBounds(regions[1].GetNativeObject(), graphics.GetNativeObject(), &second);
    EXPECT_GT(first.Width, 0);
    EXPECT_NEAR(second.X, first.X + first.Width, 1);
}

// A 4 x 4 source, red on the left half and blue on the right, drawn on white.
class GraphicsImages : public GraphicsFixture {
protected:
    void SetUp() override
    {
        GraphicsFixture::SetUp();
        ASSERT_TRUE(source.Create(4, 4));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                source.SetPixel(x, y, x < 2 ? kRed : kBlue);
        // Whole-pixel scaling without blending across the halves.
        graphics.SetInterpolationMode(flat::InterpolationModeNearestNeighbor);
        graphics.SetPixelOffsetMode(flat::PixelOffsetModeHalf);
    }

    Bitmap source;
    ImageAttributes none;
};

TEST_F(GraphicsImages, EachPlacementPutsThePixelsWhereExpected)
{
    const std::vector<PointF> square = { PointF(10, 10), PointF(18, 10), PointF(10, 18) };
    const std::vector<flat::GpPoint> smallSquare = { { 10, 10 }, { 14, 10 }, { 10, 14 } };
    run({
        { "at a point", [&] { return graphics.DrawImage(source, 10.0f, 10.0f); },
            { { 10, 10, kRed }, { 13, 13, kBlue }, { 14, 10, kWhite } } },
        { "into a rect, int", [&] { return graphics.DrawImageI(source, 10, 10, 8, 8); },
            { { 13, 17, kRed }, { 14, 10, kBlue }, { 18, 10, kWhite } } },
        { "onto a parallelogram", [&] { return graphics.DrawImagePoints(source, square); },
            { { 13, 17, kRed }, { 14, 10, kBlue }, { 18, 10, kWhite } } },
        { "source part at a point, int",
            [&] { return graphics.DrawImagePointRectI(source, 10, 10, 1, 0, 2, 4, flat::UnitPixel); },
            { { 10, 10, kRed }, { 11, 10, kBlue }, { 12, 10, kWhite } } },
        { "source part into a rect, int",
            [&] { return graphics.DrawImageRectRectI(source, 10, 10, 4, 4, 0, 0, 2, 2, flat::UnitPixel, none); },
            { { 13, 13, kRed }, { 14, 10, kWhite } } },
        { "source part onto points, int",
            [&] { return graphics.DrawImagePointsRectI(source, smallSquare, 2, 0, 2, 2, flat::UnitPixel, none); },
            { { 13, 13, kBlue }, { 10, 14, kWhite } } },
    });
}

TEST_F(GraphicsImages, OpacityScalesAlphaThroughOneAttributesObject)
{
    const int before = liveNativeObjects();
    for (const auto& [opacity, alpha] : { std::pair { 1.0f, 255 }, { 0.5f, 128 }, { 0.25f, 64 } }) {
        SCOPED_TRACE(opacity);
        graphics.Clear(0);
        EXPECT_TRUE(graphics.DrawImageWithOpacity(source, 0, 0, 4, 4, 0, 0, 4, 4, opacity));
        const std::uint32_t pixel = bitmap.GetPixel(0, 0);
        EXPECT_NEAR(static_cast<int>(pixel >> 24), alpha, 1);
        EXPECT_EQ(pixel & 0xFFFFFF, kRed & 0xFFFFFF);
        EXPECT_EQ(liveNativeObjects(), before + 1);
    }
}
