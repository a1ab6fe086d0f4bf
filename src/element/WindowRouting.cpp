#include "element/WindowRouting.h"

#include "element/SkinConstants.h"
#include "element/SkinElement.h"
#include "element/WindowRegistry.h"

LRESULT sendToControl(int controlId, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* record = WindowRegistry::instance().recordOf(window);
    ControlRecord* control = record ? record->control(controlId) : nullptr;
    if (!control || !control->inUse() || !control->object)
        return 1;
    return control->object->handleMessage(window, message, wParam, lParam);
}

LRESULT callWindowHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* record = WindowRegistry::instance().recordOf(window);
    if (!record || !record->object)
        return -1;
    return record->object->handleMessage(window, message, wParam, lParam);
}

void presentWindowArea(HWND window, const RECT& area)
{
    WindowRecord* entry = WindowRegistry::instance().recordOf(window);
    if (!entry || !entry->object)
        return;
    // An embedded child that is not layered has no picture of its own on screen: its
    // layered host shows it.
    if (GetPropA(window, skin::kPropFrameworkChild) && !GetPropA(window, skin::kPropLayered)) {
        auto host = static_cast<HWND>(GetPropA(window, skin::kPropFrameworkParent));
        WindowRecord* hostRecord = WindowRegistry::instance().recordOf(host);
        if (hostRecord && hostRecord->object && GetPropA(host, skin::kPropLayered)) {
            RECT moved = area;
            MapWindowPoints(window, host, reinterpret_cast<POINT*>(&moved), 2);
            hostRecord->object->presentArea(moved);
            return;
        }
    }
    entry->object->presentArea(area);
}
