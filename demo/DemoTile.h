#pragma once

#include <windows.h>

#include <optional>

#include "element/ControlBase.h"

// A flat rounded tile with centred text: the smallest control that shows the framework's
// hot, pressed and disabled states.
class DemoTile : public ControlBase {
public:
    // `face` is 0x00BBGGRR.
    explicit DemoTile(COLORREF face) : m_face(face) {}

    void redraw(skin::RedrawReason reason) override;

protected:
    std::optional<LRESULT> handleClassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    COLORREF faceColour() const;

    COLORREF m_face;
    bool m_pressed = false;
};
