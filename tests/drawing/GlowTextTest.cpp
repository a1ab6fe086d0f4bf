#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "drawing/Bitmap.h"
#include "drawing/Font.h"
#include "drawing/GlowText.h"
#include "drawing/Graphics.h"
#include "drawing/LiveObjects.h"
#include "drawing/SolidBrush.h"
#include "drawing/StringFormat.h"
#include "drawing/Surface.h"
#include "imaging/Pictures.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct Argb {
    int a, r, g, b;
};

// Straight colour channels of a premultiplied pixel.
Argb unpremultiplied(std::uint32_t pixel)
{
    const int a = static_cast<int>(pixel >> 24);
    if (a == 0)
        return { 0, 0, 0, 0 };
    auto channel = [&](int shift) { return static_cast<int>(pixel >> shift & 0xFF) * 255 / a; };
    return { a, channel(16), channel(8), channel(0) };
}

bool isInk(std::uint32_t pixel)
{
    const Argb c = unpremultiplied(pixel);
    return c.a > 200 && std::max({ c.r, c.g, c.b }) < 0x50;
}

bool isHalo(std::uint32_t pixel)
{
    const Argb c = unpremultiplied(pixel);
    return c.a > 0 && c.a < 255 && std::min({ c.r, c.g, c.b }) > 0xC0;
}

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool empty() const { return right < left; }
};

Box inkBox(const Surface& surface)
{
    Box box;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            if (isInk(surface.pixel(x, y))) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

bool sameBits(const Surface& a, const Surface& b)
{
    GdiFlush();
    return std::memcmp(a.bits(), b.bits(), static_cast<std::size_t>(a.width()) * a.height() * 4) == 0;
}

bool allTransparent(const Surface& surface)
{
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            if (surface.pixel(x, y) != 0)
                return false;
        }
    }
    return true;
}

// Every test leaves as many native objects alive as it found, its surfaces included.
class GlowText : public testing::Test {
protected:
    ~GlowText() override { EXPECT_EQ(liveNativeObjects(), m_liveBefore); }

    static GlowTextStyle style(float size = 20.0f)
    {
        GlowTextStyle s;
        s.size = size;
        return s;
    }

    // Draws onto a fresh transparent surface.
    static Surface drawn(int width, int height, const std::wstring& text, const RectF& layout,
        const GlowTextStyle& style, COLORREF textColour = kBlack, COLORREF glowColour = kWhite)
    {
        Surface surface(width, height);
        Graphics graphics;
        graphics.CreateFromHDC(surface.dc());
        drawGlowText(graphics, text, layout, textColour, glowColour, style);
        return surface;
    }

private:
    int m_liveBefore = liveNativeObjects();
};

} // namespace

TEST_F(GlowText, DarkInkInALightHaloAndNothingBeyondTheLayout)
{
    const RectF layout(20, 15, 120, 40);
    const Surface surface = drawn(180, 80, L"KX修复", layout, style());

    const Box ink = inkBox(surface);
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(ink.left, 20);
    EXPECT_GE(ink.top, 15);

    // Around the ink, not on it, a light translucent halo.
    int halo = 0;
    int ring = 0;
    for (int y = ink.top - 3; y <= ink.bottom + 3; ++y) {
        for (int x = ink.left - 3; x <= ink.right + 3; ++x) {
            const std::uint32_t pixel = surface.pixel(x, y);
            if (isInk(pixel))
                continue;
            ++ring;
            halo += isHalo(pixel);
        }
    }
    EXPECT_GT(halo, ring / 4) << halo << " of " << ring;
    EXPECT_TRUE(isHalo(surface.pixel(ink.left - 2, (ink.top + ink.bottom) / 2)))
        << std::hex << surface.pixel(ink.left - 2, (ink.top + ink.bottom) / 2);

    // The outline copies sit up to two pixels right of and below the layout; nothing goes further.
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            const bool nearLayout = x >= 20 && x < 20 + 120 + 3 && y >= 15 && y < 15 + 40 + 3;
            if (!nearLayout) {
                ASSERT_EQ(surface.pixel(x, y), 0u) << "at " << x << "," << y;
            }
        }
    }
}

TEST_F(GlowText, GlowSizeShapesTheHaloOnly)
{
    const RectF layout(4, 4, 120, 40);
    GlowTextStyle fine = style();
    fine.glowSize = 2;
    GlowTextStyle wide = style();
    wide.glowSize = 6;
    const Surface fineGlow = drawn(130, 50, L"KX修复", layout, fine);
    const Surface wideGlow = drawn(130, 50, L"KX修复", layout, wide);
    EXPECT_FALSE(sameBits(fineGlow, wideGlow));
    // The text itself lies on top and does not move.
    const Box fineInk = inkBox(fineGlow);
    const Box wideInk = inkBox(wideGlow);
    EXPECT_EQ(fineInk.left, wideInk.left);
    EXPECT_EQ(fineInk.top, wideInk.top);
    EXPECT_EQ(fineInk.right, wideInk.right);
    EXPECT_EQ(fineInk.bottom, wideInk.bottom);
}

TEST_F(GlowText, WithoutWrappingTextStaysOnOneLine)
{
    const std::wstring text = L"KX启动修复成功，请重新启动";
    const RectF twoLines(2, 2, 90, 56);
    GlowTextStyle oneLine = style();
    oneLine.wrap = false;
    const Box wrapped = inkBox(drawn(100, 64, text, twoLines, style()));
    const Box unwrapped = inkBox(drawn(100, 64, text, twoLines, oneLine));
    ASSERT_FALSE(wrapped.empty());
    ASSERT_FALSE(unwrapped.empty());
    EXPECT_LT(unwrapped.bottom - unwrapped.top, 24);
    EXPECT_GT(wrapped.bottom - wrapped.top, 30);
}

namespace {

// Wine's GDI+ lays text out the same whatever the trimming; Windows' draws an ellipsis.
bool platformDrawsEllipses()
{
    const std::wstring text = L"KX启动修复成功，请重新启动";
    Surface plain(100, 32);
    Surface trimmed(100, 32);
    for (Surface* surface : { &plain, &trimmed }) {
        Graphics graphics;
        graphics.CreateFromHDC(surface->dc());
        Font font;
        font.Create(L"宋体", 20);
        StringFormat format;
        format.GenericTypographic();
        format.SetFormatFlags(flat::StringFormatFlagsNoWrap);
        format.SetTrimming(surface == &trimmed ? flat::StringTrimmingEllipsisCharacter : flat::StringTrimmingCharacter);
        SolidBrush black;
        black.Create(0xFF000000);
        graphics.DrawString(text, font, black, RectF(2, 2, 90, 26), format);
    }
    return !sameBits(plain, trimmed);
}

} // namespace

TEST_F(GlowText, EllipsisChangesTextThatDoesNotFit)
{
    if (!platformDrawsEllipses())
        GTEST_SKIP() << "this GDI+ ignores string trimming";
    const std::wstring text = L"KX启动修复成功，请重新启动";
    const RectF narrow(2, 2, 90, 26);
    GlowTextStyle cut = style();
    cut.wrap = false;
    GlowTextStyle ellipsis = cut;
    ellipsis.ellipsis = true;
    const Surface plain = drawn(100, 32, text, narrow, cut);
    const Surface trimmed = drawn(100, 32, text, narrow, ellipsis);
    EXPECT_FALSE(inkBox(plain).empty());
    EXPECT_FALSE(inkBox(trimmed).empty());
    EXPECT_FALSE(sameBits(plain, trimmed));

    // Short text fits, so trimming leaves it alone.
    const Surface shortPlain = drawn(100, 32, L"KX", narrow, cut);
    const Surface shortTrimmed = drawn(100, 32, L"KX", narrow, ellipsis);
    EXPECT_TRUE(sameBits(shortPlain, shortTrimmed));
}

TEST_F(GlowText, AlignmentFromTheStyleUnlessAFormatIsGiven)
{
    const RectF layout(0, 0, 200, 40);
    GlowTextStyle farStyle = style();
    farStyle.alignment = 2;
    const Box nearInk = inkBox(drawn(210, 50, L"KX", layout, style()));
    const Box farInk = inkBox(drawn(210, 50, L"KX", layout, farStyle));
    ASSERT_FALSE(nearInk.empty());
    ASSERT_FALSE(farInk.empty());
    EXPECT_LT(nearInk.right, 60);
    EXPECT_GT(farInk.left, 140);

    StringFormat nearFormat;
    ASSERT_TRUE(nearFormat.GenericTypographic());
    farStyle.format = &nearFormat;
    const Box overridden = inkBox(drawn(210, 50, L"KX", layout, farStyle));
    EXPECT_EQ(overridden.left, nearInk.left);
    EXPECT_EQ(overridden.right, nearInk.right);
}

TEST_F(GlowText, EmptyLayoutOrNoGlowDrawsNothing)
{
    struct Case {
        const char* name;
        RectF layout;
        int glowSize;
    };
    const Case cases[] = {
        { "no width", RectF(5, 5, 0, 30), 4 },
        { "no height", RectF(5, 5, 100, 0), 4 },
        { "under a pixel", RectF(5, 5, 0.9f, 30), 4 },
        { "negative size", RectF(5, 5, -50, -30), 4 },
        { "glow size 0", RectF(5, 5, 100, 30), 0 },
        { "negative glow size", RectF(5, 5, 100, 30), -3 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GlowTextStyle s = style();
        s.glowSize = c.glowSize;
        EXPECT_TRUE(allTransparent(drawn(120, 40, L"KX修复", c.layout, s)));
    }
}

TEST_F(GlowText, CaptionPicture)
{
    constexpr int kWidth = 320;
    constexpr int kHeight = 56;
    Surface surface(kWidth, kHeight);
    {
        Graphics graphics;
        ASSERT_TRUE(graphics.CreateFromHDC(surface.dc()));
        SolidBrush dark;
        dark.Create(0xFF1E2630);
        graphics.FillRectangle(dark, 0, 0, kWidth, kHeight);
        GlowTextStyle caption = style(22.0f);
        caption.face = L"微软雅黑";
        caption.lineAlignment = 1;
        drawGlowText(graphics, L"KX启动修复成功", RectF(12, 0, kWidth - 24, kHeight), kWhite, RGB(128, 128, 128),
            caption);
    }
    // White ink on the dark background.
    int whiteInk = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            whiteInk += (surface.pixel(x, y) & 0xFFFFFF) > 0xE0E0E0;
    }
    EXPECT_GT(whiteInk, 50);

    // The background is opaque, so the premultiplied pixels are the straight ones.
    Bitmap picture;
    ASSERT_TRUE(picture.CreateFromScan0(kWidth, kHeight, kWidth * 4, PixelFormat32bppARGB,
        reinterpret_cast<std::uint8_t*>(surface.bits())));
    saveArtifact(L"glow-caption.png", picture.SaveToBytes(kPngFormat));
}
