#include "msgbox/SkinMessageBox.h"

#include <algorithm>

namespace {

constexpr int kCtrl = 1;
constexpr int kShift = 2;
constexpr int kAlt = 4;
// Window key handlers return 0 to keep a key from the window's own handling.
constexpr int kKeyTaken = 0;
constexpr int kKeyPassed = 1;

} // namespace

int SkinMessageBox::onKeyDown(const EventArgs& args)
{
    if (m_openWindow && args.key() == 'C' && args.keyModifiers() == kCtrl) {
        copyToClipboard();
        return kKeyTaken;
    }
    // Alt+F4 and the other system keys keep their usual meaning.
    if (!m_openWindow || (args.keyModifiers() & (kCtrl | kAlt)) != 0)
        return kKeyPassed;
    switch (args.key()) {
    case VK_RETURN:
        // With the check box focused, Enter still answers the box, through its default button.
        onButton(focusedButton() > 0 ? focusedButton() : m_style.defaultButton);
        return kKeyTaken;
    case VK_ESCAPE:
        // Boxes without a way to cancel ignore Esc, as the platform's do.
        if (m_style.escapeResult) {
            m_result = *m_style.escapeResult;
            m_window.closeWindow();
        }
        return kKeyTaken;
    case VK_LEFT:
    case VK_RIGHT:
        moveFocus(args.key() == VK_RIGHT ? 1 : -1, true);
        return kKeyTaken;
    case VK_TAB:
        // The focus moves on key-up.
        return kKeyTaken;
    default:
        return kKeyPassed;
    }
}

int SkinMessageBox::onKeyUp(const EventArgs& args)
{
    if (!m_openWindow || (args.keyModifiers() & (kCtrl | kAlt)) != 0)
        return kKeyPassed;
    switch (args.key()) {
    case VK_TAB:
        // The box keeps its own cycle, so the caption's buttons never take the focus.
        moveFocus((args.keyModifiers() & kShift) != 0 ? -1 : 1, false);
        return kKeyTaken;
    case VK_SPACE:
        // A focused button clicks itself on Space.
        if (!checkBoxFocused())
            return kKeyPassed;
        m_checkBox.setValue(m_checkBox.value() != 0 ? 0 : 1);
        return kKeyTaken;
    default:
        return kKeyPassed;
    }
}

std::vector<int> SkinMessageBox::focusCycle() const
{
    std::vector<int> cycle;
    for (int index = 1; index <= buttonCount(); ++index)
        cycle.push_back(m_buttons[index].id());
    if (m_checkBox.id() > 0)
        cycle.push_back(m_checkBox.id());
    return cycle;
}

void SkinMessageBox::moveFocus(int step, bool buttonsOnly)
{
    std::vector<int> cycle = focusCycle();
    if (buttonsOnly && m_checkBox.id() > 0)
        cycle.pop_back();
    if (cycle.empty())
        return;
    const int count = static_cast<int>(cycle.size());
    const auto at = std::find(cycle.begin(), cycle.end(), m_window.focusedControl());
    int next = step > 0 ? 0 : count - 1;
    if (at != cycle.end())
        next = (static_cast<int>(at - cycle.begin()) + step + count) % count;
    m_window.giveFocus(cycle[static_cast<size_t>(next)]);
}

int SkinMessageBox::focusedButton() const
{
    const int focused = m_window.focusedControl();
    for (int index = 1; index <= buttonCount(); ++index) {
        if (focused > 0 && m_buttons[index].id() == focused)
            return index;
    }
    return 0;
}

bool SkinMessageBox::checkBoxFocused() const
{
    return m_checkBox.id() > 0 && m_window.focusedControl() == m_checkBox.id();
}
