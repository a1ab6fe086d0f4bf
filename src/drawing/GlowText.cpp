#include "drawing/GlowText.h"

#include <algorithm>

#include "drawing/Bitmap.h"
#include "drawing/Colour.h"
#include "drawing/Font.h"
#include "drawing/Graphics.h"
#include "drawing/SolidBrush.h"
#include "drawing/StringFormat.h"

namespace {

constexpr std::uint32_t kTextAlpha = 254;
constexpr std::uint32_t kHaloAlpha = 100;

void buildFormat(StringFormat& format, const GlowTextStyle& style)
{
    format.GenericTypographic();
    if (style.ellipsis)
        format.SetTrimming(flat::StringTrimmingEllipsisCharacter);
    if (!style.wrap)
        format.SetFormatFlags(flat::StringFormatFlagsNoWrap);
    format.SetAlignment(style.alignment);
    format.SetLineAlignment(style.lineAlignment);
}

// The text drawn once in the glow colour, shrunk by `glowSize` and stretched back: the
// bicubic scaling blurs it into a halo. Empty when a bitmap cannot be made.
Bitmap blurredGlow(const std::wstring& text, const Font& font, const StringFormat& format, std::uint32_t glowArgb,
    int width, int height, int glowSize)
{
    Bitmap sharp;
    if (!sharp.Create(width, height, PixelFormat32bppARGB))
        return {};
    {
        Graphics graphics;
        graphics.GetImageGraphicsContext(sharp);
        graphics.SetTextRenderingHint(flat::TextRenderingHintAntiAliasGridFit);
        SolidBrush brush;
        brush.Create(glowArgb);
        graphics.DrawString(text, font, brush,
            RectF(0, 0, static_cast<float>(width), static_cast<float>(height)), format);
    }

    Bitmap small;
    if (!small.Create(std::max(1, width / glowSize), std::max(1, height / glowSize), PixelFormat32bppARGB))
        return {};
    {
        Graphics graphics;
        graphics.GetImageGraphicsContext(small);
        graphics.SetSmoothingMode(flat::SmoothingModeAntiAlias);
        graphics.SetInterpolationMode(flat::InterpolationModeHighQualityBicubic);
        graphics.SetCompositingQuality(flat::CompositingQualityHighSpeed);
        graphics.SetPixelOffsetMode(flat::PixelOffsetModeNone);
        graphics.DrawImage(sharp, 0.0f, 0.0f, static_cast<float>(width) / glowSize,
            static_cast<float>(height) / glowSize);
    }
    sharp.Dispose();

    Bitmap glow;
    if (!glow.Create(width, height, PixelFormat32bppARGB))
        return {};
    {
        Graphics graphics;
        graphics.GetImageGraphicsContext(glow);
        graphics.SetInterpolationMode(flat::InterpolationModeHighQualityBicubic);
        graphics.SetPixelOffsetMode(flat::PixelOffsetModeNone);
        // One pixel in, so the halo sits under the text drawn at (x + 1, y + 1).
        graphics.DrawImage(small, 1.0f, 1.0f, static_cast<float>(width), static_cast<float>(height));
    }
    return glow;
}

}  // namespace

void drawGlowText(Graphics& target, const std::wstring& text, const RectF& layout, COLORREF textColour,
    COLORREF glowColour, const GlowTextStyle& style)
{
    const auto width = static_cast<int>(layout.Width);
    const auto height = static_cast<int>(layout.Height);
    if (width <= 0 || height <= 0 || style.glowSize <= 0)
        return;

    Font font;
    font.Create(style.face, style.size, style.fontStyle, flat::UnitWorld);
    StringFormat built;
    if (!style.format)
        buildFormat(built, style);
    const StringFormat& format = style.format ? *style.format : built;

    const Bitmap glow = blurredGlow(text, font, format, toArgb(glowColour, kTextAlpha), width, height, style.glowSize);
    target.SetTextRenderingHint(flat::TextRenderingHintAntiAliasGridFit);
    if (glow)
        target.DrawImage(glow, layout.X, layout.Y);

    // Four faint copies one pixel around the text outline it on top of the halo.
    SolidBrush brush;
    brush.Create(toArgb(glowColour, kHaloAlpha));
    const float x = layout.X;
    const float y = layout.Y;
    const PointF outline[] = {{x, y + 1}, {x + 2, y + 1}, {x + 1, y}, {x + 1, y + 2}};
    for (const PointF& at : outline)
        target.DrawString(text, font, brush, RectF(at.X, at.Y, layout.Width, layout.Height), format);

    brush.SetColor(toArgb(textColour, kTextAlpha));
    target.DrawString(text, font, brush, RectF(x + 1, y + 1, layout.Width, layout.Height), format);
}
