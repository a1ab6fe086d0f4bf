#pragma once

#include <windows.h>

#include <cstdint>

#include "drawing/GdiplusFlat.h"

// The arithmetic of the toggle's looks, apart from any drawing: which glyph frames a check
// box shows, the frames of its check animation, where the indicators and captions go, and
// the switch's track and knob.

// Frames of the shared check-box strip, numbered from 1.
namespace glyph {
constexpr int kBigTick = 1;
constexpr int kHotBox = 2;
constexpr int kTick = 3;
constexpr int kSmallTick = 4;
constexpr int kBox = 5;
constexpr int kDisabledBox = 6;
constexpr int kNone = 0;
} // namespace glyph

// Width of one frame of the strip; captions are placed from it, not from the picture.
constexpr int kGlyphCellWidth = 21;

struct GlyphState {
    bool disabled = false;
    bool hot = false;
    bool checked = false;
    // The check animation is running and `frame` is its current frame.
    bool animating = false;
    int frame = glyph::kNone;
};

// The box and the mark drawn over it; the mark is drawn at `markScale` of its size.
struct GlyphFrames {
    int box = glyph::kBox;
    int mark = glyph::kNone;
    float markScale = 1.0f;

    bool operator==(const GlyphFrames& other) const
    {
        return box == other.box && mark == other.mark && markScale == other.markScale;
    }
};

GlyphFrames glyphFrames(const GlyphState& state);

// The check animation: checking shows 4, 3, 1, 3 and unchecking 1, 3, 4, 0, one frame per tick.
constexpr UINT kCheckAnimationIntervalMs = 50;
constexpr int kCheckingFirstFrame = glyph::kSmallTick;
constexpr int kUncheckingFirstFrame = glyph::kBigTick;

struct AnimationStep {
    int frame = glyph::kNone;
    // The animation ends with this frame.
    bool last = true;
};

// The frame the next tick shows after `frame`.
AnimationStep nextAnimationFrame(bool checking, int frame);

// Where a glyph of the given size goes in the face: its column starts one pixel left of the
// face, it is centred vertically, and a scaled glyph is centred in its cell.
RectF glyphRect(const RECT& face, int glyphWidth, int glyphHeight, float scale = 1.0f);
// The check box caption's layout rectangle, right of the glyph cell: two pixels down for a
// plain caption, at the top for a glowing one, whose text the glow draws a pixel in.
RectF glyphCaptionRect(const RECT& face, bool glow);

// The painted round indicator, 13 pixels wide, vertically centred in the face.
constexpr int kRoundIndicatorWidth = 13;
struct RoundIndicator {
    // Top of the 12-pixel indicator cell.
    int cellTop = 0;
    RectF fill;
    RectF ring;
    RectF highlight;
    // The soft halo of the hot look, a rounded rectangle with corner `haloCorner`.
    RectF halo;
    int haloCorner = 6;
    PointF ringGradientStart;
    PointF ringGradientEnd;
    // Top left of the 13 × 12 tick picture.
    POINT tick {};
};

RoundIndicator roundIndicator(const RECT& face);
// The caption right of an indicator `indicatorWidth` wide.
RectF indicatorCaptionRect(const RECT& face, int indicatorWidth, bool glow);
// Top of a picture `height` high centred vertically in the face.
int centredTop(const RECT& face, int height);

// The switch: a capsule track inset from the control and a round knob as high as the
// control, on the left while on.
struct SwitchLayout {
    RECT track {};
    RECT knob {};
};

SwitchLayout switchLayout(int width, int height, bool on);
// The caption beside the knob, over the rest of the track.
RectF switchCaptionRect(const SwitchLayout& layout, int width, bool on);

// The round indicator's tick tinted with the accent (both 0x00BBGGRR): every pixel that is
// not white takes the accent's share of its colour and an opacity that grows with its
// darkness. Pixels are straight 0xAARRGGBB; the stored alpha scales the result, so the
// picture's anti-aliased edges stay soft.
std::uint32_t tintTickPixel(std::uint32_t argb, COLORREF accent);
constexpr COLORREF kIndicatorAccent = 0xDDCA22;
