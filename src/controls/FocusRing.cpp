#include "controls/FocusRing.h"

#include "drawing/Colour.h"
#include "drawing/Graphics.h"
#include "drawing/Pen.h"

void drawFocusRing(Graphics& graphics, const RectF& rect)
{
    Pen dots;
    if (dots.Create(toArgb(0, 200), 1.0f) && dots.SetDashStyle(flat::DashStyleDot))
        graphics.DrawRectangle(dots, rect.X, rect.Y, rect.Width, rect.Height);
}
