#include "AccessibleTestSupport.h"

namespace {

WinEventLog* g_log = nullptr;

void CALLBACK noteEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (g_log)
        g_log->entries.push_back({ event, window, object, child });
}

VARIANT child(long id)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = id;
    return value;
}

std::wstring taken(BSTR text)
{
    std::wstring result = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return result;
}

long longOf(HRESULT result, const VARIANT& value)
{
    return SUCCEEDED(result) && value.vt == VT_I4 ? value.lVal : -1;
}

} // namespace

AccessibleRef::AccessibleRef(HWND window)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    AccessibleObjectFromWindow(
        window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible, reinterpret_cast<void**>(&object));
}

AccessibleRef::~AccessibleRef()
{
    if (object)
        object->Release();
}

std::vector<long> AccessibleRef::childIds() const
{
    long count = 0;
    object->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<size_t>(count));
    LONG got = 0;
    std::vector<long> ids;
    if (count > 0 && SUCCEEDED(AccessibleChildren(object, 0, count, children.data(), &got))) {
        for (LONG index = 0; index < got; ++index)
            ids.push_back(longOf(S_OK, children[static_cast<size_t>(index)]));
    }
    return ids;
}

std::wstring AccessibleRef::name(long id) const
{
    BSTR text = nullptr;
    object->get_accName(child(id), &text);
    return taken(text);
}

std::wstring AccessibleRef::description(long id) const
{
    BSTR text = nullptr;
    object->get_accDescription(child(id), &text);
    return taken(text);
}

long AccessibleRef::role(long id) const
{
    VARIANT value;
    return longOf(object->get_accRole(child(id), &value), value);
}

long AccessibleRef::state(long id) const
{
    VARIANT value;
    return longOf(object->get_accState(child(id), &value), value);
}

RECT AccessibleRef::location(long id) const
{
    long left = 0, top = 0, width = 0, height = 0;
    if (FAILED(object->accLocation(&left, &top, &width, &height, child(id))))
        return {};
    return { left, top, left + width, top + height };
}

long AccessibleRef::focus() const
{
    VARIANT value;
    VariantInit(&value);
    return longOf(object->get_accFocus(&value), value);
}

HRESULT AccessibleRef::doDefaultAction(long id) const
{
    return object->accDoDefaultAction(child(id));
}

WinEventLog::WinEventLog(DWORD first, DWORD last)
{
    g_log = this;
    hook = SetWinEventHook(
        first, last, nullptr, &noteEvent, GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
}

WinEventLog::~WinEventLog()
{
    if (hook)
        UnhookWinEvent(hook);
    g_log = nullptr;
}

std::vector<LONG> WinEventLog::children(DWORD event, HWND window) const
{
    std::vector<LONG> ids;
    for (const Entry& entry : entries) {
        if (entry.event == event && entry.window == window && entry.object == OBJID_CLIENT)
            ids.push_back(entry.child);
    }
    return ids;
}

bool WinEventLog::seen(DWORD event, HWND window, LONG object) const
{
    for (const Entry& entry : entries) {
        if (entry.event == event && entry.window == window && entry.object == object)
            return true;
    }
    return false;
}
