#pragma once

#include <cstdint>

#include "drawing/GdiplusFlat.h"

class Graphics;

// Black at 200, as on the skins.
constexpr std::uint32_t kFocusRingArgb = 0xC8000000;

// The dotted rectangle that shows which control has the keyboard focus.
void drawFocusRing(Graphics& graphics, const RectF& rect, std::uint32_t argb = kFocusRingArgb);
