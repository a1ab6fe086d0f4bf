#include <gtest/gtest.h>

#include <functional>

#include "drawing/Bitmap.h"
#include "drawing/FontCollection.h"
#include "drawing/FontFamily.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/LiveObjects.h"
#include "drawing/Pen.h"
#include "drawing/Region.h"
#include "drawing/StringFormat.h"

namespace {

// Every test leaves as many native objects alive as it found, its own members included.
class NoLeaks : public testing::Test {
protected:
    ~NoLeaks() override { EXPECT_EQ(liveNativeObjects(), m_liveBefore); }

private:
    int m_liveBefore = liveNativeObjects();
};

// Region bounds and tests that take a Graphics get one of a small picture.
class WithGraphics : public NoLeaks {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bitmap.Create(8, 8));
        ASSERT_TRUE(graphics.GetImageGraphicsContext(bitmap));
    }

    Bitmap bitmap;
    Graphics graphics;
};

void expectRect(const RectF& actual, const RectF& expected, float tolerance = 1e-3f)
{
    EXPECT_NEAR(actual.X, expected.X, tolerance);
    EXPECT_NEAR(actual.Y, expected.Y, tolerance);
    EXPECT_NEAR(actual.Width, expected.Width, tolerance);
    EXPECT_NEAR(actual.Height, expected.Height, tolerance);
}

bool samePoints(const std::vector<PointF>& a, const std::vector<PointF>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!a[i].Equals(b[i]))
            return false;
    }
    return true;
}

std::vector<PointF> roundedRectangle(int percent)
{
    GraphicsPath path;
    path.Create();
    EXPECT_TRUE(path.AddRoundedRectangle(10, 20, 40, 30, percent));
    return path.GetPathPoints();
}
}

using GraphicsPathShape = NoLeaks;

TEST_F(GraphicsPathShape, RoundedRectangleClampsItsCornerPercentage)
{
    const struct {
        int given, actsAs;
    } cases[] = { { 0, 1 }, { -7, 1 }, { 150, 100 }, { 100, 100 } };
    // The two ends of the range differ, so equal points below mean the clamp happened.
    ASSERT_FALSE(samePoints(roundedRectangle(1), roundedRectangle(100)));
    for (const auto& c : cases) {
        const std::vector<PointF> given = roundedRectangle(c.given);
        EXPECT_FALSE(given.empty());
        EXPECT_TRUE(samePoints(given, roundedRectangle(c.actsAs))) << c.given;
    }
    GraphicsPath full;
    full.Create();
    full.AddRoundedRectangle(10, 20, 40, 30, 150);
    expectRect(full.GetBounds(), RectF(10, 20, 40, 30), 0.01f);
}

TEST_F(GraphicsPathShape, BoundsOfARectangleWithAndWithoutAPen)
{
    GraphicsPath path;
    ASSERT_TRUE(path.Create());
    EXPECT_TRUE(path.AddRectangleI(3, 4, 10, 20));
    expectRect(path.GetBounds(), RectF(3, 4, 10, 20));
    const flat::GpRect bounds = path.GetBoundsI();
    EXPECT_TRUE(bounds.Equals(flat::GpRect(3, 4, 10, 20)));
    Pen pen;
    pen.Create(0xFF000000, 4);
    const RectF stroked = path.GetBounds(nullptr, &pen);
    EXPECT_LT(stroked.X, 3);
    EXPECT_GT(stroked.Width, 10);
}

// Every point and type reaches GDI+ and comes back, through each way of reading a path.
TEST_F(GraphicsPathShape, PathDataRoundTripsThroughCreate)
{
    GraphicsPath path;
    path.Create();
    path.AddLines({ PointF(0, 0), PointF(5, 1), PointF(9, 4) });
    path.StartFigure();
    path.AddBezierI(9, 4, 12, 0, 15, 8, 20, 4);
    path.CloseFigure();
    const GraphicsPath::Data data = path.GetPathData();
    ASSERT_EQ(data.points.size(), 7u);
    EXPECT_TRUE(samePoints(data.points, path.GetPathPoints()));
    EXPECT_EQ(data.types, path.GetPathTypes());
    EXPECT_EQ(data.types[3], flat::PathPointTypeStart);
    EXPECT_EQ(data.types[4], flat::PathPointTypeBezier);

    GraphicsPath copy;
    ASSERT_TRUE(copy.Create(data.points, data.types, 1));
    EXPECT_EQ(copy.GetFillMode(), 1);
    EXPECT_TRUE(samePoints(copy.GetPathPoints(), data.points));
    EXPECT_EQ(copy.GetPathTypes(), data.types);
    EXPECT_TRUE(copy.GetPathPointsI()[5].Equals(flat::GpPoint(15, 8)));

    GraphicsPath clone;
    ASSERT_TRUE(path.Clone(clone));
    path.Reset();
    EXPECT_EQ(path.GetPointCount(), 0);
    EXPECT_EQ(clone.GetPointCount(), 7);
}

TEST_F(GraphicsPathShape, ReshapingMovesThePathAsExpected)
{
    Pen pen;
    pen.Create(0xFF000000, 4);
    flat::GpMatrix* doubling = nullptr;
    flat::GdipCreateMatrix2(2, 0, 0, 2, 0, 0, &doubling);
    const struct {
        const char* name;
        std::function<bool(GraphicsPath&)> reshape;
        RectF expected;
    } cases[] = {
        // Flat end caps: the widened line is the pen's width tall and exactly as long.
        { "widen", [&](GraphicsPath& p) { return p.Widen(pen); }, RectF(10, 8, 20, 4) },
        { "transform", [&](GraphicsPath& p) { return p.Transform(doubling); }, RectF(20, 20, 40, 0) },
    };
    for (const auto& c : cases) {
        GraphicsPath path;
        path.Create();
        path.AddLine(10, 10, 30, 10);
        EXPECT_TRUE(c.reshape(path)) << c.name << " status " << lastStatus();
        expectRect(path.GetBounds(), c.expected, 0.01f);
    }
    flat::GdipDeleteMatrix(doubling);

    // Flattening with the default flatness leaves only line points.
    GraphicsPath ellipse;
    ellipse.Create();
    ellipse.AddEllipse(0, 0, 40, 20);
    ASSERT_TRUE(ellipse.Flatten());
    for (const BYTE type : ellipse.GetPathTypes())
        EXPECT_NE(type & flat::PathPointTypePathTypeMask, flat::PathPointTypeBezier);
    expectRect(ellipse.GetBounds(), RectF(0, 0, 40, 20), 0.3f);
}

// Text starting at a point and text laid out in a large rectangle there are the same glyphs.
TEST_F(GraphicsPathShape, TextAddsGlyphOutlinesWhereItIsPlaced)
{
    FontCollection installed;
    FontFamily family;
    for (const wchar_t* name : { L"Tahoma", L"DejaVu Sans", L"Arial" }) {
        if (family.CreateFromName(name, installed))
            break;
    }
    ASSERT_TRUE(family) << "no test font installed";
    StringFormat format;
    format.Create();
    GraphicsPath atPoint, inRect;
    atPoint.Create();
    inRect.Create();
    ASSERT_TRUE(atPoint.AddString(L"Hi", family, 0, 20, PointF(30, 40), format));
    ASSERT_TRUE(inRect.AddStringI(L"Hi", family, 0, 20, flat::GpRect(30, 40, 200, 100), format));
    const RectF bounds = atPoint.GetBounds();
    EXPECT_GT(atPoint.GetPointCount(), 8);
    EXPECT_GE(bounds.X, 30);
    EXPECT_GE(bounds.Y, 40);
    EXPECT_LT(bounds.GetRight(), 80);
    expectRect(inRect.GetBounds(), bounds);
}

using RegionWrapper = WithGraphics;

TEST_F(RegionWrapper, CombiningDecidesWhichPointsAreInside)
{
    // Two overlapping squares: A (0..10) and B (5..15); probes in A only, both, B only, neither.
    const PointF probes[] = { PointF(2, 2), PointF(7, 7), PointF(12, 12), PointF(20, 2) };
    const struct {
        const char* name;
        int mode;
        bool inside[4];
    } cases[] = {
        { "intersect", flat::CombineModeIntersect, { false, true, false, false } },
        { "union", flat::CombineModeUnion, { true, true, true, false } },
        { "xor", flat::CombineModeXor, { true, false, true, false } },
        { "exclude", flat::CombineModeExclude, { true, false, false, false } },
    };
    GraphicsPath squareB;
    squareB.Create();
    squareB.AddRectangle(5, 5, 10, 10);
    Region b;
    b.CreateFromPath(squareB);
    const std::function<bool(Region&, int)> combineForms[] = {
        [&](Region& a, int mode) { return a.CombineRegion(b, mode); },
        [&](Region& a, int mode) { return a.CombinePath(squareB, mode); },
        [&](Region& a, int mode) { return a.CombineRect(RectF(5, 5, 10, 10), mode); },
        [&](Region& a, int mode) { return a.CombineRectI(flat::GpRect(5, 5, 10, 10), mode); },
    };
    for (const auto& c : cases) {
        for (const auto& combine : combineForms) {
            Region a;
            ASSERT_TRUE(a.CreateFromRectI(flat::GpRect(0, 0, 10, 10)));
            EXPECT_TRUE(combine(a, c.mode)) << c.name;
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(a.IsVisible(probes[i].X, probes[i].Y), c.inside[i]) << c.name << " probe " << i;
                EXPECT_EQ(a.IsVisibleI(int(probes[i].X), int(probes[i].Y), &graphics), c.inside[i]) << c.name;
            }
        }
    }
}

TEST_F(RegionWrapper, EmptyInfiniteAndBounds)
{
    Region region;
    ASSERT_TRUE(region.Create());
    EXPECT_TRUE(region.IsInfinite(graphics));
    EXPECT_TRUE(region.SetEmpty());
    EXPECT_TRUE(region.IsEmpty(graphics));
    EXPECT_FALSE(region.IsInfinite(graphics));
    region.SetInfinite();
    EXPECT_TRUE(region.IsInfinite(graphics));

    region.CombineRect(RectF(2, 3, 4, 5), flat::CombineModeIntersect);
    region.Translate(1, 1);
    region.TranslateI(1, 0);
    expectRect(region.GetBounds(graphics), RectF(4, 4, 4, 5));
    EXPECT_TRUE(region.GetBoundsI(graphics).Equals(flat::GpRect(4, 4, 4, 5)));
    EXPECT_TRUE(region.IsVisible(4, 4, 1, 1));
    EXPECT_FALSE(region.IsVisibleI(0, 0, 3, 3));
}

// A region written out as data, as a GDI region or as a copy is the same region again.
TEST_F(RegionWrapper, CopiesThroughDataHrgnAndCloneAreEqual)
{
    Region original;
    original.CreateFromRect(RectF(1, 1, 4, 4));
    original.CombineRect(RectF(3, 3, 4, 4), flat::CombineModeUnion);

    const ByteArray data = original.GetData();
    EXPECT_EQ(int(data.size()), original.GetDataSize());
    Region fromData;
    ASSERT_TRUE(fromData.CreateFromData(data));
    EXPECT_TRUE(fromData.IsEqual(original, graphics));

    HRGN hrgn = original.GetHRGN(graphics);
    ASSERT_NE(hrgn, nullptr);
    Region fromHrgn;
    EXPECT_TRUE(fromHrgn.CreateFromHRGN(hrgn));
    DeleteObject(hrgn);
    EXPECT_TRUE(fromHrgn.IsEqual(original, graphics));

    Region clone;
    ASSERT_TRUE(original.Clone(clone));
    original.Delete();
    EXPECT_TRUE(clone.IsVisible(6, 6));
    EXPECT_FALSE(clone.IsVisible(6, 1));
}

TEST_F(RegionWrapper, ScansCoverTheRegionInBands)
{
    Region region;
    region.CreateFromRectI(flat::GpRect(0, 0, 4, 2));
    region.CombineRectI(flat::GpRect(0, 2, 8, 2), flat::CombineModeUnion);
    flat::GpMatrix* identity = nullptr;
    flat::GdipCreateMatrix(&identity);
    EXPECT_EQ(region.GetScansCount(identity), 2);
    const std::vector<flat::GpRect> scans = region.GetScansI(identity);
    ASSERT_EQ(scans.size(), 2u);
    EXPECT_TRUE(scans[0].Equals(flat::GpRect(0, 0, 4, 2)));
    EXPECT_TRUE(scans[1].Equals(flat::GpRect(0, 2, 8, 2)));
    const std::vector<RectF> floatScans = region.GetScans(identity);
    ASSERT_EQ(floatScans.size(), 2u);
    expectRect(floatScans[1], RectF(0, 2, 8, 2));
    flat::GdipDeleteMatrix(identity);
}
