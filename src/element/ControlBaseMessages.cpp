#include "element/ControlBase.h"

#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "element/WindowRouting.h"

namespace {

// Stands in for the window's key target while a control holds the focus, so keys typed
// while a child window had the focus are not handed to that child.
LRESULT CALLBACK plainDefaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

LONG_PTR plainDefaultTarget()
{
    return reinterpret_cast<LONG_PTR>(&plainDefaultProcedure);
}

}  // namespace

LRESULT ControlBase::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (filterMessage(window, message, wParam, lParam))
        return 0;
    if (message == WM_DESTROY)
        onDestroying();
    if (std::optional<LRESULT> result = handleClassMessage(window, message, wParam, lParam))
        return *result;
    return handleCommonMessage(window, message, wParam, lParam);
}

LRESULT ControlBase::handleCommonMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        fireEvent(ElementEvent::Destroyed, {id()});
        cleanUpAfterDestroy();
        return 0;
    case WM_MOVE: {
        WindowRecord* windowEntry = windowRecord();
        ControlRecord* container = windowEntry ? windowEntry->control(containerId()) : nullptr;
        if (wParam == skin::kMoveReported && container && container->inUse() &&
            container->kind == skin::kKindWantsChildMoves)
            sendToControl(containerId(), window, skin::kMsgChildMoved, static_cast<WPARAM>(id()), lParam);
        applyRect(reinterpret_cast<const RECT*>(lParam), wParam);
        return 0;
    }
    case WM_SIZE:
        redraw(skin::RedrawReason::Render);
        return 0;
    case WM_SHOWWINDOW:
        // Bit 0 of the low word asks for a repaint; a high word of 1 means the container or
        // window is showing or hiding all its controls.
        return showElement(wParam != 0, (lParam & skin::kShowRepaint) != 0, HIWORD(lParam) == 1) ? 1 : 0;
    default:
        break;
    }
    if (std::optional<LRESULT> result = handleInputMessage(window, message, wParam, lParam))
        return *result;
    if (std::optional<LRESULT> result = handleFrameworkMessage(message, wParam, lParam))
        return *result;
    return 1;
}

std::optional<LRESULT> ControlBase::handleInputMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_SETFOCUS:
        onSetFocus(window);
        return 0;
    case WM_KILLFOCUS:
        onKillFocus(window);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return fireEvent(ElementEvent::KeyDown, {id(), static_cast<int>(wParam), currentModifierMask()});
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return fireEvent(ElementEvent::KeyUp, {id(), static_cast<int>(wParam), currentModifierMask()});
    case WM_LBUTTONUP:
        return 1;
    case WM_MOUSEHOVER:
        if (m_cursor)
            SetClassLongPtrW(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(m_cursor.get()));
        fireEvent(ElementEvent::MouseEnter, {id()});
        return 0;
    case WM_MOUSELEAVE:
        if (HANDLE windowCursor = GetPropA(window, skin::kPropClassCursor))
            SetClassLongPtrW(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(windowCursor));
        fireEvent(ElementEvent::MouseLeave, {id()});
        return 0;
    default:
        return std::nullopt;
    }
}

void ControlBase::onSetFocus(HWND window)
{
    if (m_savedKeyTarget != plainDefaultTarget()) {
        HWND focus = GetFocus();
        if (focus && focus != window && IsChild(window, focus))
            skin::setProperty(window, skin::kPropWindowProc, plainDefaultTarget());
    }
    SetFocus(window);
    fireEvent(ElementEvent::Activated, {id()});
}

void ControlBase::onKillFocus(HWND window)
{
    if (m_savedKeyTarget != 0)
        skin::setProperty(window, skin::kPropWindowProc, m_savedKeyTarget);
    fireEvent(ElementEvent::Deactivated, {id()});
    const ControlRecord* own = record();
    if (own && (own->kind == skin::kKindRedrawsOnFocusLoss || own->kind == skin::kKindToggle))
        redraw(skin::RedrawReason::Present);
}

std::optional<LRESULT> ControlBase::handleFrameworkMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case skin::kMsgSetControlBackground:
        setBackground(static_cast<std::int32_t>(wParam), static_cast<int>(lParam));
        return 0;
    case skin::kMsgGetControlColour:
        return static_cast<LRESULT>(m_backColour);
    case skin::kMsgGetControlAlpha:
        return m_backAlpha;
    case skin::kMsgAddChild:
        addChild(static_cast<int>(wParam));
        return 0;
    case skin::kMsgRemoveChild:
        removeChild(static_cast<int>(wParam));
        return 0;
    case skin::kMsgGetWindowRect:
        m_queriedRect = windowRect();
        return reinterpret_cast<LRESULT>(&m_queriedRect);
    case skin::kMsgGetRelativeRect:
        m_queriedRect = relativeRect();
        return reinterpret_cast<LRESULT>(&m_queriedRect);
    case skin::kMsgIsVisible:
        return visible() ? 1 : 0;
    case skin::kMsgPresent:
        present();
        return 0;
    case skin::kMsgCompleteTransitions:
        completeTransitions();
        return 0;
    default:
        return std::nullopt;
    }
}

void ControlBase::applyRect(const RECT* rect, WPARAM mode)
{
    ControlRecord* own = record();
    if (!rect || !own)
        return;
    SkinElement::setLeft(rect->left);
    SkinElement::setTop(rect->top);
    if (mode != skin::kMoveKeepSize) {
        SkinElement::setWidth(rect->right - rect->left);
        SkinElement::setHeight(rect->bottom - rect->top);
    }
    const POINT origin = containerOrigin();
    storeAbsolutePosition(origin.x + left(), origin.y + top());
    own->rect = windowRect();
    if (mode != skin::kMoveNoRepaint && mode != skin::kMoveStoreOnly)
        redraw(skin::RedrawReason::Present);
}

void ControlBase::cleanUpAfterDestroy()
{
    HWND window = parentWindow();
    const int ownId = id();
    m_cursor.reset();
    if (ControlRecord* own = record(); own && containerId() > 0) {
        // Hidden without a redraw: the class has already cleaned up and must not draw again.
        storeVisible(false);
        own->visible = false;
        if (callWindowHandler(window, skin::kMsgQueryFocusedControl, 0, 0) == ownId)
            callWindowHandler(window, skin::kMsgSetFocusedControl, 0, 0);
        present();
        sendToControl(containerId(), window, skin::kMsgRemoveChild, static_cast<WPARAM>(ownId), 0);
    }
    const std::vector<int> children = this->children();
    for (int child : children)
        sendToControl(child, window, WM_DESTROY, 0, 0);
    m_animationTimer.stop();
    m_classTimers.clear();
    m_animations.clear();
    if (ControlRecord* own = record())
        *own = ControlRecord {};
    resetControl();
    resetElement();
}

void ControlBase::resetControl()
{
    m_animations.clear();
    m_animationTimer.stop();
    m_classTimers.clear();
    m_font = FontSpec {};
    m_backColour = -1;
    m_backAlpha = 0;
    m_savedKeyTarget = 0;
    m_interactive = false;
    m_cursor.reset();
    m_queriedRect = RECT{};
}
