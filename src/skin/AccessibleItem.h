#pragma once

#include <windows.h>

#include <string>
#include <vector>

// One child of a skinned window as a screen reader sees it. Controls are children under
// their control id; a caption strip's items under an id of their own, so ids stay put
// while the window lives and events can name them.
struct AccessibleItem {
    long childId = 0;
    long role = 0;
    std::wstring name;
    long state = 0;
    // Window client coordinates.
    RECT rect {};
    // Empty: nothing to do.
    std::wstring defaultAction;
};

// The child id of item `item` (1-based) of the caption strip control `controlId`.
constexpr long captionItemChildId(int controlId, int item)
{
    return 0x10000L + controlId * 0x100L + item;
}

// The MSAA role of a control kind; 0 for kinds that are not shown to a reader (panels).
long accessibleRoleOfKind(int kind);

// Control ids in reading order: `preferred` first as given, then the rest of `tabOrder`.
std::vector<int> readingOrder(const std::vector<int>& tabOrder, const std::vector<int>& preferred);
