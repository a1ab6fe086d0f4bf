#include "controls/ToggleGeometry.h"

namespace {

constexpr float kCheckingMarkScale = 0.6f;
constexpr float kUncheckingMarkScale = 0.5f;
constexpr int kIndicatorCell = 12;

float asFloat(int value)
{
    return static_cast<float>(value);
}

} // namespace

GlyphFrames glyphFrames(const GlyphState& state)
{
    if (state.animating) {
        const float scale = state.frame != glyph::kSmallTick ? 1.0f
            : state.checked                                  ? kCheckingMarkScale
                                                             : kUncheckingMarkScale;
        return { glyph::kBox, state.frame, scale };
    }
    // Pressed looks like normal: only the mouse over it and the disabled state show.
    const int box = state.disabled ? glyph::kDisabledBox : state.hot ? glyph::kHotBox : glyph::kBox;
    return { box, state.checked ? glyph::kTick : glyph::kNone, 1.0f };
}

AnimationStep nextAnimationFrame(bool checking, int frame)
{
    if (checking) {
        switch (frame) {
        case glyph::kSmallTick:
            return { glyph::kTick, false };
        case glyph::kTick:
            return { glyph::kBigTick, false };
        default:
            return { glyph::kTick, true };
        }
    }
    switch (frame) {
    case glyph::kBigTick:
        return { glyph::kTick, false };
    case glyph::kTick:
        return { glyph::kSmallTick, false };
    default:
        return { glyph::kNone, true };
    }
}

RectF glyphRect(const RECT& face, int glyphWidth, int glyphHeight, float scale)
{
    const int height = face.bottom - face.top;
    const int column = face.left - 1;
    if (scale == 1.0f)
        return { asFloat(column), asFloat(face.top + (height - glyphHeight) / 2), asFloat(glyphWidth),
            asFloat(glyphHeight) };
    const float width = glyphWidth * scale;
    const float scaledHeight = glyphHeight * scale;
    return { column + (glyphWidth - width) / 2, face.top + (height - scaledHeight) / 2, width, scaledHeight };
}

RectF glyphCaptionRect(const RECT& face, bool glow)
{
    const int left = face.left - 1 + kGlyphCellWidth - 2;
    const int width = face.right - face.left;
    const int height = face.bottom - face.top;
    return { asFloat(left), asFloat(face.top + (glow ? 0 : 2)), asFloat(width), asFloat(height + 1) };
}

RoundIndicator roundIndicator(const RECT& face)
{
    const int x = face.left;
    const int height = face.bottom - face.top;
    const int c = face.top + (height - kIndicatorCell) / 2;
    const int gradientTop = face.top + (height - 11) / 2;
    RoundIndicator indicator;
    indicator.cellTop = c;
    indicator.fill = { asFloat(x + 3), asFloat(c + 1), 11.0f, 11.0f };
    indicator.ring = { asFloat(x + 2), asFloat(c), 12.0f, 12.0f };
    indicator.highlight = { asFloat(x + 4), asFloat(c + 1), 9.0f, 9.0f };
    indicator.halo = { asFloat(x - 1), asFloat(c - 3), 18.0f, 18.0f };
    indicator.ringGradientStart = { asFloat(x), asFloat(gradientTop) };
    indicator.ringGradientEnd = { asFloat(x + 12), asFloat(gradientTop + 12) };
    indicator.tick = { x + 2, c };
    return indicator;
}

RectF indicatorCaptionRect(const RECT& face, int indicatorWidth, bool glow)
{
    const int width = face.right - face.left;
    const int height = face.bottom - face.top;
    if (glow)
        return { asFloat(face.left + indicatorWidth + 3), asFloat(face.top - 1), asFloat(width), asFloat(height + 1) };
    return { asFloat(face.left + indicatorWidth + 2), asFloat(face.top + 1), asFloat(width - indicatorWidth + 2),
        asFloat(height) };
}

int centredTop(const RECT& face, int height)
{
    return face.top + (face.bottom - face.top - height) / 2;
}

SwitchLayout switchLayout(int width, int height, bool on)
{
    SwitchLayout layout;
    layout.track = { 5, 4, width - 5, height - 4 };
    layout.knob = on ? RECT { 0, 0, height, height } : RECT { width - height, 0, width, height };
    return layout;
}

RectF switchCaptionRect(const SwitchLayout& layout, int width, bool on)
{
    const int knobWidth = layout.knob.right - layout.knob.left;
    const int trackWidth = layout.track.right - layout.track.left;
    const int trackHeight = layout.track.bottom - layout.track.top;
    const int top = layout.track.top + 1;
    if (on)
        return { asFloat(layout.knob.right), asFloat(top), asFloat(trackWidth - knobWidth), asFloat(trackHeight) };
    return { asFloat(layout.track.left), asFloat(top), asFloat(width - knobWidth), asFloat(trackHeight) };
}

std::uint32_t tintTickPixel(std::uint32_t argb, COLORREF accent)
{
    if ((argb & 0xFFFFFF) == 0xFFFFFF)
        return argb;
    const std::uint32_t alpha = argb >> 24;
    const std::uint32_t red = argb >> 16 & 0xFF;
    const std::uint32_t green = argb >> 8 & 0xFF;
    const std::uint32_t blue = argb & 0xFF;
    const std::uint32_t darkness = 255 - (red + green + blue) / 3;
    const std::uint32_t tintedRed = red * GetRValue(accent) / 255;
    const std::uint32_t tintedGreen = green * GetGValue(accent) / 255;
    const std::uint32_t tintedBlue = blue * GetBValue(accent) / 255;
    return (darkness * alpha / 255) << 24 | tintedRed << 16 | tintedGreen << 8 | tintedBlue;
}
