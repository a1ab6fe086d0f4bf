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
        if (position->cx == m_layoutWidth && position->cy == m_layoutHeight) {
            m_grew = false;
        } else {
            m_grew = position->cx > m_layoutWidth || position->cy > m_layoutHeight;
            sizeChanged = true;
        }
        // A drag above the top edge must not squeeze the window.
        if (position->y < 0 && m_dragging) {
            RECT client{};
            GetClientRect(m_hwnd, &client);
            position->cy = client.bottom - client.top;
        }
        if (!(position->flags & SWP_NOSIZE)) {
            m_layoutWidth = position->cx;
            m_layoutHeight = position->cy;
        } else {
            sizeChanged = false;
        }
    }
    if (sizeChanged && IsWindowVisible(m_hwnd)) {
        if (m_sizingCallback)
            m_sizingCallback(m_hwnd, position->cx, position->cy);
        HWND parent = m_embeddedChild ? GetParent(m_hwnd) : nullptr;
        if (!m_embeddedChild || GetPropA(parent, skin::kPropFrameworkWindow))
            compose(true);
    } else if (m_movingCallback && !(position->flags & SWP_NOMOVE)) {
        m_movingCallback(m_hwnd, position->x, position->y);
    }
}

void SkinWindow::handlePositionChanged(const WINDOWPOS* position)
{
    if (!position)
        return;
    if (m_parent && m_companionIndex > 0) {
        RECT parentRect{};
        GetWindowRect(m_parent, &parentRect);
        updateCompanionOffset(m_parent, m_hwnd, position->x - parentRect.left, position->y - parentRect.top);
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
    HWND parent = m_embeddedChild ? GetParent(m_hwnd) : nullptr;
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
    m_childrenBackground = false;
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
    if (m_focused > 0) {
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
        m_minimised = false;
        m_maximised = true;
        showMaximiseButtonAs(true);
        showShadow(false);
        break;
    case SC_RESTORE:
        m_minimised = false;
        m_maximised = m_savedMaximised;
        // Restoring a minimised window that was maximised brings it back maximised, and the
        // button must go on offering restore.
        showMaximiseButtonAs(m_maximised);
        showShadow(true);
        break;
    case SC_MINIMIZE:
        m_savedMaximised = m_maximised;
        m_minimised = true;
        m_maximised = false;
        showShadow(false);
        break;
    default:
        break;
    }
}

void SkinWindow::handleQueryOpen()
{
    m_minimised = false;
    m_maximised = m_savedMaximised;
    m_childrenBackground = true;
    if (WindowRecord* entry = record())
        for (const CompanionRecord& item : entry->companions)
            if (!item.free && IsWindowVisible(item.hwnd))
                PostMessageW(item.hwnd, WM_PAINT, 0, 0);
    showShadow(true);
}

void SkinWindow::fullCleanup()
{
    if (m_fadeTimer)
        KillTimer(m_hwnd, m_fadeTimer);
    HWND window = m_hwnd;
    detachFromParent();
    if (m_chainedProc)
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_chainedProc));
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
    m_parent = nullptr;
    m_hwnd = nullptr;
    m_savedMaximised = m_maximised = m_minimised = false;
    m_chainedProc = nullptr;
    m_addedLayeredStyle = false;
    m_backgroundBytes.clear();
    m_backgroundLayout = 0;
    m_backgroundIsNineGrid = false;
    m_backgroundNineGrid.Clear();
    m_backgroundColour = -1;
    m_opacity = 255;
    m_backgroundLayer = Surface();
    m_composed = Surface();
    m_captionLayer = Surface();
    m_captionUnderlay = Surface();
    m_captionLayerRect = RECT{};
    m_backgroundImage = Surface();
    m_fadeSnapshot = Surface();
    m_previousHot = m_hot = m_focused = m_pressed = 0;
    m_uiState = 0;
    m_accessibleDescription.clear();
    m_readingOrder.clear();
    m_hoverTracking = false;
    m_resizable = false;
    m_borderColour = 0;
    m_movable = true;
    m_borderWidth = 0;
    m_followParent = false;
    m_companionIndex = 0;
    m_captionFont = L"宋体";
    m_captionColour = 0xFFFFFF;
    m_captionSize = 14;
    m_captionStyle = 0;
    m_captionGlow = true;
    m_captionGlowColour = 0;
    m_fullRepaint = m_embeddedChild = m_modal = false;
    m_createdCallback = nullptr;
    m_closingCallback = nullptr;
    m_sizingCallback = nullptr;
    m_movingCallback = nullptr;
    m_skinButtonCallback = nullptr;
    m_menuButtonCallback = nullptr;
    m_showEffect = ShowEffect::None;
    m_hideEffect = HideEffect::None;
    m_layered = true;
    m_border = m_roundedBorder = m_extraFrame = false;
    m_sizeLimitsSet = false;
    m_minWidth = m_minHeight = m_maxWidth = m_maxHeight = 0;
    m_layoutWidth = m_layoutHeight = 0;
    m_grew = false;
    m_fadeTimer = 0;
    m_fadeStep = 0;
    m_fading = false;
    m_fadeAlpha = 0;
    m_dragging = false;
    m_firstShowPending = false;
    m_className.clear();
    m_drawTitle = 1;
    m_captionRect = {};
    m_iconBytes.clear();
    m_ownCursor.reset();
    m_childrenBackground = m_modalReleased = m_surfacePressed = false;
    m_captionButtonStyle = 0;
    m_captionStripWidth = 0;
    m_maximiseItem = 0;
    m_disabledWindows.clear();
    m_nonLayeredPainting = false;
    m_borderZone = BorderZoneCode::None;
    m_overlays.clear();
}
