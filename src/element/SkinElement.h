#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "element/SkinConstants.h"
#include "element/SystemColours.h"
#include "imaging/NineGridImage.h"

// What an element reports to the program. Windows raise all of them; controls the ones
// marked.
enum class ElementEvent : int {
    LeftDown = 0,
    LeftUp = 1,
    RightDown = 2,
    RightUp = 3,
    Click = 4,  // controls too
    LeftDoubleClick = 5,
    RightDoubleClick = 6,
    // The system's colours or one of its settings changed (WM_SYSCOLORCHANGE,
    // WM_SETTINGCHANGE); value1 is the message, value2 its wParam.
    DisplayChanged = 7,
    MouseEnter = 8,  // controls too
    MouseLeave = 9,  // controls too
    KeyDown = 10,  // controls too
    KeyUp = 11,  // controls too
    Sized = 12,
    Moved = 13,
    Activated = 14,  // controls: focus received
    Deactivated = 15,  // controls: focus lost
    Destroyed = 16,  // controls too
};
constexpr int kElementEventCount = 17;

// Integer arguments of an event. The target is the window handle for window events and the
// control id for control events; the values follow the event (x, y and the modifier mask;
// key code and mask; width and height).
struct EventArgs {
    std::intptr_t target = 0;
    int value1 = 0;
    int value2 = 0;
    int value3 = 0;

    // A key event's values, read as what they are.
    int key() const { return value1; }
    int keyModifiers() const { return value2; }
};
using EventHandler = std::function<int(const EventArgs&)>;

// Modifier mask of mouse and key events: Ctrl 1, Shift 2, Alt 4.
int currentModifierMask();

// What windows and controls share: place, size, text, skin, state and event handlers. A
// control knows its hosting window and its id in that window's control table; a window
// knows itself and its registry index.
class SkinElement {
public:
    SkinElement();
    virtual ~SkinElement() = default;
    SkinElement(const SkinElement&) = delete;
    SkinElement& operator=(const SkinElement&) = delete;

    virtual LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept = 0;
    // Re-renders the element's picture for `reason`.
    virtual void redraw(skin::RedrawReason reason) { (void)reason; }
    // Rebuilds the element's composed picture for a changed area (client coordinates) and
    // puts it on screen; only windows have one.
    virtual void presentArea(const RECT& area) { (void)area; }
    // With colours, the element draws in them instead of its skin, gradients and glow, as
    // in high contrast; nullopt gives its own look back. It renders at once and shows the
    // result when told. Elements without such a look ignore it.
    virtual void setSystemColours(const std::optional<SystemColours>& colours, bool present = true)
    {
        (void)colours, (void)present;
    }
    // True swallows the message before the element's own handling.
    virtual bool filterMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        (void)window, (void)message, (void)wParam, (void)lParam;
        return false;
    }

    const EventHandler& eventHandler(ElementEvent event) const;
    void setEventHandler(ElementEvent event, EventHandler handler);
    // Calls the handler when one is set; 0 otherwise.
    int fireEvent(ElementEvent event, const EventArgs& args) const;
    bool hasEventHandler(ElementEvent event) const { return static_cast<bool>(eventHandler(event)); }

    int value() const { return m_value; }
    virtual void setValue(int value) { m_value = value; }

    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int absoluteX() const { return m_absX; }
    int absoluteY() const { return m_absY; }
    virtual void setLeft(int left) { m_left = left; }
    virtual void setTop(int top) { m_top = top; }
    virtual void setWidth(int width) { m_width = width; }
    virtual void setHeight(int height) { m_height = height; }

    bool disabled() const { return m_disabled; }
    bool visible() const { return m_visible; }
    virtual void setDisabled(bool disabled) { m_disabled = disabled; }
    virtual void setVisible(bool visible) { m_visible = visible; }
    // Raw state, without any effect on screen.
    void storeVisible(bool visible) { m_visible = visible; }
    void storeDisabled(bool disabled) { m_disabled = disabled; }

    // Carries out a control's WM_SHOWWINDOW: shows or hides it and its children. Without
    // `show` it only reports the visible flag. Returns the visible flag.
    bool showElement(std::optional<bool> show, bool repaint = true, bool fromContainer = false);

    RECT windowRect() const { return {m_absX, m_absY, m_absX + m_width, m_absY + m_height}; }
    RECT relativeRect() const { return {m_left, m_top, m_left + m_width, m_top + m_height}; }

    HWND parentWindow() const { return m_parentWindow; }
    void setParentWindow(HWND window) { m_parentWindow = window; }
    bool isCreated() const { return m_parentWindow != nullptr; }

    struct Geometry {
        int absX = 0;
        int absY = 0;
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };
    // Position, size, skin and state in one call.
    void setGeometry(const Geometry& geometry, const NineGridImage* skin, bool visible, bool disabled);

    int containerId() const { return m_containerId; }
    void setContainerId(int id) { m_containerId = id; }

    const NineGridImage& skin() const { return m_skin; }
    bool skinLoaded() const { return m_skinLoaded; }
    void clearSkin();

    const std::wstring& text() const { return m_text; }
    // Stores the text and shows it.
    virtual void setText(const std::wstring& text) { m_text = text; }
    // Stores the text only.
    void storeText(const std::wstring& text) { m_text = text; }

    int id() const { return m_id; }
    void setId(int id) { m_id = id; }

    const std::vector<int>& children() const { return m_children; }
    void addChild(int id);
    void removeChild(int id);

protected:
    // Back to the state of a new element.
    void resetElement();
    // The window position, kept apart from the relative one for a control inside a container.
    void storeAbsolutePosition(int x, int y)
    {
        m_absX = x;
        m_absY = y;
    }

    NineGridImage m_skin;
    bool m_skinLoaded = false;

private:
    std::vector<int> m_children;
    HWND m_parentWindow = nullptr;
    int m_value = 0;
    int m_containerId = 0;
    int m_id = 0;
    int m_absX = 0;
    int m_absY = 0;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_disabled = false;
    bool m_visible = false;
    std::wstring m_text;
    std::array<EventHandler, kElementEventCount> m_handlers;
};
