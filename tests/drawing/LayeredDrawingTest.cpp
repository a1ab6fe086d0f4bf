#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "core/UniqueHandle.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/LayeredDrawing.h"
#include "drawing/LiveObjects.h"
#include "drawing/SolidBrush.h"
#include "drawing/Surface.h"

namespace {

// Premultiplied pixels agree when every channel is within `tolerance`.
::testing::AssertionResult nearPixel(std::uint32_t actual, std::uint32_t expected, int tolerance = 2)
{
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>(actual >> shift & 0xFF);
        const int e = static_cast<int>(expected >> shift & 0xFF);
        if (std::abs(a - e) > tolerance)
            return ::testing::AssertionFailure() << std::hex << "0x" << actual << " is not near 0x" << expected;
    }
    return ::testing::AssertionSuccess();
}

Surface filled(int width, int height, std::uint32_t premultipliedArgb)
{
    Surface surface(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            surface.setPixel(x, y, premultipliedArgb);
    }
    return surface;
}

} // namespace

TEST(AlphaBlend, SourceOverWithConstantAlpha)
{
    constexpr std::uint32_t kOpaqueBlue = 0xFF0000FF;
    constexpr std::uint32_t kHalfRed = 0x80800000;
    struct Case {
        const char* name;
        std::uint32_t source;
        std::uint32_t destination;
        int alpha;
        std::uint32_t expected;
    };
    // Result = source × alpha/255 + destination × (1 − source alpha × alpha/255²).
    const Case cases[] = {
        { "half red over blue", kHalfRed, kOpaqueBlue, 255, 0xFF80007F },
        { "half red over blue at half strength", kHalfRed, kOpaqueBlue, 128, 0xFF4000BF },
        { "opaque green over blue", 0xFF00FF00, kOpaqueBlue, 255, 0xFF00FF00 },
        { "opaque green over blue at half strength", 0xFF00FF00, kOpaqueBlue, 128, 0xFF00807F },
        { "half red over nothing", kHalfRed, 0, 255, kHalfRed },
        { "half red over nothing at half strength", kHalfRed, 0, 128, 0x40400000 },
        { "nothing over blue", 0, kOpaqueBlue, 255, kOpaqueBlue },
        { "nothing over translucent blue", 0, 0x60000060, 128, 0x60000060 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Surface source = filled(4, 4, c.source);
        Surface destination = filled(8, 8, c.destination);
        ASSERT_TRUE(alphaBlend(destination.dc(), 2, 2, 4, 4, source.dc(), 0, 0, 4, 4, c.alpha));
        EXPECT_TRUE(nearPixel(destination.pixel(2, 2), c.expected));
        EXPECT_TRUE(nearPixel(destination.pixel(5, 5), c.expected));
        // Only the target rectangle changes.
        EXPECT_EQ(destination.pixel(1, 1), c.destination);
        EXPECT_EQ(destination.pixel(6, 6), c.destination);
    }
}

TEST(AlphaBlend, StretchesTheSourceAreaOntoTheTarget)
{
    Surface source(4, 4);
    source.setPixel(2, 0, 0xFFFF0000);
    source.setPixel(3, 0, 0xFFFF0000);
    source.setPixel(2, 1, 0xFFFF0000);
    source.setPixel(3, 1, 0xFFFF0000);
    Surface destination(8, 8);
    // The 2 × 2 red source corner fills the whole 8 × 8 target.
    ASSERT_TRUE(alphaBlend(destination.dc(), 0, 0, 8, 8, source.dc(), 2, 0, 2, 2));
    EXPECT_EQ(destination.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(destination.pixel(7, 7), 0xFFFF0000u);
}

namespace {

void destroyWindow(HWND window)
{
    DestroyWindow(window);
}
using UniqueWindow = UniqueHandle<HWND, &destroyWindow>;

constexpr wchar_t kTestClass[] = L"KxLayeredDrawingTest";

UniqueWindow popup(DWORD extendedStyle, const RECT& rect)
{
    static const ATOM registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kTestClass;
        return RegisterClassW(&windowClass);
    }();
    if (!registered)
        return {};
    return UniqueWindow(CreateWindowExW(extendedStyle, kTestClass, L"", WS_POPUP, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

// Left, top, right, bottom.
std::array<LONG, 4> windowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return { rect.left, rect.top, rect.right, rect.bottom };
}

} // namespace

TEST(UpdateLayered, MovesToTheTargetOrKeepsItsRectangle)
{
    UniqueWindow window = popup(WS_EX_LAYERED | WS_EX_TOOLWINDOW, { 100, 100, 150, 140 });
    ASSERT_TRUE(window);
    Surface picture = filled(80, 60, 0x80402010);

    LayeredPlacement moved;
    moved.alpha = 200;
    moved.target = RECT{ 30, 40, 90, 90 };
    EXPECT_TRUE(updateLayered(window.get(), picture.dc(), moved));
    EXPECT_EQ(windowRect(window.get()), (std::array<LONG, 4>{ 30, 40, 90, 90 }));

    EXPECT_TRUE(updateLayered(window.get(), picture.dc()));
    EXPECT_EQ(windowRect(window.get()), (std::array<LONG, 4>{ 30, 40, 90, 90 }));

    LayeredPlacement offset;
    offset.sourceOrigin = { 10, 5 };
    offset.target = RECT{ 200, 210, 260, 250 };
    EXPECT_TRUE(updateLayered(window.get(), picture.dc(), offset));
    EXPECT_EQ(windowRect(window.get()), (std::array<LONG, 4>{ 200, 210, 260, 250 }));
}

TEST(UpdateLayered, FailsForAWindowThatIsNotLayered)
{
    UniqueWindow window = popup(WS_EX_TOOLWINDOW, { 100, 100, 150, 140 });
    ASSERT_TRUE(window);
    Surface picture = filled(50, 40, 0xFF000000);
    EXPECT_FALSE(updateLayered(window.get(), picture.dc()));
    EXPECT_EQ(windowRect(window.get()), (std::array<LONG, 4>{ 100, 100, 150, 140 }));
}

namespace {

struct Rounded {
    float x, y, width, height;
    int radius;
};

std::vector<PointF> pathPoints(const Rounded& r)
{
    GraphicsPath path;
    path.Create();
    addRoundedRectangle(path, r.x, r.y, r.width, r.height, r.radius);
    return path.GetPathPoints();
}

bool samePoints(const std::vector<PointF>& a, const std::vector<PointF>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::abs(a[i].X - b[i].X) > 1e-3f || std::abs(a[i].Y - b[i].Y) > 1e-3f)
            return false;
    }
    return true;
}

// A path filled opaque white, without anti-aliasing, onto a transparent surface.
Surface filledPath(const GraphicsPath& path, int width, int height)
{
    Surface surface(width, height);
    Graphics graphics;
    graphics.CreateFromHDC(surface.dc());
    SolidBrush white;
    white.Create(0xFFFFFFFF);
    graphics.FillPath(white, path);
    return surface;
}

Surface filledRounded(const Rounded& r, int width, int height)
{
    GraphicsPath path;
    path.Create();
    addRoundedRectangle(path, r.x, r.y, r.width, r.height, r.radius);
    return filledPath(path, width, height);
}

int transparentPixels(const Surface& surface, int left, int top, int size)
{
    int count = 0;
    for (int y = top; y < top + size; ++y) {
        for (int x = left; x < left + size; ++x)
            count += surface.pixel(x, y) == 0;
    }
    return count;
}

} // namespace

TEST(RoundedRectangle, RadiusZeroIsAPlainRectangleAndLargeRadiiClamp)
{
    const int liveBefore = liveNativeObjects();
    const std::vector<PointF> plain = pathPoints({ 3, 4, 40, 30, 0 });
    ASSERT_EQ(plain.size(), 4u);
    EXPECT_TRUE(samePoints(plain, { { 3, 4 }, { 43, 4 }, { 43, 34 }, { 3, 34 } }));

    // Four 90° arcs of one bezier each, four points per arc.
    EXPECT_EQ(pathPoints({ 0, 0, 300, 300, 10 }).size(), 16u);
    EXPECT_TRUE(samePoints(pathPoints({ 0, 0, 300, 300, 300 }), pathPoints({ 0, 0, 300, 300, 100 })));
    EXPECT_FALSE(samePoints(pathPoints({ 0, 0, 300, 300, 99 }), pathPoints({ 0, 0, 300, 300, 100 })));
    EXPECT_TRUE(samePoints(pathPoints({ 0, 0, 300, 300, -5 }), pathPoints({ 0, 0, 300, 300, 1 })));
    EXPECT_EQ(liveNativeObjects(), liveBefore);
}

TEST(RoundedRectangle, StaysInsideItsRectangle)
{
    GraphicsPath path;
    path.Create();
    addRoundedRectangle(path, 5, 6, 40, 30, 10);
    const RectF bounds = path.GetBounds();
    EXPECT_FLOAT_EQ(bounds.X, 5);
    EXPECT_FLOAT_EQ(bounds.Y, 6);
    EXPECT_FLOAT_EQ(bounds.Width, 40);
    EXPECT_FLOAT_EQ(bounds.Height, 30);
}

TEST(RoundedRectangle, FillsAllButTheCorners)
{
    const int liveBefore = liveNativeObjects();
    {
        const Surface surface = filledRounded({ 0, 0, 40, 30, 10 }, 40, 30);
        EXPECT_EQ(surface.pixel(0, 0), 0u);
        EXPECT_EQ(surface.pixel(39, 0), 0u);
        EXPECT_EQ(surface.pixel(0, 29), 0u);
        EXPECT_EQ(surface.pixel(39, 29), 0u);
        EXPECT_EQ(surface.pixel(20, 15), 0xFFFFFFFFu);
        EXPECT_EQ(surface.pixel(20, 0), 0xFFFFFFFFu);
        EXPECT_EQ(surface.pixel(0, 15), 0xFFFFFFFFu);
    }
    EXPECT_EQ(liveNativeObjects(), liveBefore);
}

TEST(RoundedRectangle, OnlyTheBottomRightCornerIsCutDeeper)
{
    // The reference has four equal corners: at 50 % of 200 pixels, arcs 100 pixels across,
    // as radius 100 gives. Rasterising corners is not symmetric, so each corner is compared
    // with the reference's own.
    GraphicsPath even;
    even.Create();
    even.AddRoundedRectangle(0, 0, 200, 200, 50);
    const Surface reference = filledPath(even, 200, 200);
    const Surface surface = filledRounded({ 0, 0, 200, 200, 100 }, 200, 200);
    struct Corner {
        const char* name;
        int left, top;
    };
    for (const Corner& c : { Corner{ "top left", 0, 0 }, Corner{ "top right", 140, 0 },
             Corner{ "bottom left", 0, 140 } }) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(transparentPixels(surface, c.left, c.top, 60), transparentPixels(reference, c.left, c.top, 60));
    }
    const int evenCorner = transparentPixels(reference, 140, 140, 60);
    EXPECT_GT(evenCorner, 400);
    // A quarter circle 50.5 rather than 50 pixels in radius leaves about 11 more pixels out.
    EXPECT_GT(transparentPixels(surface, 140, 140, 60), evenCorner + 5);
    EXPECT_LT(transparentPixels(surface, 140, 140, 60), evenCorner + 40);
}
