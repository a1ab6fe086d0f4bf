#include "element/SkinElement.h"

#include <algorithm>

#include "drawing/Gdiplus.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "element/WindowRouting.h"

namespace {

bool keyIsDown(int virtualKey)
{
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace

int currentModifierMask()
{
    int mask = 0;
    if (keyIsDown(VK_CONTROL))
        mask |= 1;
    if (keyIsDown(VK_SHIFT))
        mask |= 2;
    if (keyIsDown(VK_MENU))
        mask |= 4;
    return mask;
}

SkinElement::SkinElement()
{
    startGdiplus();
}

const EventHandler& SkinElement::eventHandler(ElementEvent event) const
{
    static const EventHandler none;
    const int index = static_cast<int>(event);
    if (index < 0 || index >= kElementEventCount)
        return none;
    return m_handlers[static_cast<std::size_t>(index)];
}

void SkinElement::setEventHandler(ElementEvent event, EventHandler handler)
{
    const int index = static_cast<int>(event);
    if (index >= 0 && index < kElementEventCount)
        m_handlers[static_cast<std::size_t>(index)] = std::move(handler);
}

int SkinElement::fireEvent(ElementEvent event, const EventArgs& args) const
{
    const EventHandler& handler = eventHandler(event);
    return handler ? handler(args) : 0;
}

void SkinElement::setGeometry(const Geometry& geometry, const NineGridImage* skin, bool visible, bool disabled)
{
    m_absX = geometry.absX;
    m_absY = geometry.absY;
    m_left = geometry.left;
    m_top = geometry.top;
    m_width = geometry.width;
    m_height = geometry.height;
    if (skin) {
        m_skin = *skin;
        m_skinLoaded = skin->IsLoaded();
    } else {
        clearSkin();
    }
    m_visible = visible;
    m_disabled = disabled;
}

void SkinElement::clearSkin()
{
    m_skin.Clear();
    m_skinLoaded = false;
}

void SkinElement::addChild(int id)
{
    if (id > 0 && std::find(m_children.begin(), m_children.end(), id) == m_children.end())
        m_children.push_back(id);
}

void SkinElement::removeChild(int id)
{
    m_children.erase(std::remove(m_children.begin(), m_children.end(), id), m_children.end());
}

// Event handlers survive: they belong to the program's use of the object, which may create
// it again.
void SkinElement::resetElement()
{
    clearSkin();
    m_children.clear();
    m_parentWindow = nullptr;
    m_value = 0;
    m_containerId = 0;
    m_id = 0;
    m_absX = m_absY = m_left = m_top = m_width = m_height = 0;
    m_disabled = false;
    m_visible = false;
    m_text.clear();
}

bool SkinElement::showElement(std::optional<bool> show, bool repaint, bool fromContainer)
{
    if (m_id == 0)
        return false;
    if (!show)
        return m_visible;
    HWND window = m_parentWindow;
    WindowRecord* windowRecord = WindowRegistry::instance().recordOf(window);
    ControlRecord* own = windowRecord ? windowRecord->control(m_id) : nullptr;
    if (!own)
        return false;
    const bool shown = *show;
    if (fromContainer) {
        // A control the program hid itself stays hidden whatever its container does.
        if (own->hidden) {
            m_visible = false;
            own->visible = false;
            return false;
        }
        m_visible = shown;
    } else {
        m_visible = shown;
        own->hidden = !shown;
    }
    own->visible = shown;

    const std::vector<int> children = m_children;
    for (int child : children) {
        if (own->kind == skin::kKindOffersChildren &&
            sendToControl(m_id, window, skin::kMsgOfferChild, static_cast<WPARAM>(child), 0) != 0)
            continue;
        bool childShown = shown;
        if (own->hidden) {
            if (ControlRecord* childRecord = windowRecord->control(child))
                childRecord->visible = false;
            childShown = false;
        }
        sendToControl(child, window, WM_SHOWWINDOW, childShown ? 1 : 0, skin::kShownWithContainer);
    }

    if (!m_visible && callWindowHandler(window, skin::kMsgQueryFocusedControl, 0, 0) == m_id)
        callWindowHandler(window, skin::kMsgSetFocusedControl, 0, 0);
    redraw(repaint ? skin::RedrawReason::Present : skin::RedrawReason::Render);
    return m_visible;
}
