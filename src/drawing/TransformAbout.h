#pragma once

#include "drawing/GdiplusFlat.h"

// Turns or scales a transform about `centre` rather than the origin: translate there, turn,
// translate back, all three in the same matrix order. Prepend order applies the last call
// first, so the translations swap signs between the orders. The result is the last call's.
template <typename Translate, typename Turn>
bool transformAbout(PointF centre, int order, Translate translate, Turn turn)
{
    const float sign = order == flat::MatrixOrderPrepend ? 1.0f : -1.0f;
    translate(sign * centre.X, sign * centre.Y);
    turn();
    return translate(-sign * centre.X, -sign * centre.Y);
}
