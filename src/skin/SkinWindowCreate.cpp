#include "skin/SkinWindow.h"

#include "core/ValueFunctions.h"
#include "drawing/GdiplusEnums.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "imaging/SkinImage.h"
#include "skin/Framework.h"
#include "skin/WindowGeometry.h"

namespace {

// A bit of the class-specific low word that the framework's window class gives no meaning: it
// only marks the window as modal for whoever reads its style, and is kept so the style stays
// what it always was.
constexpr DWORD kModalMark = 0x40;
constexpr DWORD kModalStyle = kModalMark | WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_SYSMENU;
constexpr DWORD kHiddenStyle = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_SYSMENU;

DWORD extendedStyle(const WindowOptions& options, bool layered)
{
    DWORD style = options.showInTaskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    if (layered)
        style |= WS_EX_LAYERED;
    if (options.clickThrough)
        style |= WS_EX_TRANSPARENT;
    if (options.topmost)
        style |= WS_EX_TOPMOST;
    return style;
}

}  // namespace

LRESULT CALLBACK SkinWindow::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_NCCREATE) {
        // Until WM_CREATE stores the index, the object travels in the creation data.
        auto* creating = static_cast<SkinWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        WindowRecord* entry = creating ? creating->record() : nullptr;
        if (entry) {
            skin::setProperty(window, skin::kPropRegistryIndex, creating->registryIndex());
            entry->hwnd = window;
        }
    }
    SkinWindow* self = fromHandle(window);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->handleMessage(window, message, wParam, lParam);
}

HWND SkinWindow::createWindow(const WindowOptions& options)
{
    if (m_hwnd)
        return nullptr;
    HINSTANCE module = GetModuleHandleW(nullptr);
    if (!m_className.empty())
        UnregisterClassW(m_className.c_str(), module);

    m_attachment.parent = IsWindow(options.parent) ? options.parent : nullptr;
    m_attachment.embeddedChild = false;
    RECT parentRect{};
    if (m_attachment.parent)
        GetWindowRect(m_attachment.parent, &parentRect);
    const POINT origin = centredPosition(
        options.x, options.y, options.width, options.height, m_attachment.parent ? &parentRect : nullptr, workArea());

    m_size.layoutWidth = options.width;
    m_size.layoutHeight = options.height;
    m_caption.drawTitle = options.drawTitle;
    m_firstShowPending = true;
    storeOptions(options);
    prepareBackground();
    if (m_attachment.parent)
        m_attachment.followParent = options.followParent;

    const bool frameLoaded = options.frameImage && options.frameImage->IsLoaded();
    m_frame.width = frameLoaded ? options.frameImage->GetShadowWidth() : (options.border ? 2 : 0);

    const int index = WindowRegistry::instance().acquire(this);
    setId(index);
    m_className = skin::kWindowClassPrefix + numberToText(index);
    UnregisterClassW(m_className.c_str(), module);
    registerSkinClass(m_className.c_str(), &windowProcedure);

    setGeometry({origin.x, origin.y, origin.x, origin.y, options.width, options.height}, options.frameImage,
        visible(), disabled());
    storeText(options.title);

    DWORD style = options.visible ? kHiddenStyle | WS_VISIBLE : kHiddenStyle;
    if (m_modalRun.modal) {
        disableThreadWindows();
        style = kModalStyle;
    }
    const HWND created = CreateWindowExW(extendedStyle(options, m_layered), m_className.c_str(), options.title.c_str(), style, origin.x,
        origin.y, options.width, options.height, m_attachment.parent, nullptr, module, this);
    if (!created) {
        // Nothing would ever close the window that re-enables the others or frees the record.
        releaseDisabledWindows();
        WindowRegistry::instance().release(index);
        setId(0);
        return nullptr;
    }

    buildCaptionButtons(options.captionButtons);
    if (WindowRecord* entry = record()) {
        entry->modalRunning = m_modalRun.modal;
        if (m_modalRun.modal)
            runModalLoop();
    }
    return created;
}

void SkinWindow::storeOptions(const WindowOptions& options)
{
    m_background.bytes = options.backgroundImage;
    m_background.isNineGrid = false;
    if (!m_background.bytes.empty()) {
        m_background.isNineGrid = hasNineGridMarkers(m_background.bytes);
        if (m_background.isNineGrid)
            m_background.nineGrid.LoadStates(m_background.bytes);
    }
    m_background.layout = options.backgroundLayout;
    m_background.colour = options.backgroundColour;
    m_background.opacity = options.opacity;
    m_size.movable = options.movable;
    m_size.resizable = options.resizable;
    m_frame.colour = options.borderColour;
    m_layered = options.layered;
    m_modalRun.modal = options.modal;
    m_callbacks.created = options.createdCallback;
    m_frame.drawn = options.border;
    m_frame.rounded = options.roundedBorder;
    m_effects.show = options.showEffect;
    m_effects.hide = options.hideEffect;
    m_caption.iconBytes = options.iconImage;
    m_caption.buttonStyle = options.captionButtonStyle;
    m_frame.extraFrame = options.extraFrame;
    m_modalRun.released = false;
    if (!m_layered)
        m_nonLayeredPainting = true;

    // A plain picture on a non-layered window fades into its own colour at the right and
    // bottom, so a window larger than the picture has no hard edge.
    const bool placedAtTop
        = m_background.layout == BackgroundLayout::TopLeft || m_background.layout == BackgroundLayout::TopRight;
    if (!m_background.bytes.empty() && placedAtTop && !m_background.isNineGrid && !m_layered) {
        const std::uint32_t colour = sampleColour(m_background.bytes);
        m_background.colour = static_cast<std::int32_t>(colour);
        m_background.opacity = 255;
        m_background.bytes = edgeFade(m_background.bytes, std::nullopt, colour);
    }
}

void SkinWindow::onCreated(HWND window)
{
    m_hwnd = window;
    setParentWindow(window);
    startUiState();
    skin::setProperty(window, skin::kPropWindowProc, reinterpret_cast<INT_PTR>(&windowProcedure));
    skin::setProperty(window, skin::kPropRegistryIndex, registryIndex());
    skin::setProperty(window, skin::kPropFrameworkWindow, 1);
    skin::setProperty(window, skin::kPropClassCursor, static_cast<INT_PTR>(GetClassLongPtrW(window, GCLP_HCURSOR)));
    if (m_layered)
        skin::setProperty(window, skin::kPropLayered, 1);
    if (WindowRecord* entry = record()) {
        entry->hwnd = window;
        entry->object = this;
    }
    if (m_frame.width > 0) {
        if (m_frame.drawn) {
            skin::setProperty(window, skin::kPropClipBorder, m_frame.width - 1);
            if (m_frame.rounded)
                skin::setProperty(window, skin::kPropClipRadius, 5);
        } else {
            skin::setProperty(window, skin::kPropClipBorder, m_frame.width);
            skin::setProperty(window, skin::kPropClipRadius, m_skin.GetCornerRadius());
        }
    }
    applyWindowRegion();
    createShadow();

    RECT bounds{};
    GetWindowRect(window, &bounds);
    SkinElement::setWidth(bounds.right - bounds.left);
    SkinElement::setHeight(bounds.bottom - bounds.top);
    if (m_attachment.followParent)
        followParentOnCreate(bounds);

    CaptionFontChange font;
    font.face = L"微软雅黑";
    font.size = 13;
    font.colour = 0xFFFFFF;
    font.glow = true;
    font.glowColour = 0x808080;
    setCaptionFont(font);
    // A face that cannot be made falls back to 宋体, which reads better in bold.
    if (m_caption.face != L"微软雅黑")
        m_caption.fontStyle = flat::FontStyleBold;

    if (m_layered || m_frame.drawn || m_frame.rounded)
        skin::setProperty(window, skin::kPropClipRadius, 8);
    layoutCaption();
    m_fullRepaint = true;
    compose();
}

void SkinWindow::followParentOnCreate(const RECT& bounds)
{
    RECT parentRect{};
    GetWindowRect(m_attachment.parent, &parentRect);
    const int offsetX = bounds.left - parentRect.left;
    const int offsetY = bounds.top - parentRect.top;
    m_attachment.companionIndex = attachCompanionTo(m_attachment.parent, m_hwnd, offsetX, offsetY);
    MoveWindow(m_hwnd, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, TRUE);
    // Only a host that asked for them gets companion notices.
    if (GetPropA(m_attachment.parent, skin::kPropHostIndex))
        SendMessageW(
            m_attachment.parent, skin::kMsgCompanionAttached, MAKEWPARAM(offsetX, offsetY), reinterpret_cast<LPARAM>(m_hwnd));
    m_attachment.followParent = false;
}

void SkinWindow::runModalLoop()
{
    const HWND modalWindow = m_hwnd;
    MSG message{};
    for (;;) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!m_hwnd)
                return;
            WaitMessage();
            continue;
        }
        if (message.message == WM_QUIT)
            break;
        // A WM_NULL posted to the modal window asks it to close.
        if (message.message == WM_NULL && message.hwnd && message.hwnd == modalWindow)
            PostMessageW(message.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // As the system's own modal loops do: the quit ends the modal window, then goes on to the
    // loop outside, which would otherwise never learn of it.
    if (m_hwnd && m_hwnd == modalWindow)
        DestroyWindow(modalWindow);
    PostQuitMessage(static_cast<int>(message.wParam));
}

void SkinWindow::disableThreadWindows()
{
    const DWORD thread = GetCurrentThreadId();
    for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(nullptr, window, nullptr, nullptr)) {
        if (GetWindowThreadProcessId(window, nullptr) != thread)
            continue;
        if (GetWindowLongPtrW(window, GWL_STYLE) & WS_DISABLED)
            continue;
        m_modalRun.disabledWindows.push_back(window);
        EnableWindow(window, FALSE);
    }
}

void SkinWindow::releaseDisabledWindows()
{
    m_modalRun.released = true;
    for (HWND window : m_modalRun.disabledWindows)
        EnableWindow(window, TRUE);
    m_modalRun.disabledWindows.clear();
}
