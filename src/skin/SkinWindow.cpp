#include "skin/SkinWindow.h"

#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "skin/Framework.h"

SkinWindow::SkinWindow()
{
    initialiseFramework();
}

SkinWindow::~SkinWindow()
{
    // A window we only skinned belongs to its maker: it gets its own procedure back and lives on.
    if (m_hwnd && IsWindow(m_hwnd) && m_attachment.chainedProc)
        releaseExistingWindow();
    else if (m_hwnd && IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
    if (!m_className.empty())
        UnregisterClassW(m_className.c_str(), GetModuleHandleW(nullptr));
}

SkinWindow* SkinWindow::fromHandle(HWND window)
{
    // Only windows acquire window records, so the record's element is a window.
    WindowRecord* entry = WindowRegistry::instance().recordOf(window);
    return entry ? static_cast<SkinWindow*>(entry->object) : nullptr;
}

WindowRecord* SkinWindow::record() const
{
    WindowRecord* entry = WindowRegistry::instance().record(registryIndex());
    return entry && !entry->free && entry->object == this ? entry : nullptr;
}

void SkinWindow::setLeft(int left)
{
    SkinElement::setLeft(left);
    applyPosition();
}

void SkinWindow::setTop(int top)
{
    SkinElement::setTop(top);
    applyPosition();
}

void SkinWindow::setWidth(int width)
{
    SkinElement::setWidth(width);
    applyPosition();
}

void SkinWindow::setHeight(int height)
{
    SkinElement::setHeight(height);
    applyPosition();
}

void SkinWindow::setDisabled(bool disabled)
{
    SkinElement::setDisabled(disabled);
    if (m_hwnd)
        EnableWindow(m_hwnd, !disabled);
}

void SkinWindow::setVisible(bool visible)
{
    SkinElement::setVisible(visible);
    if (!m_hwnd)
        return;
    ShowWindow(m_hwnd, visible ? SW_SHOWNA : SW_HIDE);
    if (m_attachment.embeddedChild)
        skin::setProperty(m_hwnd, skin::kPropHiddenByProgram, visible ? 0 : 1);
}

void SkinWindow::setText(const std::wstring& text)
{
    storeText(text);
    if (m_hwnd)
        SendMessageW(m_hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SkinWindow::setTextWithoutNotice(const std::wstring& text)
{
    storeText(text);
}

void SkinWindow::applyPosition()
{
    if (!m_hwnd || !IsWindow(m_hwnd))
        return;
    POINT position{left(), top()};
    if (m_attachment.embeddedChild) {
        if (HWND parent = GetParent(m_hwnd))
            ScreenToClient(parent, &position);
    }
    MoveWindow(m_hwnd, position.x, position.y, width(), height(), TRUE);
    m_fullRepaint = true;
    if (m_attachment.parent && m_attachment.companionIndex > 0) {
        RECT parentRect{};
        GetWindowRect(m_attachment.parent, &parentRect);
        updateCompanionOffset(m_attachment.parent, m_hwnd, left() - parentRect.left, top() - parentRect.top);
    }
    moveCompanions();
    shadowFollow();
}

bool SkinWindow::isWindowVisible() const
{
    return m_hwnd && IsWindowVisible(m_hwnd);
}

RECT SkinWindow::interiorRect() const
{
    RECT client{};
    if (m_hwnd)
        GetClientRect(m_hwnd, &client);
    InflateRect(&client, -m_frame.width, -m_frame.width);
    return client;
}

POINT SkinWindow::cursorPosition() const
{
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT bounds{};
    if (m_hwnd)
        GetWindowRect(m_hwnd, &bounds);
    return {cursor.x - bounds.left, cursor.y - bounds.top};
}

void SkinWindow::closeWindow()
{
    if (!m_hwnd)
        return;
    // The modal loop turns WM_NULL into the close command for its own window.
    if (m_modalRun.modal)
        PostMessageW(m_hwnd, WM_NULL, 0, 0);
    else
        PostMessageW(m_hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void SkinWindow::maximiseWindow()
{
    if (m_hwnd)
        SendMessageW(m_hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    m_size.maximised = true;
}

void SkinWindow::minimiseWindow()
{
    if (m_hwnd)
        SendMessageW(m_hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    m_size.minimised = true;
}

void SkinWindow::restoreWindow()
{
    m_size.savedMaximised = false;
    if (m_hwnd)
        SendMessageW(m_hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    if (!m_size.minimised)
        m_size.maximised = false;
    m_size.minimised = false;
}

void SkinWindow::setSizeLimits(int minWidth, int minHeight, std::optional<int> maxWidth, std::optional<int> maxHeight)
{
    const RECT area = workArea();
    m_sizeLimits.minWidth = minWidth;
    m_sizeLimits.minHeight = minHeight;
    m_sizeLimits.maxWidth = maxWidth.value_or(area.right - area.left);
    m_sizeLimits.maxHeight = maxHeight.value_or(area.bottom - area.top);
    m_sizeLimits.set = true;
}

void SkinWindow::setTopmost(bool topmost)
{
    if (!m_hwnd || m_attachment.embeddedChild)
        return;
    SetWindowPos(m_hwnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SkinWindow::setLayered(bool layered)
{
    m_layered = layered;
    if (!m_hwnd)
        return;
    const LONG_PTR exStyle = GetWindowLongPtrW(m_hwnd, GWL_EXSTYLE);
    SetWindowLongPtrW(m_hwnd, GWL_EXSTYLE, layered ? exStyle | WS_EX_LAYERED : exStyle & ~WS_EX_LAYERED);
    skin::setProperty(m_hwnd, skin::kPropLayered, layered ? 1 : 0);
    compose(true);
}

bool SkinWindow::setWindowCursor(CursorKind kind, const std::wstring& file)
{
    if (!m_ownCursor.load(kind, file))
        return false;
    if (m_hwnd) {
        SetPropA(m_hwnd, skin::kPropClassCursor, m_ownCursor.get());
        if (m_pointer.hot == 0)
            SetClassLongPtrW(m_hwnd, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(m_ownCursor.get()));
    }
    return true;
}

int SkinWindow::addOverlay(const NineGridImage& image, int x, int y, int width, int height)
{
    OverlayRecord overlay;
    overlay.image = image;
    overlay.x = x;
    overlay.y = y;
    overlay.width = width;
    overlay.height = height;
    m_overlays.push_back(std::move(overlay));
    return static_cast<int>(m_overlays.size());
}

int SkinWindow::addOverlay(ByteView picture, int x, int y)
{
    NineGridImage image;
    if (!image.LoadStates(picture))
        return 0;
    const ImageSize size = image.GetStateSize(1);
    return addOverlay(image, x, y, size.width, size.height);
}

bool SkinWindow::changeOverlay(int index, int x, int y, int width, int height, int state, bool visible)
{
    if (index < 1 || index > static_cast<int>(m_overlays.size()))
        return false;
    OverlayRecord& overlay = m_overlays[static_cast<std::size_t>(index - 1)];
    overlay.x = x;
    overlay.y = y;
    overlay.width = width;
    overlay.height = height;
    overlay.state = state;
    overlay.visible = visible;
    return true;
}

void SkinWindow::excludeControls(HDC dc) const
{
    WindowRecord* entry = record();
    if (!entry)
        return;
    for (const ControlRecord& control : entry->controls)
        if (control.inUse() && control.visible)
            ExcludeClipRect(dc, control.rect.left, control.rect.top, control.rect.right, control.rect.bottom);
}

void SkinWindow::intersectControl(HDC dc, int controlId) const
{
    WindowRecord* entry = record();
    if (!entry)
        return;
    if (const ControlRecord* control = entry->control(controlId))
        IntersectClipRect(dc, control->rect.left, control->rect.top, control->rect.right, control->rect.bottom);
}
