#include "skin/WindowRouting.h"

#include "controls/ControlBase.h"
#include "skin/SkinWindow.h"
#include "skin/WindowRegistry.h"

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
    return static_cast<SkinElement*>(record->object)->handleMessage(window, message, wParam, lParam);
}
