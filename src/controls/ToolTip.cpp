#include "controls/ToolTip.h"

#include <commctrl.h>

#include "core/Runtime.h"

namespace {

// The tooltip class comes with the common controls, which load with the first tip made
// rather than with the program: a box nobody points at never needs them.
void initialiseCommonControls()
{
    using Function = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    static const bool initialised = [] {
        const INITCOMMONCONTROLSEX controls { sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES };
        return bindSystemFunction<Function>(L"comctl32", "InitCommonControlsEx")(&controls) != FALSE;
    }();
    (void)initialised;
}

// A tool is a control of the host, named by its id: the host subclassing shows the tip.
TOOLINFOW toolInfo(HWND owner, int id, const RECT& rect, const wchar_t* text)
{
    TOOLINFOW info{};
    // The size without the XP-only reserved field, so comctl32 5.x accepts it as well.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = static_cast<UINT_PTR>(id);
    info.rect = rect;
    info.lpszText = const_cast<wchar_t*>(text);
    return info;
}

}  // namespace

HWND ToolTip::create(HWND owner, bool balloon)
{
    destroy();
    initialiseCommonControls();
    DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
    // Owned by the host, so the system takes the tip down with it even if this object is
    // never told.
    m_window = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, L"", style, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    m_owner = m_window ? owner : nullptr;
    setMaxWidth(kMaxWidth);
    return m_window;
}

void ToolTip::destroy()
{
    // The host's destruction takes its owned tip first; the handle may already be gone.
    if (m_window && IsWindow(m_window))
        DestroyWindow(m_window);
    m_window = nullptr;
    m_owner = nullptr;
}

bool ToolTip::addTool(int id, const std::wstring& text, const RECT* rect)
{
    if (!m_window)
        return false;
    RECT area{};
    if (rect)
        area = *rect;
    else
        GetClientRect(m_owner, &area);
    TOOLINFOW info = toolInfo(m_owner, id, area, text.c_str());
    return SendMessageW(m_window, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void ToolTip::removeTool(int id)
{
    if (!m_window)
        return;
    TOOLINFOW info = toolInfo(m_owner, id, RECT{}, nullptr);
    SendMessageW(m_window, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

int ToolTip::toolCount() const
{
    return m_window ? static_cast<int>(SendMessageW(m_window, TTM_GETTOOLCOUNT, 0, 0)) : 0;
}

void ToolTip::setToolRect(int id, const RECT& rect)
{
    if (!m_window)
        return;
    TOOLINFOW info = toolInfo(m_owner, id, rect, nullptr);
    SendMessageW(m_window, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTip::setToolText(int id, const std::wstring& text)
{
    if (!m_window)
        return;
    TOOLINFOW info = toolInfo(m_owner, id, RECT{}, text.c_str());
    SendMessageW(m_window, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTip::relayMouseMove(LPARAM position)
{
    if (!m_window)
        return;
    MSG move {};
    move.hwnd = m_owner;
    move.message = WM_MOUSEMOVE;
    move.lParam = position;
    GetCursorPos(&move.pt);
    SendMessageW(m_window, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void ToolTip::setBackColour(COLORREF colour)
{
    if (m_window)
        SendMessageW(m_window, TTM_SETTIPBKCOLOR, colour, 0);
}

void ToolTip::setTextColour(COLORREF colour)
{
    if (m_window)
        SendMessageW(m_window, TTM_SETTIPTEXTCOLOR, colour, 0);
}

void ToolTip::setMaxWidth(int width)
{
    if (m_window)
        SendMessageW(m_window, TTM_SETMAXTIPWIDTH, 0, width);
}
