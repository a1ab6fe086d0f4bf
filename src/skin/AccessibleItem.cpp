#include "skin/AccessibleItem.h"

#include <oleacc.h>

#include <algorithm>

#include "element/SkinConstants.h"

long accessibleRoleOfKind(int kind)
{
    switch (kind) {
    case skin::kKindPanel:
        return 0;
    case skin::kKindLabel:
        return ROLE_SYSTEM_STATICTEXT;
    case skin::kKindPicture:
        return ROLE_SYSTEM_GRAPHIC;
    case skin::kKindToggle:
        return ROLE_SYSTEM_CHECKBUTTON;
    case skin::kKindColourButton:
    case skin::kKindImageButton:
    case skin::kKindSkinButton:
    case skin::kKindCaptionButtons:
        return ROLE_SYSTEM_PUSHBUTTON;
    default:
        return ROLE_SYSTEM_CLIENT;
    }
}

std::vector<int> readingOrder(const std::vector<int>& tabOrder, const std::vector<int>& preferred)
{
    std::vector<int> order;
    for (int id : preferred) {
        if (std::find(tabOrder.begin(), tabOrder.end(), id) != tabOrder.end()
            && std::find(order.begin(), order.end(), id) == order.end())
            order.push_back(id);
    }
    for (int id : tabOrder) {
        if (std::find(order.begin(), order.end(), id) == order.end())
            order.push_back(id);
    }
    return order;
}
