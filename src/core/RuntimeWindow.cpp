#include "core/RuntimeWindow.h"

namespace {

constexpr wchar_t kClassName[] = L"kxfixRuntimeWindow";

bool registerClassOnce(WNDPROC procedure)
{
    static ATOM atom = 0;
    if (atom)
        return true;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    atom = RegisterClassW(&windowClass);
    return atom != 0;
}

} // namespace

int RuntimeWindow::s_loadedCount = 0;

RuntimeWindow::RuntimeWindow(Definition definition) : m_definition(definition) {}

RuntimeWindow::~RuntimeWindow()
{
    if (m_handle)
        DestroyWindow(m_handle);
}

POINT RuntimeWindow::centredOrigin(int screenWidth, int screenHeight, int width, int height)
{
    return POINT{(screenWidth - width) / 2, (screenHeight - height) / 2};
}

bool RuntimeWindow::load()
{
    if (m_handle || !registerClassOnce(&RuntimeWindow::windowProcedure))
        return false;
    POINT origin = centredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                 m_definition.width, m_definition.height);
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | (m_definition.visible ? WS_VISIBLE : 0);
    HWND created = CreateWindowExW(0, kClassName, L"", style, origin.x, origin.y, m_definition.width,
                                   m_definition.height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!created)
        return false;
    if (onCreated)
        onCreated();
    return true;
}

void RuntimeWindow::destroy(bool immediate)
{
    if (!m_handle)
        return;
    if (immediate)
        DestroyWindow(m_handle);
    else
        PostMessageW(m_handle, kMsgQueuedDestroy, 0, 0);
}

bool RuntimeWindow::post(std::function<void()> task)
{
    if (!m_handle || !PostMessageW(m_handle, kMsgRunTask, 0, 0))
        return false;
    m_tasks.push_back(std::move(task));
    return true;
}

void RuntimeWindow::runMessageLoop()
{
    MSG message;
    while (s_loadedCount > 0 && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

LRESULT CALLBACK RuntimeWindow::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    auto* self = reinterpret_cast<RuntimeWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<RuntimeWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_handle = window;
        ++s_loadedCount;
    }
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->handleMessage(message, wParam, lParam);
}

LRESULT RuntimeWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    HWND window = m_handle;
    switch (message) {
    case kMsgQueuedDestroy:
        DestroyWindow(window);
        return 0;
    case kMsgRunTask:
        if (!m_tasks.empty()) {
            std::function<void()> task = std::move(m_tasks.front());
            m_tasks.pop_front();
            task();
        }
        return 0;
    case WM_DESTROY:
        if (onDestroying)
            onDestroying();
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        m_handle = nullptr;
        m_tasks.clear();
        if (--s_loadedCount == 0)
            PostQuitMessage(0);
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
