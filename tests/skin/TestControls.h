#pragma once

#include <windows.h>

#include "element/ControlBase.h"

// A control that paints itself in one opaque colour and counts what reaches it.
class TestTile : public ControlBase {
public:
    explicit TestTile(COLORREF colour = RGB(200, 0, 0)) : m_colour(colour) {}

    void redraw(skin::RedrawReason reason) override;

    int create(HWND window, int x, int y, int width, int height, bool interactive, int containerId = 0);
    void setColour(COLORREF colour) { m_colour = colour; }

    int clickedMessages = 0;
    int presses = 0;
    int redraws = 0;

protected:
    std::optional<LRESULT> handleClassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    COLORREF m_colour;
};

// The colour as the composed surface holds it: opaque, premultiplied 0xAARRGGBB.
constexpr std::uint32_t opaquePixel(COLORREF colour)
{
    return 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}
