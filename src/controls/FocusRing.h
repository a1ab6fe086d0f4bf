#pragma once

#include "drawing/GdiplusFlat.h"

class Graphics;

// The dotted rectangle that shows which control has the keyboard focus.
void drawFocusRing(Graphics& graphics, const RectF& rect);
