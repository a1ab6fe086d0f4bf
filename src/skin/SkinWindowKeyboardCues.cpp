#include "skin/SkinWindow.h"

#include "element/WindowRegistry.h"
#include "element/WindowRouting.h"
#include "skin/UiState.h"

namespace {

bool keyboardCuesAlways()
{
    BOOL always = FALSE;
    return SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0) && always;
}

// A child window's cues are its top-level window's, as the system keeps them.
HWND parentOfChild(HWND window)
{
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0 ? GetParent(window) : nullptr;
}

}  // namespace

void SkinWindow::startUiState()
{
    HWND parent = parentOfChild(m_hwnd);
    m_focus.uiState = parent ? static_cast<WORD>(SendMessageW(parent, WM_QUERYUISTATE, 0, 0))
                       : initialUiState(keyboardCuesAlways());
}

std::optional<LRESULT> SkinWindow::handleUiStateMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_QUERYUISTATE)
        return m_focus.uiState;
    const std::optional<WORD> next = changedUiState(m_focus.uiState, wParam, keyboardCuesAlways());
    if (!next)
        return 0;
    if (message == WM_CHANGEUISTATE) {
        // As the system's dialogs do: a child asks its parent, a top-level window updates
        // itself and what it holds when something changes.
        if (HWND parent = parentOfChild(m_hwnd))
            SendMessageW(parent, WM_CHANGEUISTATE, wParam, lParam);
        else if (*next != m_focus.uiState)
            SendMessageW(m_hwnd, WM_UPDATEUISTATE, wParam, lParam);
        return 0;
    }
    const bool changed = *next != m_focus.uiState;
    m_focus.uiState = *next;
    WindowRecord* entry = record();
    if (changed && entry)
        for (int id = 1; id <= entry->controlCount(); ++id)
            sendToControl(id, m_hwnd, WM_UPDATEUISTATE, wParam, lParam);
    // The default handling passes it on to the child windows.
    return std::nullopt;
}

void SkinWindow::showCuesForKey(WPARAM key)
{
    const WORD cues = cuesShownByKey(key);
    if ((m_focus.uiState & cues) != 0)
        SendMessageW(m_hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, cues), 0);
}
