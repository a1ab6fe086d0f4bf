#include "element/ControlBase.h"

#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "element/WindowRouting.h"

ControlBase::ControlBase() = default;

// Only ControlBase's own handling runs here: the class part is already gone, so a class
// with clean-up of its own destroys the control in its destructor.
ControlBase::~ControlBase()
{
    destroyIfCreated();
}

void ControlBase::destroyIfCreated()
{
    const ControlRecord* own = record();
    if (own && own->object == this)
        destroy();
}

WindowRecord* ControlBase::windowRecord() const
{
    return WindowRegistry::instance().recordOf(parentWindow());
}

ControlRecord* ControlBase::record() const
{
    WindowRecord* window = windowRecord();
    ControlRecord* own = window ? window->control(id()) : nullptr;
    return own && own->inUse() ? own : nullptr;
}

POINT ControlBase::containerOrigin() const
{
    WindowRecord* window = windowRecord();
    ControlRecord* container = window ? window->control(containerId()) : nullptr;
    if (!container || !container->inUse() || !container->object)
        return {0, 0};
    const LRESULT answer = sendToControl(containerId(), parentWindow(), skin::kMsgGetWindowRect, 0, 0);
    auto rect = reinterpret_cast<const RECT*>(answer);
    return rect ? POINT{rect->left, rect->top} : POINT{0, 0};
}

int ControlBase::create(HWND window, const ControlOptions& options)
{
    if (id() > 0)
        return id();
    WindowRecord* windowEntry = WindowRegistry::instance().record(registryIndexOf(window));
    if (!windowEntry)
        return 0;
    int container = options.containerId;
    ControlRecord* containerEntry = windowEntry->control(container);
    // A container that is not in the table, or no longer alive, places the control on the window.
    if (!containerEntry || !containerEntry->inUse() || !containerEntry->object)
        container = 0;

    setParentWindow(window);
    setContainerId(container);
    const POINT origin = containerOrigin();
    setGeometry({origin.x + options.x, origin.y + options.y, options.x, options.y, options.width, options.height},
        options.skin, options.visible, options.disabled);
    storeText(options.text);
    m_backColour = options.backColour;
    m_backAlpha = options.backAlpha;
    m_interactive = options.interactive;

    const int newId = registerInWindow(options);
    if (newId == 0) {
        resetControl();
        resetElement();
        return 0;
    }
    ControlRecord& own = *windowEntry->control(newId);
    own.visible = visible();
    own.disabled = disabled();
    if (!visible() && container == 0)
        return newId;
    ControlRecord* containerRecord = windowEntry->control(container);
    if (containerRecord && (containerRecord->hidden || !containerRecord->visible)) {
        own.hidden = true;
        own.visible = false;
        storeVisible(false);
    }
    if (container > 0)
        sendToControl(container, window, skin::kMsgAddChild, static_cast<WPARAM>(newId), 0);
    m_savedKeyTarget = reinterpret_cast<LONG_PTR>(GetPropA(window, skin::kPropWindowProc));
    return newId;
}

int ControlBase::registerInWindow(const ControlOptions& options)
{
    WindowRecord* window = windowRecord();
    if (!window)
        return 0;
    std::size_t index = 0;
    while (index < window->controls.size() && window->controls[index].inUse())
        ++index;
    if (index == window->controls.size())
        window->controls.emplace_back();
    ControlRecord& own = window->controls[index];
    own = ControlRecord {};
    own.kind = options.kind;
    own.interactive = options.interactive;
    own.containerId = containerId();
    own.id = static_cast<int>(index + 1);
    own.visible = true;
    own.rect = windowRect();
    own.passThrough[0] = options.passThrough1;
    own.passThrough[1] = options.passThrough2;
    own.object = this;
    own.free = false;
    setId(own.id);
    return own.id;
}

void ControlBase::destroy()
{
    if (id() > 0)
        sendToControl(id(), parentWindow(), WM_DESTROY, 0, 0);
}

void ControlBase::redrawIfCreated(skin::RedrawReason reason)
{
    if (record())
        redraw(reason);
}

void ControlBase::setLeft(int left)
{
    if (!record()) {
        SkinElement::setLeft(left);
        return;
    }
    RECT rect{left, top(), left + width(), top() + height()};
    sendToControl(id(), parentWindow(), WM_MOVE, skin::kMoveRepaint, reinterpret_cast<LPARAM>(&rect));
}

void ControlBase::setTop(int top)
{
    if (!record()) {
        SkinElement::setTop(top);
        return;
    }
    RECT rect{left(), top, left() + width(), top + height()};
    sendToControl(id(), parentWindow(), WM_MOVE, skin::kMoveRepaint, reinterpret_cast<LPARAM>(&rect));
}

void ControlBase::setWidth(int width)
{
    SkinElement::setWidth(width);
    applySize();
}

void ControlBase::setHeight(int height)
{
    SkinElement::setHeight(height);
    applySize();
}

void ControlBase::applySize()
{
    ControlRecord* own = record();
    if (!own)
        return;
    own->rect.right = own->rect.left + width();
    own->rect.bottom = own->rect.top + height();
    HWND window = parentWindow();
    sendToControl(id(), window, WM_SIZE, 1, MAKELPARAM(width(), height()));
    if (containerId() == 0) {
        callWindowHandler(window, skin::kMsgRecompose, 0, 0);
        SendMessageW(window, WM_PAINT, 0, skin::kFrameworkPaint);
    } else {
        sendToControl(containerId(), window, skin::kMsgPresent, 0, 0);
    }
}

void ControlBase::move(
    std::optional<int> x, std::optional<int> y, std::optional<int> width, std::optional<int> height, bool repaint)
{
    const int newLeft = x.value_or(left());
    const int newTop = y.value_or(top());
    RECT rect{newLeft, newTop, newLeft + width.value_or(this->width()), newTop + height.value_or(this->height())};
    if (!record()) {
        SkinElement::setLeft(rect.left);
        SkinElement::setTop(rect.top);
        SkinElement::setWidth(rect.right - rect.left);
        SkinElement::setHeight(rect.bottom - rect.top);
        return;
    }
    sendToControl(id(), parentWindow(), WM_MOVE, repaint ? skin::kMoveReported : skin::kMoveNoRepaint,
        reinterpret_cast<LPARAM>(&rect));
}

void ControlBase::setDisabled(bool disabled)
{
    storeDisabled(disabled);
    if (ControlRecord* own = record()) {
        own->disabled = disabled;
        redraw(skin::RedrawReason::Present);
    }
}

void ControlBase::setVisible(bool visible)
{
    WindowRecord* window = windowRecord();
    ControlRecord* own = record();
    if (!own) {
        storeVisible(visible);
        return;
    }
    // A control inside a hidden container cannot show; the program's request hides it for good.
    int container = containerId();
    for (int depth = 0; container > 0 && depth < window->controlCount(); ++depth) {
        ControlRecord* entry = window->control(container);
        if (!entry)
            break;
        if (!entry->visible) {
            own->hidden = true;
            visible = false;
            break;
        }
        container = entry->containerId;
    }
    sendToControl(id(), parentWindow(), WM_SHOWWINDOW, visible ? 1 : 0, skin::kShowRequested | skin::kShowRepaint);
}

void ControlBase::setText(const std::wstring& text)
{
    storeText(text);
    redrawIfCreated(skin::RedrawReason::Present);
    // The control's child id in its window's accessible object is its id.
    if (isCreated())
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, parentWindow(), OBJID_CLIENT, id());
}

GlowTextStyle glowTextStyle(const FontSpec& font, const StringFormat& format)
{
    GlowTextStyle style;
    style.glowSize = font.glowSize;
    style.face = font.face;
    style.fontStyle = font.style;
    style.size = font.size;
    style.format = &format;
    return style;
}
