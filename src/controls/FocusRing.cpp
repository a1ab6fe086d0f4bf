#include "controls/FocusRing.h"

#include "drawing/Graphics.h"
#include "drawing/Pen.h"

void drawFocusRing(Graphics& graphics, const RectF& rect, std::uint32_t argb)
{
    Pen dots;
    if (dots.Create(argb, 1.0f) && dots.SetDashStyle(flat::DashStyleDot))
        graphics.DrawRectangle(dots, rect.X, rect.Y, rect.Width, rect.Height);
}
