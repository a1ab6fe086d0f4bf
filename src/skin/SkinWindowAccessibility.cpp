#include "skin/SkinWindow.h"

#include <oleacc.h>

#include "controls/CaptionButtonBar.h"
#include "core/Win32Handles.h"
#include "controls/SkinButton.h"
#include "controls/SkinToggle.h"
#include "element/WindowRegistry.h"
#include "skin/AccessibilityLibraries.h"
#include "skin/WindowAccessible.h"

namespace {

constexpr wchar_t kActionPress[] = L"按下";
constexpr wchar_t kActionCheck[] = L"选中";
constexpr wchar_t kActionUncheck[] = L"取消选中";

RECT offsetRect(RECT rect, int dx, int dy)
{
    OffsetRect(&rect, dx, dy);
    return rect;
}

std::wstring nameOf(const SkinElement& element)
{
    if (!element.text().empty())
        return element.text();
    if (const auto* button = dynamic_cast<const SkinButton*>(&element))
        return button->toolTipText();
    if (const auto* toggle = dynamic_cast<const SkinToggle*>(&element))
        return toggle->toolTipText();
    return {};
}

} // namespace

void SkinWindow::addCaptionItems(const ControlRecord& control, std::vector<AccessibleItem>& items) const
{
    const auto* bar = dynamic_cast<const CaptionButtonBar*>(control.object);
    if (!bar)
        return;
    for (int item = 1; item <= bar->itemCount(); ++item) {
        const CaptionItem info = bar->itemInfo(item);
        AccessibleItem entry;
        entry.childId = captionItemChildId(control.id, item);
        entry.role = ROLE_SYSTEM_PUSHBUTTON;
        entry.name = info.caption.empty() ? info.toolTipText : info.caption;
        entry.state = info.disabled || control.disabled ? STATE_SYSTEM_UNAVAILABLE : STATE_SYSTEM_FOCUSABLE;
        // The strip takes the focus as one control; its first item stands for it.
        if (item == 1 && control.id == m_focus.control && GetFocus() == m_hwnd)
            entry.state |= STATE_SYSTEM_FOCUSED;
        if (m_pointer.hot == control.id && bar->shownHotItem() == item)
            entry.state |= STATE_SYSTEM_HOTTRACKED;
        entry.rect = offsetRect(bar->itemRect(item), control.rect.left, control.rect.top);
        entry.defaultAction = kActionPress;
        items.push_back(entry);
    }
}

std::vector<AccessibleItem> SkinWindow::accessibleItems() const
{
    std::vector<AccessibleItem> items;
    WindowRecord* entry = record();
    if (!entry)
        return items;
    std::vector<int> tabOrder;
    for (int id = 1; id <= entry->controlCount(); ++id) {
        const ControlRecord* control = entry->control(id);
        if (control && control->inUse() && control->visible && control->object && accessibleRoleOfKind(control->kind))
            tabOrder.push_back(id);
    }
    for (int id : readingOrder(tabOrder, m_accessible.readingOrder)) {
        const ControlRecord& control = *entry->control(id);
        if (control.kind == skin::kKindCaptionButtons) {
            addCaptionItems(control, items);
            continue;
        }
        AccessibleItem item;
        item.childId = id;
        item.role = accessibleRoleOfKind(control.kind);
        item.name = nameOf(*control.object);
        item.rect = control.rect;
        if (control.disabled)
            item.state |= STATE_SYSTEM_UNAVAILABLE;
        if (control.interactive)
            item.state |= STATE_SYSTEM_FOCUSABLE;
        if (control.interactive && id == m_focus.control && GetFocus() == m_hwnd)
            item.state |= STATE_SYSTEM_FOCUSED;
        if (id == m_pointer.hot)
            item.state |= STATE_SYSTEM_HOTTRACKED;
        if (item.role == ROLE_SYSTEM_CHECKBUTTON) {
            const bool checked = control.object->value() != 0;
            if (checked)
                item.state |= STATE_SYSTEM_CHECKED;
            item.defaultAction = checked ? kActionUncheck : kActionCheck;
        } else if (item.role == ROLE_SYSTEM_PUSHBUTTON) {
            item.defaultAction = kActionPress;
        }
        items.push_back(item);
    }
    return items;
}

bool SkinWindow::doAccessibleAction(long childId)
{
    for (const AccessibleItem& item : accessibleItems()) {
        if (item.childId != childId)
            continue;
        if (item.defaultAction.empty() || (item.state & STATE_SYSTEM_UNAVAILABLE) != 0)
            return false;
        // Posted, as a mouse click arrives: the click may close the window, and a reader in
        // another process must not wait on it.
        const LPARAM where = MAKELPARAM((item.rect.left + item.rect.right) / 2, (item.rect.top + item.rect.bottom) / 2);
        PostMessageW(m_hwnd, WM_MOUSEMOVE, 0, where);
        PostMessageW(m_hwnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
        PostMessageW(m_hwnd, WM_LBUTTONUP, 0, where);
        return true;
    }
    return false;
}

long SkinWindow::accessibleChildOf(int controlId) const
{
    WindowRecord* entry = record();
    const ControlRecord* control = entry ? entry->control(controlId) : nullptr;
    if (control && control->kind == skin::kKindCaptionButtons)
        return captionItemChildId(controlId, 1);
    return controlId;
}

void SkinWindow::notifyFocusEvent(int controlId) const
{
    NotifyWinEvent(EVENT_OBJECT_FOCUS, m_hwnd, OBJID_CLIENT, accessibleChildOf(controlId));
}

long SkinWindow::accessibleFocus() const
{
    if (GetFocus() != m_hwnd)
        return -1;
    for (const AccessibleItem& item : accessibleItems()) {
        if ((item.state & STATE_SYSTEM_FOCUSED) != 0)
            return item.childId;
    }
    return CHILDID_SELF;
}

LRESULT SkinWindow::handleGetObject(WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT)
        return defaultTail(m_hwnd, WM_GETOBJECT, wParam, lParam);
    // The object is marshalled through COM, which the program otherwise never needs: the
    // thread joins a single-threaded apartment at the first request and stays in it.
    static thread_local bool comReady = false;
    if (!comReady)
        comReady = SUCCEEDED(joinSingleThreadedApartment());
    const UniqueReference<IAccessible> accessible(WindowAccessible::create(m_hwnd));
    return lresultFromObject(IID_IAccessible, wParam, accessible.get());
}
