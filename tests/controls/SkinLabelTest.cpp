#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "SurfaceProbe.h"
#include "controls/LabelLayout.h"
#include "controls/SkinLabel.h"
#include "element/ControlTestSupport.h"

namespace {

FontChange blackText(bool glow = false)
{
    FontChange change;
    change.colour = RGB(0, 0, 0);
    change.size = 14.0f;
    change.glow = glow;
    change.glowColour = RGB(192, 192, 192);
    return change;
}

// A label in the stand-in host, rendered once; its face is what the window composes.
struct RenderedLabel {
    SkinLabel label;

    RenderedLabel(HWND host, const std::wstring& caption, LabelOptions options = {})
    {
        options.caption = caption;
        label.create(host, options);
        label.setFont(blackText());
        label.redraw(skin::RedrawReason::Render);
    }
    const Surface& face() const { return label.record()->surface; }
};

} // namespace

TEST(LabelLayout, CrLfAndTheEllipsis)
{
    EXPECT_EQ(labelCaption(L"a\r\nb\r\n", false), L"ab");
    EXPECT_EQ(labelCaption(L"a\rb\nc", false), L"a\rb\nc");
    EXPECT_EQ(labelCaption(L"a\r\nb\nc", true), L"a\nb\nc");

    auto tenPixelsEach = [](const std::wstring& text) { return 10.0f * static_cast<float>(text.size()); };
    struct Case {
        std::wstring text;
        float width;
        std::wstring shown;
    };
    for (const Case& c : { Case { L"abcdef", 60, L"abcdef" }, Case { L"abcdef", 59, L"abcd\u2026" },
             Case { L"ab  cdef", 50, L"ab\u2026" }, Case { L"abc", 5, L"\u2026" },
             Case { L"a\U0001F600b", 30, L"a\u2026" } })
        EXPECT_EQ(fitWithEllipsis(c.text, c.width, tenPixelsEach), c.shown) << c.width;
}

class SkinLabelTest : public ::testing::Test {
protected:
    HostWindow host;
};

TEST_F(SkinLabelTest, DefaultsAndAlignmentsOutOfRange)
{
    SkinLabel label;
    HWND plain = createPlainWindow();
    EXPECT_EQ(label.create(plain), 0);
    DestroyWindow(plain);
    const int id = label.create(host.handle());
    ASSERT_GT(id, 0);
    EXPECT_EQ(label.create(host.handle()), id);
    EXPECT_EQ(label.record()->kind, 1);
    EXPECT_EQ(label.width() * 1000 + label.height(), 100030);
    EXPECT_EQ(label.font().face, L"宋体");
    EXPECT_EQ(label.vAlign(), 1);
    EXPECT_EQ(label.hAlign(3), 0);
    EXPECT_EQ(label.hAlign(2), 2);
    EXPECT_EQ(label.hAlign(-1), 2);
}

TEST_F(SkinLabelTest, ASingleLineJoinsCrLfAndOnlyAMultilineLabelBreaksAndWraps)
{
    LabelOptions options;
    options.width = 90;
    options.height = 80;
    const InkBox joined = inkBox(RenderedLabel(host.handle(), L"a\r\nb", options).face());
    EXPECT_TRUE(inkBox(RenderedLabel(host.handle(), L"ab", options).face()) == joined);
    const InkBox longLine = inkBox(RenderedLabel(host.handle(), L"words that wrap at the edge", options).face());
    options.multiline = true;
    const InkBox broken = inkBox(RenderedLabel(host.handle(), L"a\r\nb", options).face());
    const InkBox wrapped = inkBox(RenderedLabel(host.handle(), L"words that wrap at the edge", options).face());
    EXPECT_GT(broken.height(), joined.height() + 8);
    EXPECT_LT(broken.width(), joined.width());
    EXPECT_LT(longLine.height(), 20);
    EXPECT_GT(wrapped.height(), 2 * longLine.height());
}

// The ellipsis is three small dots: the last inked columns of a trimmed line of capitals are
// much shorter than the capitals.
TEST_F(SkinLabelTest, ASingleLineTooLongEndsInAnEllipsisEvenWithoutTheFlag)
{
    auto lastColumnsShare = [](const Surface& face) {
        const InkBox all = inkBox(face);
        int top = face.height();
        int bottom = -1;
        for (int x = all.right - 1; x <= all.right; ++x)
            for (int y = 0; y < face.height(); ++y)
                if (face.pixel(x, y) >> 24 > 96) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return static_cast<float>(bottom - top + 1) / static_cast<float>(all.height());
    };
    LabelOptions options;
    options.width = 70;
    EXPECT_LT(lastColumnsShare(RenderedLabel(host.handle(), L"HHHHHHHHHHHHHHHHHHHH", options).face()), 0.34f);
    EXPECT_GT(lastColumnsShare(RenderedLabel(host.handle(), L"HHH", options).face()), 0.66f);
}

TEST_F(SkinLabelTest, AlignmentsPlaceTheCaptionInThirdsOfTheFace)
{
    for (int h = 0; h <= 2; ++h)
        for (int v = 0; v <= 2; ++v) {
            LabelOptions options;
            options.width = 150;
            options.height = 90;
            options.hAlign = h;
            RenderedLabel shown(host.handle(), L"H", options);
            shown.label.vAlign(v);
            const InkBox box = inkBox(shown.face());
            EXPECT_EQ((box.left + box.right) / 2 * 3 / 150, h) << v;
            EXPECT_EQ((box.top + box.bottom) / 2 * 3 / 90, v) << h;
        }
}

TEST_F(SkinLabelTest, TheBackgroundIsFilledOnlyWithAColourAndSomeAlpha)
{
    struct Case {
        std::int32_t colour;
        int alpha;
        std::uint32_t corner;
    };
    for (const Case& c : { Case { -1, 255, 0u }, Case { RGB(255, 0, 0), 0, 0u },
             Case { RGB(255, 0, 0), 255, 0xFFFF0000u }, Case { RGB(0, 0, 255), 128, 0x80000080u } }) {
        LabelOptions options;
        options.backColour = c.colour;
        options.backAlpha = c.alpha;
        RenderedLabel shown(host.handle(), L"H", options);
        for (const POINT p : { POINT { 1, 1 }, POINT { 98, 28 } })
            EXPECT_TRUE(pixelNear(shown.face().pixel(p.x, p.y), c.corner, 1)) << hexPixel(shown.face().pixel(p.x, p.y));
    }
}

// Labels as the message box and the gallery show them, for a person to look at.
TEST(SkinLabelGallery, LooksOfTheLabel)
{
    GalleryWindow gallery(440, 200);
    const NineGridImage skin = buttonSkin();
    struct Shown {
        const wchar_t* caption;
        RECT place;
        int hAlign = 0;
        bool multiline = false;
        bool glow = false;
        const NineGridImage* skin = nullptr;
    };
    const std::vector<Shown> shown {
        { L"单行 near: KX启动修复成功", { 10, 10, 210, 34 } },
        { L"居中 centre", { 10, 40, 210, 64 }, 1 },
        { L"靠右 far", { 10, 70, 210, 94 }, 2 },
        { L"A single line far too long for its label", { 10, 100, 210, 124 } },
        { L"KX启动修复失败！请重试！", { 10, 130, 210, 160 }, 0, false, true },
        { L"多行文字会在标签的宽度内自动换行，\r\nand keeps its own line breaks.", { 225, 10, 425, 100 }, 0, true },
        { L"皮肤 skinned", { 225, 110, 425, 140 }, 1, false, false, &skin },
    };
    std::vector<std::unique_ptr<SkinLabel>> labels;
    for (const Shown& item : shown) {
        LabelOptions options;
        options.x = item.place.left;
        options.y = item.place.top;
        options.width = item.place.right - item.place.left;
        options.height = item.place.bottom - item.place.top;
        options.caption = item.caption;
        options.hAlign = item.hAlign;
        options.multiline = item.multiline;
        options.skin = item.skin;
        labels.push_back(std::make_unique<SkinLabel>());
        ASSERT_GT(labels.back()->create(gallery.handle(), options), 0);
        labels.back()->setFont(blackText(item.glow));
    }
    gallery.recompose();
    for (const auto& label : labels)
        EXPECT_FALSE(inkBox(label->record()->surface).empty());
    gallery.save(L"controls-labels.png");
}
