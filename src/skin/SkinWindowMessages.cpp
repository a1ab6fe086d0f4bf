#include "skin/SkinWindow.h"

#include <windowsx.h>

#include "element/FrameworkResources.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "element/WindowRouting.h"
#include "skin/Framework.h"
#include "skin/WindowGeometry.h"

namespace {

EventArgs keyArgs(HWND window, WPARAM key)
{
    return {reinterpret_cast<std::intptr_t>(window), static_cast<int>(key), currentModifierMask(), 0};
}

// A key handler of the window that returns 0 takes the key: the window neither moves the
// focus on Tab nor hands the key to the focused control, as with the mouse handlers.
bool keyPassedOn(const SkinElement& element, ElementEvent event, HWND window, WPARAM key)
{
    return !element.hasEventHandler(event) || element.fireEvent(event, keyArgs(window, key)) != 0;
}

bool isPlacementMessage(UINT message)
{
    return message == WM_WINDOWPOSCHANGING || message == WM_WINDOWPOSCHANGED || message == WM_MOVE ||
        message == WM_SIZE;
}

}  // namespace

LRESULT SkinWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    // An effect's frames move and size the window; reacting to them would recompose and
    // present the whole picture over the frame.
    if (m_effects.playing && isPlacementMessage(message))
        return defaultTail(window, message, wParam, lParam);
    switch (message) {
    case WM_IME_COMPOSITION:
    case WM_SETCURSOR:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_HOTKEY:
        forwardToFocused(message, wParam, lParam);
        break;
    case WM_CREATE:
        onCreated(window);
        if (m_callbacks.created)
            m_callbacks.created(window);
        break;
    case WM_CLOSE:
        if (!handleClose())
            return 0;
        break;
    case WM_DESTROY:
        handleDestroy();
        break;
    case WM_NCDESTROY: {
        const LRESULT result = defaultTail(window, message, wParam, lParam);
        fullCleanup();
        return result;
    }
    case WM_SHOWWINDOW:
        handleShowWindow(wParam != 0);
        break;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        if (!m_layered && m_background.underChildren)
            copySurfaceExcludingChildren(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT:
        handlePaint(lParam);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = defaultTail(window, message, wParam, lParam);
        storeText(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"");
        layoutCaption();
        redrawCaptionLayer();
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
        return result;
    }
    case WM_GETOBJECT:
        return handleGetObject(wParam, lParam);
    case WM_CHANGEUISTATE:
    case WM_UPDATEUISTATE:
    case WM_QUERYUISTATE:
        if (std::optional<LRESULT> result = handleUiStateMessage(message, wParam, lParam))
            return *result;
        break;
    case WM_GETMINMAXINFO:
        handleMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        break;
    case WM_EXITSIZEMOVE:
        m_pointer.surfacePressed = false;
        m_pointer.dragging = false;
        break;
    case WM_WINDOWPOSCHANGING:
        handlePositionChanging(reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case WM_WINDOWPOSCHANGED:
        handlePositionChanged(reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    case WM_MOVE:
        handleMove();
        break;
    case WM_SIZE:
        handleSize(lParam);
        break;
    case WM_MOUSEMOVE:
        onMouseMove(lParam);
        break;
    case WM_MOUSEHOVER:
        onMouseEnter();
        break;
    case WM_MOUSELEAVE:
        onMouseLeave();
        break;
    case WM_LBUTTONDOWN:
        m_pointer.hot = controlAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        if (!onLeftButtonDown(wParam, lParam))
            return 0;
        break;
    case WM_LBUTTONUP:
        m_pointer.surfacePressed = false;
        if (!onLeftButtonUp(wParam, lParam))
            return 0;
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        if (!onOtherButton(message, wParam, lParam))
            return 0;
        break;
    case WM_ACTIVATE:
        handleActivate(wParam);
        break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        // High contrast and the colour scheme come and go while the window is open.
        fireEvent(ElementEvent::DisplayChanged,
            {reinterpret_cast<std::intptr_t>(window), static_cast<int>(message), static_cast<int>(wParam)});
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // Before the handlers, which may take the key.
        showCuesForKey(wParam);
        if (!keyPassedOn(*this, ElementEvent::KeyDown, window, wParam))
            return 0;
        forwardToFocused(message, wParam, lParam);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (!keyPassedOn(*this, ElementEvent::KeyUp, window, wParam))
            return 0;
        if (wParam == VK_TAB)
            focusNextControl();
        forwardToFocused(message, wParam, lParam);
        break;
    case WM_SYSCOMMAND:
        handleSystemCommand(wParam);
        break;
    case WM_QUERYOPEN:
        handleQueryOpen();
        break;
    case WM_MOUSEWHEEL:
        onMouseWheel(wParam, lParam);
        break;
    case WM_TIMER:
        if (wParam == m_fade.timer && m_fade.timer != 0)
            handleFadeTimer();
        break;
    default:
        if (std::optional<LRESULT> result = handleFrameworkMessage(message, wParam))
            return *result;
        break;
    }
    return defaultTail(window, message, wParam, lParam);
}

std::optional<LRESULT> SkinWindow::handleFrameworkMessage(UINT message, WPARAM wParam)
{
    switch (message) {
    case skin::kMsgGiveFocus:
        return giveFocus(static_cast<int>(wParam)) ? 1 : 0;
    case skin::kMsgGetBackgroundColour:
        return m_background.colour;
    case skin::kMsgGetOpacity:
        return m_background.opacity;
    case skin::kMsgGetFocusedControl:
    case skin::kMsgQueryFocusedControl:
        return m_focus.control;
    case skin::kMsgRecompose:
        m_fullRepaint = true;
        return 0;
    case skin::kMsgGetHotControl:
        return m_pointer.hot;
    case skin::kMsgSetFocusedControl:
        m_focus.control = static_cast<int>(wParam);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void SkinWindow::forwardToFocused(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_focus.control > 0)
        sendToControl(m_focus.control, m_hwnd, message, wParam, lParam);
}

LRESULT SkinWindow::defaultTail(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const std::vector<UINT>& forwarded = framework().forwardedMessages;
    if (std::find(forwarded.begin(), forwarded.end(), message) != forwarded.end()) {
        WindowRecord* entry = record();
        const int target = entry && entry->capture > 0 ? entry->capture : (m_focus.control > 0 ? m_focus.control : m_pointer.hot);
        if (target > 0)
            sendToControl(target, window, message, wParam, lParam);
    }
    if (m_className.empty() || m_attachment.chainedProc) {
        auto chained = reinterpret_cast<WNDPROC>(GetPropA(window, skin::kPropWindowProc));
        if (chained && chained != &windowProcedure)
            return CallWindowProcW(chained, window, message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool SkinWindow::handleClose()
{
    if (m_callbacks.closing && m_callbacks.closing(m_hwnd) != 1)
        return false;
    showShadow(false);
    playHideEffect();
    if (m_attachment.chainedProc)
        skin::setProperty(m_hwnd, skin::kPropWindowProc, reinterpret_cast<INT_PTR>(m_attachment.chainedProc));
    if (m_modalRun.modal && !m_modalRun.released)
        releaseDisabledWindows();
    return true;
}

void SkinWindow::handleDestroy()
{
    fireEvent(ElementEvent::Destroyed, {reinterpret_cast<std::intptr_t>(m_hwnd)});
    destroyControls();
    // A modal window destroyed without WM_CLOSE must still give the others back.
    if (m_modalRun.modal && !m_modalRun.released)
        releaseDisabledWindows();
}

void SkinWindow::destroyControls()
{
    WindowRecord* entry = record();
    if (!entry)
        return;
    for (int id = 1; id <= entry->controlCount(); ++id) {
        ControlRecord* control = entry->control(id);
        if (control && control->inUse() && control->object) {
            sendToControl(id, m_hwnd, WM_DESTROY, 0, 0);
            if (ControlRecord* after = entry->control(id))
                after->surface = Surface();
        }
    }
}

void SkinWindow::handleShowWindow(bool shown)
{
    showCompanions(shown);
    showRoutine(shown);
    // A window shown again after its first show gets its shadow back too, not only one whose
    // parent has been shown.
    const bool firstShowDone = GetPropA(m_hwnd, skin::kPropFirstShowDone) != nullptr;
    if (shown && (firstShowDone || (m_attachment.parent && GetPropA(m_attachment.parent, skin::kPropFirstShowDone))))
        showShadow(true);
    else if (!shown)
        showShadow(false);

    HWND parent = m_attachment.embeddedChild ? GetParent(m_hwnd) : nullptr;
    if (parent && GetPropA(parent, skin::kPropLayered)) {
        if (GetPropA(parent, skin::kPropFirstShowDone)) {
            callWindowHandler(parent, skin::kMsgRecompose, 0, 0);
            PostMessageW(parent, WM_PAINT, 0, skin::kFrameworkPaint);
        }
        return;
    }
    m_fullRepaint = true;
    PostMessageW(m_hwnd, WM_PAINT, 0, m_firstShowPending ? 0 : skin::kFrameworkPaint);
}

void SkinWindow::showRoutine(bool shown)
{
    WindowRecord* entry = record();
    if (!entry)
        return;
    for (int id = 1; id <= entry->controlCount(); ++id) {
        const ControlRecord* control = entry->control(id);
        if (!control || !control->inUse() || control->containerId != 0)
            continue;
        if (shown && !control->hidden)
            sendToControl(id, m_hwnd, WM_SHOWWINDOW, 1, 0);
        else if (!shown)
            sendToControl(id, m_hwnd, WM_SHOWWINDOW, 0, control->hidden ? 0 : skin::kShownWithContainer);
    }
    if (shown) {
        if (m_attachment.embeddedChild && m_firstShowPending) {
            m_firstShowPending = false;
            skin::setProperty(m_hwnd, skin::kPropFirstShowDone, 1);
            compose(false, true);
        } else if (!m_firstShowPending) {
            // Before the first show the first paint composes anyway.
            compose();
        }
        m_fullRepaint = true;
        if (GetPropA(m_hwnd, skin::kPropLayered))
            PostMessageW(m_hwnd, WM_PAINT, 0, 0);
    } else {
        m_layers.background = Surface();
        SetPropA(m_hwnd, skin::kPropBackgroundLayer, nullptr);
    }
    for (HWND child : entry->childWindows) {
        if (!IsWindow(child) || !GetPropA(child, skin::kPropFrameworkChild))
            continue;
        if (!shown)
            ShowWindow(child, SW_HIDE);
        else if (m_attachment.embeddedChild && !GetPropA(child, skin::kPropHiddenByProgram))
            ShowWindow(child, SW_SHOWNA);
    }
}

void SkinWindow::handlePaint(LPARAM lParam)
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(m_hwnd, &paint);
    if (m_fullRepaint) {
        if (!m_nonLayeredPainting) {
            if (lParam == skin::kFrameworkPaint)
                showPaint();
            else
                surfacePaint(dc);
        }
        EndPaint(m_hwnd, &paint);
        m_fullRepaint = false;
        return;
    }
    copySurfaceExcludingChildren(dc);
    EndPaint(m_hwnd, &paint);
}

void SkinWindow::handleMinMaxInfo(MINMAXINFO* info) const
{
    if (!info)
        return;
    if (m_size.maximised) {
        const RECT area = workArea();
        info->ptMaxPosition = {area.left, area.top};
        info->ptMaxSize = {area.right - area.left, area.bottom - area.top};
        info->ptMaxTrackSize = info->ptMaxSize;
        info->ptMinTrackSize = {m_sizeLimits.minWidth, m_sizeLimits.minHeight};
    } else if (m_sizeLimits.set) {
        info->ptMinTrackSize = {m_sizeLimits.minWidth, m_sizeLimits.minHeight};
        info->ptMaxSize = {m_sizeLimits.maxWidth, m_sizeLimits.maxHeight};
        info->ptMaxTrackSize = info->ptMaxSize;
    }
}

void SkinWindow::handleFadeTimer()
{
    const int step = m_fade.step;
    fadeStep(step);
    m_fade.step += 25;
    if (fadeFrameForStep(step).blended)
        return;
    SetPropA(m_hwnd, skin::kPropFading, nullptr);
    SetPropA(m_hwnd, skin::kPropFadeSnapshot, nullptr);
    SetPropA(m_hwnd, skin::kPropFadeAlpha, nullptr);
    KillTimer(m_hwnd, m_fade.timer);
    m_fade.timer = 0;
    m_fade.snapshot = Surface();
}
