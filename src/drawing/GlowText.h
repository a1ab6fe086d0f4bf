#pragma once

#include <windows.h>

#include <string>

#include "drawing/GdiplusFlat.h"

class Graphics;
class StringFormat;

// How glowing text is laid out. Alignments take GDI+'s values (0 near, 1 centre, 2 far).
struct GlowTextStyle {
    // The blur's reduction factor in pixels: larger spreads the glow wider and softer.
    int glowSize = 4;
    std::wstring face = L"宋体";
    // GDI+ font style bits: 1 bold, 2 italic, 4 underline, 8 strikeout.
    int fontStyle = 0;
    float size = 12.0f;
    int alignment = 0;
    int lineAlignment = 0;
    bool wrap = true;
    bool ellipsis = false;
    // When given, used as it is instead of a format built from the fields above.
    const StringFormat* format = nullptr;
};

// Draws `text` in `textColour` over a soft halo of `glowColour` (both 0x00BBGGRR) within
// `layout`. Nothing is drawn for an empty layout or a glow size below 1.
void drawGlowText(Graphics& target, const std::wstring& text, const RectF& layout, COLORREF textColour,
    COLORREF glowColour, const GlowTextStyle& style = {});
