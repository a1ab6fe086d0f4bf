#include "skin/SkinWindow.h"

#include <windowsx.h>

#include <utility>

#include "element/ControlBase.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "element/WindowRouting.h"
#include "skin/WindowGeometry.h"

namespace {

std::intptr_t windowTarget(HWND window)
{
    return reinterpret_cast<std::intptr_t>(window);
}

}  // namespace

int SkinWindow::controlAt(int x, int y) const
{
    WindowRecord* entry = record();
    if (!entry)
        return 0;
    return ::controlAt(entry->controls, x, y, {m_size.layoutWidth, m_size.layoutHeight, m_frame.width, m_size.resizable});
}

const EventHandler* SkinWindow::controlHandler(int controlId, ElementEvent event) const
{
    WindowRecord* entry = record();
    ControlRecord* control = entry ? entry->control(controlId) : nullptr;
    if (!control || !control->inUse() || !control->object)
        return nullptr;
    const EventHandler& handler = control->object->eventHandler(event);
    return handler ? &handler : nullptr;
}

int SkinWindow::callHandler(const EventHandler* handler, std::intptr_t target, LPARAM lParam) const
{
    return (*handler)({target, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), currentModifierMask()});
}

void SkinWindow::onMouseMove(LPARAM lParam)
{
    if (!m_pointer.hoverTracking) {
        TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, m_hwnd, 1};
        TrackMouseEvent(&track);
    }
    WindowRecord* entry = record();
    const bool captured = entry && entry->capture > 0;
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    if (!captured) {
        m_pointer.hot = controlAt(x, y);
        updateCursor(x, y);
    }
    mouseRoutine(WM_MOUSEMOVE, lParam);
    if (!captured && m_pointer.surfacePressed)
        startDragOrResize(x, y);
}

void SkinWindow::mouseRoutine(UINT message, LPARAM lParam)
{
    WindowRecord* entry = record();
    if (!entry)
        return;
    if (entry->capture > 0) {
        if (message == WM_MOUSEMOVE)
            sendToControl(entry->capture, m_hwnd, WM_MOUSEMOVE, 0, lParam);
        return;
    }
    if (message == WM_MOUSEMOVE && m_pointer.hot > 0) {
        const ControlRecord* hot = entry->control(m_pointer.hot);
        if (hot && hot->visible)
            sendToControl(m_pointer.hot, m_hwnd, WM_MOUSEMOVE, 0, lParam);
    }
    if (m_pointer.hot == m_pointer.previousHot)
        return;
    if (m_pointer.previousHot > 0)
        sendToControl(m_pointer.previousHot, m_hwnd, WM_MOUSELEAVE, 0, lParam);
    if (m_pointer.hot > 0)
        sendToControl(m_pointer.hot, m_hwnd, WM_MOUSEHOVER, 0, lParam);
    m_pointer.previousHot = m_pointer.hot;
}

void SkinWindow::onMouseWheel(WPARAM wParam, LPARAM lParam)
{
    WindowRecord* entry = record();
    if (!entry)
        return;
    const int target = entry->capture > 0 ? entry->capture : m_pointer.hot;
    if (target > 0)
        sendToControl(target, m_hwnd, WM_MOUSEWHEEL, wParam, lParam);
}

void SkinWindow::onMouseEnter()
{
    m_pointer.hoverTracking = true;
    if (m_ownCursor && reinterpret_cast<HCURSOR>(GetClassLongPtrW(m_hwnd, GCLP_HCURSOR)) != m_ownCursor.get())
        SetClassLongPtrW(m_hwnd, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(m_ownCursor.get()));
    fireEvent(ElementEvent::MouseEnter, {windowTarget(m_hwnd)});
}

void SkinWindow::onMouseLeave()
{
    m_pointer.hoverTracking = false;
    m_pointer.surfacePressed = false;
    if (m_pointer.hot > 0)
        sendToControl(m_pointer.hot, m_hwnd, WM_MOUSELEAVE, 0, 0);
    fireEvent(ElementEvent::MouseLeave, {windowTarget(m_hwnd)});
    m_pointer.hot = 0;
    mouseRoutine(WM_MOUSELEAVE, 0);
}

BorderZoneCode SkinWindow::borderZoneAt(int x, int y) const
{
    if (m_pointer.hot > 0)
        return BorderZoneCode::OverControl;
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const std::optional<BorderZone> zone =
        ::borderZoneAt(x, y, client.right, client.bottom, borderBand(m_layered, m_skinLoaded, m_frame.width));
    return zone ? zone->code : BorderZoneCode::None;
}

void SkinWindow::updateCursor(int x, int y) const
{
    if (!m_size.resizable || m_size.maximised)
        return;
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const std::optional<BorderZone> zone =
        ::borderZoneAt(x, y, client.right, client.bottom, borderBand(m_layered, m_skinLoaded, m_frame.width));
    if (zone)
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(zone->cursorId)));
}

void SkinWindow::startDragOrResize(int x, int y)
{
    m_pointer.dragging = false;
    const auto drag = [this] {
        m_pointer.dragging = true;
        SendMessageW(m_hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    };
    WindowRecord* entry = record();
    const ControlRecord* hot = entry ? entry->control(m_pointer.hot) : nullptr;
    if (m_pointer.hot == 0 && m_size.movable && !m_size.resizable && !m_size.maximised)
        return drag();
    if (hot && !hot->interactive && m_size.movable && !m_size.maximised)
        return drag();
    if (!m_size.resizable || m_size.maximised)
        return;
    if (m_pointer.borderZone != BorderZoneCode::None && m_pointer.borderZone != BorderZoneCode::OverControl) {
        RECT client{};
        GetClientRect(m_hwnd, &client);
        const std::optional<BorderZone> zone =
            ::borderZoneAt(x, y, client.right, client.bottom, borderBand(m_layered, m_skinLoaded, m_frame.width));
        if (zone) {
            SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(zone->cursorId)));
            SendMessageW(m_hwnd, WM_SYSCOMMAND, static_cast<WPARAM>(zone->sizeCommand), 0);
            return;
        }
    }
    if ((m_pointer.hot == 0 || (hot && !hot->interactive)) && m_size.movable)
        drag();
}

bool SkinWindow::onLeftButtonDown(WPARAM wParam, LPARAM lParam)
{
    WindowRecord* entry = record();
    if (entry && entry->capture > 0) {
        const int capture = entry->capture;
        if (const EventHandler* handler = controlHandler(capture, ElementEvent::LeftDown))
            if (callHandler(handler, capture, lParam) == 0)
                return false;
        return sendToControl(capture, m_hwnd, WM_LBUTTONDOWN, wParam, lParam) != 0;
    }
    m_pointer.borderZone = borderZoneAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));

    const EventHandler* handler = nullptr;
    std::intptr_t target = windowTarget(m_hwnd);
    const ControlRecord* hot = entry ? entry->control(m_pointer.hot) : nullptr;
    m_pointer.pressed = hot ? m_pointer.hot : 0;
    if (m_pointer.hot == 0 || !hot) {
        handler = hasEventHandler(ElementEvent::LeftDown) ? &eventHandler(ElementEvent::LeftDown) : nullptr;
        m_pointer.surfacePressed = true;
    } else {
        target = m_pointer.hot;
        if (GetFocus() != m_hwnd)
            m_focus.control = 0;
        handler = controlHandler(m_pointer.hot, ElementEvent::LeftDown);
        if (hot->interactive) {
            SetFocus(m_hwnd);
            if (m_focus.control != m_pointer.hot) {
                const ControlRecord* previous = entry->control(m_focus.control);
                if (m_focus.control > 0 && previous && previous->interactive)
                    sendToControl(m_focus.control, m_hwnd, WM_KILLFOCUS, wParam, lParam);
                m_focus.control = m_pointer.hot;
                sendToControl(m_pointer.hot, m_hwnd, WM_SETFOCUS, 1, lParam);
                notifyFocusEvent(m_pointer.hot);
            }
        }
        m_pointer.surfacePressed = !hot->interactive;
        if (sendToControl(m_pointer.hot, m_hwnd, WM_LBUTTONDOWN, wParam, lParam) == 0)
            return false;
    }
    if (!handler)
        return true;
    return callHandler(handler, target, lParam) != 0;
}

bool SkinWindow::onLeftButtonUp(WPARAM wParam, LPARAM lParam)
{
    WindowRecord* entry = record();
    if (entry && entry->capture > 0) {
        const int capture = entry->capture;
        sendToControl(capture, m_hwnd, WM_LBUTTONUP, wParam, lParam);
        if (const EventHandler* click = controlHandler(capture, ElementEvent::Click))
            (*click)({capture});
        return true;
    }
    const ControlRecord* hot = entry ? entry->control(m_pointer.hot) : nullptr;
    if (m_pointer.hot == 0 || !hot) {
        if (hasEventHandler(ElementEvent::LeftUp))
            return callHandler(&eventHandler(ElementEvent::LeftUp), windowTarget(m_hwnd), lParam) != 0;
        if (m_focus.control == 0)
            fireEvent(ElementEvent::Click, {windowTarget(m_hwnd)});
        return true;
    }
    const int control = m_pointer.hot;
    const bool pressedHere = control == std::exchange(m_pointer.pressed, 0);
    if (sendToControl(control, m_hwnd, WM_LBUTTONUP, wParam, lParam) == 0)
        return false;
    if (const EventHandler* handler = controlHandler(control, ElementEvent::LeftUp))
        return callHandler(handler, control, lParam) != 0;
    // A control disabled while the button was down is not clicked either.
    const ControlRecord* released = entry->control(control);
    if (control == m_focus.control && pressedHere && released && !released->disabled) {
        sendToControl(control, m_hwnd, skin::kMsgClicked, wParam, lParam);
        if (const EventHandler* click = controlHandler(control, ElementEvent::Click))
            (*click)({control});
        m_focus.control = 0;
    }
    return true;
}

bool SkinWindow::onOtherButton(UINT message, WPARAM wParam, LPARAM lParam)
{
    ElementEvent event = ElementEvent::LeftDoubleClick;
    if (message == WM_RBUTTONDOWN)
        event = ElementEvent::RightDown;
    else if (message == WM_RBUTTONUP)
        event = ElementEvent::RightUp;
    else if (message == WM_RBUTTONDBLCLK)
        event = ElementEvent::RightDoubleClick;

    if (m_pointer.hot > 0 && record() && record()->control(m_pointer.hot)) {
        if (sendToControl(m_pointer.hot, m_hwnd, message, wParam, lParam) == 0)
            return false;
        if (const EventHandler* handler = controlHandler(m_pointer.hot, event))
            callHandler(handler, m_pointer.hot, lParam);
        return true;
    }
    if (hasEventHandler(event))
        callHandler(&eventHandler(event), windowTarget(m_hwnd), lParam);
    return true;
}

bool SkinWindow::giveFocus(int controlId)
{
    WindowRecord* entry = record();
    const ControlRecord* control = entry ? entry->control(controlId) : nullptr;
    if (!control || !control->interactive || inDisabledContainer(entry->controls, controlId))
        return false;
    HWND focus = GetFocus();
    if (focus != m_hwnd && (!focus || GetParent(focus) != m_hwnd))
        SetFocus(m_hwnd);
    const int previous = m_focus.control;
    m_focus.control = controlId;
    if (previous > 0 && previous != controlId)
        sendToControl(previous, m_hwnd, WM_KILLFOCUS, 0, 0);
    sendToControl(controlId, m_hwnd, WM_SETFOCUS, 0, 0);
    if (previous != controlId)
        notifyFocusEvent(controlId);
    return true;
}

void SkinWindow::focusNextControl()
{
    WindowRecord* entry = record();
    if (!entry)
        return;
    if (const ControlRecord* focused = entry->control(m_focus.control))
        if (focused->kind == skin::kKindKeepsTab)
            return;
    const int next = nextFocusTarget(entry->controls, m_focus.control);
    if (next > 0)
        giveFocus(next);
}
