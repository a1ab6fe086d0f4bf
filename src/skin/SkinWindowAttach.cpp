#include "skin/SkinWindow.h"

#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "skin/Framework.h"

bool SkinWindow::skinExistingWindow(HWND window, const WindowOptions& options)
{
    return attachExisting(window, options, false);
}

bool SkinWindow::skinExistingChild(HWND window, const WindowOptions& options)
{
    return attachExisting(window, options, true);
}

int SkinWindow::takeRecordFor(HWND window)
{
    WindowRegistry& registry = WindowRegistry::instance();
    int index = registryIndexOf(window);
    if (!registry.record(index))
        index = static_cast<int>(skin::property(window, skin::kPropHostIndex));
    // A record named by a stale or foreign property is taken over only when nobody holds it.
    WindowRecord* reused = registry.record(index);
    if (!reused || !reused->free)
        return registry.acquire(this);
    reused->clearLists();
    reused->free = false;
    reused->object = this;
    return index;
}

bool SkinWindow::attachExisting(HWND window, const WindowOptions& options, bool child)
{
    if (m_hwnd || !IsWindow(window))
        return false;
    WindowRegistry& registry = WindowRegistry::instance();
    // A live framework window is skinned already.
    if (registry.recordOf(window))
        return false;
    setId(takeRecordFor(window));
    if (!m_className.empty())
        UnregisterClassW(m_className.c_str(), GetModuleHandleW(nullptr));
    m_className.clear();

    RECT bounds{};
    GetWindowRect(window, &bounds);
    POINT position{bounds.left, bounds.top};
    m_attachment.parent = GetParent(window);
    if (child && m_attachment.parent)
        ScreenToClient(m_attachment.parent, &position);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    m_attachment.embeddedChild = child;
    m_size.layoutWidth = width;
    m_size.layoutHeight = height;
    m_caption.drawTitle = options.drawTitle;
    m_firstShowPending = true;
    storeOptions(options);
    prepareBackground();
    // Existing windows have no frame image: the border width follows the border flags.
    m_frame.width = m_frame.drawn ? (m_frame.rounded ? 3 : 2) : (m_frame.extraFrame ? 2 : 0);
    setGeometry({position.x, position.y, position.x, position.y, width, height}, options.frameImage, true, false);

    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    storeText(options.title.empty() ? std::wstring(title) : options.title);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    m_attachment.addedLayeredStyle = m_layered && !(exStyle & WS_EX_LAYERED);
    if (m_attachment.addedLayeredStyle)
        SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    if (child && m_attachment.parent) {
        skin::setProperty(window, skin::kPropFrameworkChild, 1);
        SetPropA(window, skin::kPropFrameworkParent, m_attachment.parent);
        if (WindowRecord* parentRecord = registry.recordOf(m_attachment.parent))
            parentRecord->childWindows.push_back(window);
    }
    m_attachment.chainedProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&windowProcedure)));
    onCreated(window);
    // The default tail calls the window's own procedure through this property.
    skin::setProperty(window, skin::kPropWindowProc, reinterpret_cast<INT_PTR>(m_attachment.chainedProc));
    return true;
}

void SkinWindow::releaseExistingWindow()
{
    HWND window = m_hwnd;
    const bool removeLayered = m_attachment.addedLayeredStyle;
    destroyControls();
    fullCleanup();
    if (removeLayered)
        SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
