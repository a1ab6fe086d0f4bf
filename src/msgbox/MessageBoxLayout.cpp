#include "msgbox/MessageBoxLayout.h"

#include <algorithm>

#include "core/CoordinateLimits.h"

namespace {
RECT rectAt(int x, int y, int width, int height)
{
    return { x, y, x + width, y + height };
}

RECT limited(const RECT& r)
{
    return { limitCoordinate(r.left), limitCoordinate(r.top), limitCoordinate(r.right), limitCoordinate(r.bottom) };
}

SIZE limited(SIZE size)
{
    return { limitCoordinate(size.cx), limitCoordinate(size.cy) };
}

// Halves are taken in floating point and truncated toward zero.
int half(int value)
{
    return static_cast<int>(value / 2.0);
}

// Left and top win when the box is larger than the area, so its caption stays reachable.
int keepInside(int pos, int size, int low, int high)
{
    return std::max(low, std::min(pos, high - size));
}

std::vector<RECT> buttonRects(size_t count, int barWidth)
{
    constexpr int b = MessageBoxLayout::kButtonWidth;
    const int y = MessageBoxLayout::kBarHeight - 30;
    std::vector<int> xs;
    if (count == 3)
        xs = { barWidth - 3 * b - 14, barWidth - 2 * b - 12, barWidth - b - 10 };
    else if (count == 2)
        xs = { barWidth - 2 * b - 12, barWidth - b - 10 };
    else
        xs = { barWidth - b - 10 };
    std::vector<RECT> rects;
    for (int x : xs)
        rects.push_back(rectAt(x, y, b, MessageBoxLayout::kButtonHeight));
    return rects;
}
} // namespace

int MessageBoxLayout::width(int messageWidth, int checkBoxCaptionWidth)
{
    const int withCheckBox = checkBoxWidth(limitCoordinate(checkBoxCaptionWidth)) + 20 + 280;
    const int withMessage = limitCoordinate(messageWidth) + 88;
    return std::min(std::max(withCheckBox, withMessage), kMaxWidth);
}

int MessageBoxLayout::height(int wrappedMessageHeight)
{
    return std::max(limitCoordinate(wrappedMessageHeight) + 90, kMinHeight);
}

MessageBoxLayout MessageBoxLayout::arrange(SIZE box, const MessageBoxStyle& style, std::optional<int> checkBoxWidth)
{
    box = limited(box);
    const int w = box.cx;
    const int h = box.cy;
    MessageBoxLayout layout;
    layout.box = box;
    layout.body = rectAt(1, 1, w - 2, h - 40);
    layout.bottomBar = rectAt(1, h - 40, w - 2, kBarHeight);
    if (style.icon != MessageBoxIcon::None) {
        const int iconTop = static_cast<int>((h - 65 - 57) / 2.0 + 25);
        layout.icon = rectAt(17, iconTop, 48, 57);
    }
    layout.message = rectAt(79, 28, w - 86, h - 68);
    layout.buttons = buttonRects(style.buttons.size(), w - 2);
    if (checkBoxWidth)
        layout.checkBox = rectAt(10, kBarHeight - 30, limitCoordinate(*checkBoxWidth), kButtonHeight);
    return layout;
}

POINT MessageBoxLayout::position(SIZE size, const std::optional<RECT>& owner, const RECT& area)
{
    const SIZE box = limited(size);
    const RECT workArea = limited(area);
    const RECT around = limited(owner ? *owner : area);
    const int x = around.left + half(around.right - around.left - box.cx);
    const int y = around.top + half(around.bottom - around.top - box.cy);
    return { keepInside(x, box.cx, workArea.left, workArea.right),
        keepInside(y, box.cy, workArea.top, workArea.bottom) };
}

BYTE MessageBoxLayout::opacity(int requested)
{
    return static_cast<BYTE>(std::clamp(requested, 0, 255));
}

RECT MessageBoxLayout::inWindow(const RECT& inBar) const
{
    const RECT r = limited(inBar);
    return { r.left + bottomBar.left, r.top + bottomBar.top, r.right + bottomBar.left, r.bottom + bottomBar.top };
}
