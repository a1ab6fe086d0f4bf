#include "TestControls.h"

#include "drawing/Colour.h"
#include "drawing/Graphics.h"
#include "drawing/SolidBrush.h"
#include "element/SkinConstants.h"

void TestTile::redraw(skin::RedrawReason reason)
{
    ++redraws;
    Surface* surface = beginRendering();
    if (!surface)
        return;
    Graphics graphics;
    SolidBrush brush;
    if (graphics.CreateFromHDC(surface->dc()) && brush.Create(toArgb(m_colour, 255)))
        graphics.FillRectangle(brush, 0.0f, 0.0f, static_cast<float>(width()), static_cast<float>(height()));
    graphics.Delete();
    if (reason == skin::RedrawReason::Present)
        present();
}

int TestTile::create(HWND window, int x, int y, int width, int height, bool interactive, int containerId)
{
    ControlOptions options;
    options.x = x;
    options.y = y;
    options.width = width;
    options.height = height;
    options.interactive = interactive;
    options.containerId = containerId;
    const int id = ControlBase::create(window, options);
    if (id > 0)
        redraw(skin::RedrawReason::Render);
    return id;
}

std::optional<LRESULT> TestTile::handleClassMessage(HWND, UINT message, WPARAM, LPARAM)
{
    if (message == skin::kMsgClicked)
        ++clickedMessages;
    if (message == WM_LBUTTONDOWN)
        ++presses;
    return std::nullopt;
}
