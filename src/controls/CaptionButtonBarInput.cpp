#include "controls/CaptionButtonBar.h"

#include <windowsx.h>

#include "element/SkinConstants.h"

std::optional<LRESULT> CaptionButtonBar::handleClassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)window;
    switch (message) {
    case WM_MOVE:
        completeTransitions();
        break;
    case WM_SHOWWINDOW:
        if (wParam != 1 && m_toolTip)
            m_toolTip.setToolRect(id(), RECT {});
        break;
    case WM_MOUSEMOVE:
        onMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    case WM_LBUTTONDOWN:
        m_pressedItem = itemAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        if (validIndex(m_pressedItem)) {
            completeTransitions(m_pressedItem);
            drawItem(m_pressedItem, true, false, false, true);
        }
        break;
    case WM_LBUTTONUP: {
        // The item under the release is the one clicked, wherever the press was; a release
        // beside every item reports 0, which its owner ignores.
        m_pressedItem = itemAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        const int released = m_pressedItem;
        if (validIndex(released)) {
            completeTransitions(released);
            drawItem(released, true, false, true, false);
        }
        // The callback may close or resize the window, so copy it before the call.
        if (ClickCallback callback = m_clickCallback)
            callback(id(), released);
        m_pressedItem = 0;
        break;
    }
    case WM_MOUSEHOVER:
        m_hoverSize = hostParentSize();
        break;
    case WM_MOUSELEAVE:
        onMouseLeave();
        break;
    default:
        break;
    }
    return std::nullopt;
}

void CaptionButtonBar::onMouseMove(int x, int y)
{
    m_hotItem = itemAt(x, y);
    if (m_hotItem == m_shownHotItem)
        return;
    if (validIndex(m_shownHotItem))
        drawItem(m_shownHotItem, true, true, false, false);
    if (validIndex(m_hotItem)) {
        drawItem(m_hotItem, true, true, true, false);
        followWithToolTip(m_hotItem, MAKELPARAM(x, y));
    }
    m_shownHotItem = m_hotItem;
}

void CaptionButtonBar::onMouseLeave()
{
    if (validIndex(m_shownHotItem)) {
        // The window was resized under the mouse: the old picture no longer fits, so no fade.
        const SIZE now = hostParentSize();
        const bool resized = now.cx != m_hoverSize.cx || now.cy != m_hoverSize.cy;
        drawItem(m_shownHotItem, true, !resized, false, false);
    }
    m_shownHotItem = m_hotItem = m_pressedItem = 0;
}

void CaptionButtonBar::followWithToolTip(int index, LPARAM mouseAt)
{
    // One tool for the whole bar, made at the first hover rather than with the bar: a window
    // then reaches the screen without the common controls.
    const bool made = !m_toolTip && m_toolTip.create(parentWindow());
    if (made) {
        const RECT nowhere {};
        m_toolTip.addTool(id(), std::wstring(), &nowhere);
    }
    if (!m_toolTip)
        return;
    RECT rect = itemRect(index);
    OffsetRect(&rect, absoluteX(), absoluteY());
    m_toolTip.setToolText(id(), item(index).toolTipText);
    m_toolTip.setToolRect(id(), rect);
    // This move came before the tip listened: it starts the tip's wait, as it would have.
    if (made)
        m_toolTip.relayMouseMove(mouseAt);
}

SIZE CaptionButtonBar::hostParentSize() const
{
    HWND parent = parentWindow() ? GetParent(parentWindow()) : nullptr;
    RECT rect {};
    if (!parent || !GetWindowRect(parent, &rect))
        return { 0, 0 };
    return { rect.right - rect.left, rect.bottom - rect.top };
}

void CaptionButtonBar::onDestroying()
{
    resetBar();
}

void CaptionButtonBar::resetBar()
{
    m_toolTip.destroy();
    completeTransitions();
    m_items.clear();
    m_hitRects.clear();
    m_strip.Clear();
    m_hotItem = m_shownHotItem = m_pressedItem = 0;
    m_clickCallback = nullptr;
    m_spacing = 0;
    m_checkMode = false;
    m_vertical = false;
    m_hoverSize = {};
    m_system.reset();
}
