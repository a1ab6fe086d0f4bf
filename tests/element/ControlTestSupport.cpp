#include "ControlTestSupport.h"

#include <algorithm>

#include "element/SkinConstants.h"

namespace {

constexpr wchar_t kHostClass[] = L"KxfixControlTestHost";

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerHostClass()
{
    static const bool registered = [] {
        WNDCLASSEXW windowClass {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &hostProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kHostClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

HWND createPlainWindow(HWND owner)
{
    registerHostClass();
    return CreateWindowExW(
        0, kHostClass, L"host", WS_POPUP, 0, 0, 300, 200, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HostWindow::HostWindow(HWND owner)
    : m_window(createPlainWindow(owner))
    , m_index(WindowRegistry::instance().acquire(nullptr))
{
    record().hwnd = m_window;
    SetPropA(m_window, skin::kPropRegistryIndex, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(m_index)));
    SetPropA(m_window, skin::kPropFirstShowDone, reinterpret_cast<HANDLE>(1));
}

HostWindow::~HostWindow()
{
    RemovePropA(m_window, skin::kPropRegistryIndex);
    RemovePropA(m_window, skin::kPropFirstShowDone);
    RemovePropA(m_window, skin::kPropPresenting);
    RemovePropA(m_window, skin::kPropWindowProc);
    WindowRegistry::instance().release(m_index);
    DestroyWindow(m_window);
}

void TestControl::redraw(skin::RedrawReason reason)
{
    ++redraws;
    lastReason = reason;
    if (Surface* face = beginRendering()) {
        GdiFlush();
        std::fill_n(face->bits(), static_cast<std::size_t>(face->width()) * face->height(), m_colour);
    }
    if (reason == skin::RedrawReason::Present)
        present();
}

int TestControl::createIn(HWND window, ControlOptions options, int containerId)
{
    options.containerId = containerId;
    const int created = create(window, options);
    if (created)
        redraw(skin::RedrawReason::Render);
    return created;
}

std::uint32_t TestControl::facePixel(int x, int y) const
{
    const ControlRecord* own = record();
    return own ? own->surface.pixel(x, y) : 0;
}

std::optional<LRESULT> TestControl::handleClassMessage(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_DESTROY && destroyLog)
        destroyLog->push_back(id());
    return classAnswer ? classAnswer(message, wParam) : std::nullopt;
}

Surface solidSurface(int width, int height, std::uint32_t colour)
{
    Surface surface(width, height);
    if (surface) {
        GdiFlush();
        std::fill_n(surface.bits(), static_cast<std::size_t>(width) * height, colour);
    }
    return surface;
}

bool dispatchUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MSG message;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    return true;
}
