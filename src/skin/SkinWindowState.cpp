#include "skin/SkinWindow.h"

#include "element/FrameworkResources.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "element/WindowRouting.h"
#include "skin/Framework.h"
#include "skin/WorkingSetTrim.h"

void SkinWindow::handlePositionChanging(WINDOWPOS* position)
{
    if (!position)
        return;
    bool sizeChanged = false;
    if (position->cx != 0 || position->cy != 0) {
        if (position->cx == m_size.layoutWidth && position->cy == m_size.layoutHeight) {
            m_size.grew = false;
        } else {
            m_size.grew = position->cx > m_size.layoutWidth || position->cy > m_size.layoutHeight;
            sizeChanged = true;
        }
        // A drag above the top edge must not squeeze the window.
        if (position->y < 0 && m_pointer.dragging) {
            RECT client{};
            GetClientRect(m_hwnd, &client);
            position->cy = client.bottom - client.top;
        }
        if (!(position->flags & SWP_NOSIZE)) {
            m_size.layoutWidth = position->cx;
            m_size.layoutHeight = position->cy;
        } else {
            sizeChanged = false;
        }
    }
    if (sizeChanged && IsWindowVisible(m_hwnd)) {
        if (m_callbacks.sizing)
            m_callbacks.sizing(m_hwnd, position->cx, position->cy);
        HWND parent = m_attachment.embeddedChild ? GetParent(m_hwnd) : nullptr;
        if (!m_attachment.embeddedChild || GetPropA(parent, skin::kPropFrameworkWindow))
            compose(true);
    } else if (m_callbacks.moving && !(position->flags & SWP_NOMOVE)) {
        m_callbacks.moving(m_hwnd, position->x, position->y);
    }
}

void SkinWindow::handlePositionChanged(const WINDOWPOS* position)
{
    if (!position)
        return;
    if (m_attachment.parent && m_attachment.companionIndex > 0) {
        RECT parentRect{};
        GetWindowRect(m_attachment.parent, &parentRect);
        updateCompanionOffset(m_attachment.parent, m_hwnd, position->x - parentRect.left, position->y - parentRect.top);
    }
    setGeometry({position->x, position->y, position->x, position->y, position->cx, position->cy},
        skinLoaded() ? &m_skin : nullptr, visible(), disabled());
    m_fullRepaint = true;
    moveCompanions();
    shadowFollow();
}

void SkinWindow::handleMove()
{
    RECT bounds{};
    GetWindowRect(m_hwnd, &bounds);
    movingRoutine(bounds.left, bounds.top);
    HWND parent = m_attachment.embeddedChild ? GetParent(m_hwnd) : nullptr;
    if (parent && GetPropA(parent, skin::kPropLayered) && IsWindowVisible(parent)) {
        callWindowHandler(parent, skin::kMsgRecompose, 0, 0);
        PostMessageW(parent, WM_PAINT, 0, 0);
    }
    m_fullRepaint = true;
    InvalidateRect(m_hwnd, nullptr, FALSE);
    refreshChildWindows();
}

void SkinWindow::handleSize(LPARAM lParam)
{
    layoutCaption();
    applyWindowRegion();
    placeCaptionButtons(LOWORD(lParam));
    sizingRoutine(LOWORD(lParam), HIWORD(lParam));
    if (m_layered && IsWindowVisible(m_hwnd)) {
        m_fullRepaint = true;
        PostMessageW(m_hwnd, WM_PAINT, 0, 0);
        return;
    }
    moveCompanions();
    refreshChildWindows();
    m_background.underChildren = false;
    if (m_nonLayeredPainting) {
        m_nonLayeredPainting = false;
        m_fullRepaint = true;
        PostMessageW(m_hwnd, WM_PAINT, 0, 0);
    }
}

void SkinWindow::sizingRoutine(int width, int height)
{
    fireEvent(ElementEvent::Sized, {reinterpret_cast<std::intptr_t>(m_hwnd), width, height});
}

void SkinWindow::movingRoutine(int x, int y)
{
    fireEvent(ElementEvent::Moved, {reinterpret_cast<std::intptr_t>(m_hwnd), x, y});
}

void SkinWindow::refreshChildWindows()
{
    WindowRecord* entry = record();
    if (!entry)
        return;
    for (HWND child : entry->childWindows) {
        if (!IsWindow(child) || !IsWindowVisible(child) || !GetPropA(child, skin::kPropFrameworkChild))
            continue;
        callWindowHandler(child, skin::kMsgRecompose, 0, 0);
        InvalidateRect(child, nullptr, FALSE);
    }
}

void SkinWindow::handleActivate(WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        forwardToFocused(WM_KILLFOCUS, 0, 0);
        fireEvent(ElementEvent::Deactivated, {reinterpret_cast<std::intptr_t>(m_hwnd)});
        if (!framework().trimDisabled)
            trimWorkingSet();
        return;
    }
    if (m_focus.control > 0) {
        SetFocus(m_hwnd);
        forwardToFocused(WM_SETFOCUS, 0, 0);
    }
    fireEvent(ElementEvent::Activated, {reinterpret_cast<std::intptr_t>(m_hwnd)});
}

void SkinWindow::handleSystemCommand(WPARAM wParam)
{
    // The system keeps the low four bits of the command for itself.
    switch (wParam & 0xFFF0) {
    case SC_MAXIMIZE:
        m_size.minimised = false;
        m_size.maximised = true;
        showMaximiseButtonAs(true);
        showShadow(false);
        break;
    case SC_RESTORE:
        m_size.minimised = false;
        m_size.maximised = m_size.savedMaximised;
        // Restoring a minimised window that was maximised brings it back maximised, and the
        // button must go on offering restore.
        showMaximiseButtonAs(m_size.maximised);
        showShadow(true);
        break;
    case SC_MINIMIZE:
        m_size.savedMaximised = m_size.maximised;
        m_size.minimised = true;
        m_size.maximised = false;
        showShadow(false);
        break;
    default:
        break;
    }
}

void SkinWindow::handleQueryOpen()
{
    m_size.minimised = false;
    m_size.maximised = m_size.savedMaximised;
    m_background.underChildren = true;
    if (WindowRecord* entry = record())
        for (const CompanionRecord& item : entry->companions)
            if (!item.free && IsWindowVisible(item.hwnd))
                PostMessageW(item.hwnd, WM_PAINT, 0, 0);
    showShadow(true);
}

void SkinWindow::fullCleanup()
{
    if (m_fade.timer)
        KillTimer(m_hwnd, m_fade.timer);
    HWND window = m_hwnd;
    detachFromParent();
    if (m_attachment.chainedProc)
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_attachment.chainedProc));
    // Normally gone with the other controls at WM_DESTROY; this catches a window whose
    // controls were never told. It needs the window's properties to find its record.
    m_captionButtons.destroy();
    removeProperties();
    WindowRegistry::instance().release(registryIndex());

    // Every value goes back to that of a new object; the class name stays, so the next
    // window of this object unregisters the class first.
    std::wstring className = std::move(m_className);
    resetWindowFields();
    m_className = std::move(className);
    resetElement();
}

void SkinWindow::removeProperties()
{
    static const char* const kNames[] = {skin::kPropWindowProc, skin::kPropRegistryIndex,
        skin::kPropFrameworkWindow, skin::kPropClassCursor, skin::kPropLayered, skin::kPropClipBorder,
        skin::kPropClipRadius, skin::kPropFirstShowDone, skin::kPropShowEffectPlayed,
        skin::kPropBackgroundLayer, skin::kPropComposedSurface, skin::kPropFading, skin::kPropFadeSnapshot,
        skin::kPropFadeAlpha, skin::kPropPresenting, skin::kPropHiddenByProgram, skin::kPropFrameworkChild,
        skin::kPropFrameworkParent};
    // A window must leave no property behind when it is destroyed.
    for (const char* name : kNames)
        RemovePropA(m_hwnd, name);
}

void SkinWindow::resetWindowFields()
{
    m_hwnd = nullptr;
    m_className.clear();
    m_attachment = {};
    m_caption = {};
    m_background = {};
    m_frame = {};
    m_sizeLimits = {};
    m_size = {};
    m_modalRun = {};
    m_pointer = {};
    m_focus = {};
    m_layers = {};
    m_fade = {};
    m_callbacks = {};
    m_effects = {};
    m_accessible = {};
    m_fullRepaint = false;
    m_firstShowPending = false;
    m_nonLayeredPainting = false;
    m_layered = true;
    m_ownCursor.reset();
    m_overlays.clear();
}
