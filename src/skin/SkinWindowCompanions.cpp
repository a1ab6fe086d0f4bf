#include "skin/SkinWindow.h"

#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"

int SkinWindow::attachCompanion(HWND companion)
{
    if (!m_hwnd || !companion)
        return 0;
    RECT owner{};
    RECT bounds{};
    GetWindowRect(m_hwnd, &owner);
    GetWindowRect(companion, &bounds);
    return attachCompanionTo(m_hwnd, companion, bounds.left - owner.left, bounds.top - owner.top);
}

int SkinWindow::attachCompanionTo(HWND owner, HWND companion, int offsetX, int offsetY)
{
    WindowRecord* entry = WindowRegistry::instance().recordOf(owner);
    if (!entry)
        return 0;
    std::size_t index = 0;
    while (index < entry->companions.size() && !entry->companions[index].free)
        ++index;
    if (index == entry->companions.size())
        entry->companions.emplace_back();
    entry->companions[index] = {companion, false, offsetX, offsetY};
    return static_cast<int>(index + 1);
}

void SkinWindow::updateCompanionOffset(HWND owner, HWND companion, int offsetX, int offsetY)
{
    WindowRecord* entry = WindowRegistry::instance().recordOf(owner);
    if (!entry)
        return;
    for (CompanionRecord& item : entry->companions)
        if (!item.free && item.hwnd == companion) {
            item.offsetX = offsetX;
            item.offsetY = offsetY;
        }
}

void SkinWindow::detachCompanion(HWND companion)
{
    WindowRecord* entry = record();
    if (!entry)
        return;
    for (CompanionRecord& item : entry->companions)
        if (!item.free && item.hwnd == companion)
            item = CompanionRecord{};
}

void SkinWindow::detachFromParent()
{
    if (!m_attachment.parent || m_attachment.companionIndex <= 0)
        return;
    if (WindowRecord* entry = WindowRegistry::instance().recordOf(m_attachment.parent)) {
        for (CompanionRecord& item : entry->companions)
            if (!item.free && item.hwnd == m_hwnd)
                item = CompanionRecord{};
        if (GetPropA(m_attachment.parent, skin::kPropHostIndex))
            SendMessageW(m_attachment.parent, skin::kMsgCompanionDetached, 0, reinterpret_cast<LPARAM>(m_hwnd));
    }
    m_attachment.companionIndex = 0;
}

void SkinWindow::moveCompanions()
{
    WindowRecord* entry = record();
    if (!entry || !m_hwnd || !GetPropA(m_hwnd, skin::kPropFrameworkWindow))
        return;
    RECT owner{};
    GetWindowRect(m_hwnd, &owner);
    for (const CompanionRecord& item : entry->companions) {
        if (item.free || !IsWindow(item.hwnd))
            continue;
        RECT bounds{};
        GetWindowRect(item.hwnd, &bounds);
        MoveWindow(item.hwnd, owner.left + item.offsetX, owner.top + item.offsetY, bounds.right - bounds.left,
            bounds.bottom - bounds.top, TRUE);
    }
}

void SkinWindow::showCompanions(bool shown)
{
    WindowRecord* entry = record();
    if (!entry || !m_hwnd || !GetPropA(m_hwnd, skin::kPropFrameworkWindow))
        return;
    for (const CompanionRecord& item : entry->companions) {
        if (item.free || !IsWindow(item.hwnd))
            continue;
        if ((IsWindowVisible(item.hwnd) != FALSE) != shown)
            ShowWindow(item.hwnd, shown ? SW_SHOWNA : SW_HIDE);
    }
}
