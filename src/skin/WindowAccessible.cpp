#include "skin/WindowAccessible.h"

#include <optional>
#include <string>
#include <vector>

#include "skin/AccessibilityLibraries.h"
#include "skin/AccessibleItem.h"
#include "skin/SkinWindow.h"

namespace {

LONG g_liveObjects = 0;

// The window went while a reader still held the object.
constexpr HRESULT kGone = RPC_E_DISCONNECTED;

std::optional<long> childIdOf(const VARIANT& child)
{
    if (child.vt != VT_I4)
        return std::nullopt;
    return child.lVal;
}

HRESULT giveString(const std::wstring& text, BSTR* out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (text.empty())
        return S_FALSE;
    *out = allocString(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT giveLong(long value, VARIANT* out)
{
    if (!out)
        return E_POINTER;
    emptyVariant(out);
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

std::wstring windowTitle(HWND window)
{
    std::wstring title(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    title.resize(static_cast<size_t>(GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
    return title;
}

} // namespace

// Each call looks the window and the child up afresh.
struct ChildLookup {
    SkinWindow* window = nullptr;
    std::vector<AccessibleItem> items;
    const AccessibleItem* item = nullptr;
    bool self = false;
    HRESULT error = S_OK;

    ChildLookup(HWND handle, const VARIANT& child)
    {
        window = SkinWindow::fromHandle(handle);
        const std::optional<long> id = childIdOf(child);
        if (!window) {
            error = kGone;
            return;
        }
        if (!id) {
            error = E_INVALIDARG;
            return;
        }
        self = *id == CHILDID_SELF;
        if (self)
            return;
        items = window->accessibleItems();
        for (const AccessibleItem& each : items) {
            if (each.childId == *id)
                item = &each;
        }
        if (!item)
            error = E_INVALIDARG;
    }
};

WindowAccessible* WindowAccessible::create(HWND window)
{
    return new WindowAccessible(window);
}

long WindowAccessible::liveCount()
{
    return InterlockedCompareExchange(&g_liveObjects, 0, 0);
}

WindowAccessible::WindowAccessible(HWND window)
    : m_window(window)
{
    InterlockedIncrement(&g_liveObjects);
}

WindowAccessible::~WindowAccessible()
{
    InterlockedDecrement(&g_liveObjects);
}

HRESULT WindowAccessible::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible)
        *object = static_cast<IAccessible*>(this);
    else if (iid == IID_IEnumVARIANT)
        *object = static_cast<IEnumVARIANT*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG WindowAccessible::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG WindowAccessible::Release()
{
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT WindowAccessible::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT WindowAccessible::get_accParent(IDispatch** parent)
{
    if (!parent)
        return E_POINTER;
    *parent = nullptr;
    if (!SkinWindow::fromHandle(m_window))
        return kGone;
    return createStdAccessibleObject(m_window, OBJID_WINDOW, IID_IDispatch, reinterpret_cast<void**>(parent));
}

HRESULT WindowAccessible::get_accChildCount(long* count)
{
    if (!count)
        return E_POINTER;
    const SkinWindow* window = SkinWindow::fromHandle(m_window);
    if (!window)
        return kGone;
    *count = static_cast<long>(window->accessibleItems().size());
    return S_OK;
}

HRESULT WindowAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    const ChildLookup lookup(m_window, child);
    if (FAILED(lookup.error))
        return lookup.error;
    if (lookup.self)
        return E_INVALIDARG;
    // Children are simple elements of this object.
    return S_FALSE;
}

HRESULT WindowAccessible::get_accName(VARIANT child, BSTR* name)
{
    const ChildLookup lookup(m_window, child);
    if (FAILED(lookup.error))
        return lookup.error;
    return giveString(lookup.self ? windowTitle(m_window) : lookup.item->name, name);
}

HRESULT WindowAccessible::get_accValue(VARIANT child, BSTR* value)
{
    const ChildLookup lookup(m_window, child);
    if (FAILED(lookup.error))
        return lookup.error;
    return giveString({}, value);
}

HRESULT WindowAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    const ChildLookup lookup(m_window, child);
    if (FAILED(lookup.error))
        return lookup.error;
    return giveString(lookup.self ? lookup.window->accessibleDescription() : std::wstring(), description);
}

HRESULT WindowAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    const ChildLookup lookup(m_window, child);
    if (FAILED(lookup.error))
        return lookup.error;
    return giveLong(lookup.self ? ROLE_SYSTEM_DIALOG : lookup.item->role, role);
}

HRESULT WindowAccessible::get_accState(VARIANT child, VARIANT* state)
{
    const ChildLookup lookup(m_window, child);
    if (FAILED(lookup.error))
        return lookup.error;
    if (!lookup.self)
        return giveLong(lookup.item->state, state);
    long own = STATE_SYSTEM_FOCUSABLE;
    if (GetFocus() == m_window && lookup.window->accessibleFocus() == CHILDID_SELF)
        own |= STATE_SYSTEM_FOCUSED;
    if (!IsWindowEnabled(m_window))
        own |= STATE_SYSTEM_UNAVAILABLE;
    return giveLong(own, state);
}

HRESULT WindowAccessible::get_accHelp(VARIANT child, BSTR* help)
{
    const ChildLookup lookup(m_window, child);
    if (FAILED(lookup.error))
        return lookup.error;
    return giveString({}, help);
}

HRESULT WindowAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic)
{
    if (file)
        *file = nullptr;
    if (topic)
        *topic = -1;
    return S_FALSE;
}

HRESULT WindowAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    const ChildLookup lookup(m_window, child);
    if (FAILED(lookup.error))
        return lookup.error;
    return giveString({}, shortcut);
}

HRESULT WindowAccessible::get_accFocus(VARIANT* child)
{
    if (!child)
        return E_POINTER;
    emptyVariant(child);
    const SkinWindow* window = SkinWindow::fromHandle(m_window);
    if (!window)
        return kGone;
    const long focused = window->accessibleFocus();
    return focused < 0 ? S_FALSE : giveLong(focused, child);
}

HRESULT WindowAccessible::get_accSelection(VARIANT* children)
{
    if (!children)
        return E_POINTER;
    emptyVariant(children);
    return S_FALSE;
}

HRESULT WindowAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    const ChildLookup lookup(m_window, child);
    if (FAILED(lookup.error))
        return lookup.error;
    return giveString(lookup.self ? std::wstring() : lookup.item->defaultAction, action);
}

HRESULT WindowAccessible::accSelect(long flags, VARIANT child)
{
    const ChildLookup lookup(m_window, child);
    if (FAILED(lookup.error))
        return lookup.error;
    if (flags != SELFLAG_TAKEFOCUS || lookup.self)
        return S_FALSE;
    return lookup.window->giveFocus(static_cast<int>(lookup.item->childId)) ? S_OK : S_FALSE;
}

HRESULT WindowAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child)
{
    if (!left || !top || !width || !height)
        return E_POINTER;
    const ChildLookup lookup(m_window, child);
    if (FAILED(lookup.error))
        return lookup.error;
    RECT rect {};
    if (lookup.self)
        GetClientRect(m_window, &rect);
    else
        rect = lookup.item->rect;
    MapWindowPoints(m_window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    *left = rect.left;
    *top = rect.top;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return S_OK;
}

HRESULT WindowAccessible::accNavigate(long, VARIANT, VARIANT* end)
{
    if (end)
        emptyVariant(end);
    return E_NOTIMPL;
}

HRESULT WindowAccessible::accHitTest(long x, long y, VARIANT* child)
{
    if (!child)
        return E_POINTER;
    emptyVariant(child);
    const SkinWindow* window = SkinWindow::fromHandle(m_window);
    if (!window)
        return kGone;
    POINT at { x, y };
    ScreenToClient(m_window, &at);
    RECT client {};
    GetClientRect(m_window, &client);
    if (!PtInRect(&client, at))
        return S_FALSE;
    long found = CHILDID_SELF;
    // Later children are drawn over earlier ones.
    for (const AccessibleItem& item : window->accessibleItems()) {
        if (PtInRect(&item.rect, at))
            found = item.childId;
    }
    return giveLong(found, child);
}

HRESULT WindowAccessible::accDoDefaultAction(VARIANT child)
{
    const ChildLookup lookup(m_window, child);
    if (FAILED(lookup.error))
        return lookup.error;
    if (lookup.self)
        return DISP_E_MEMBERNOTFOUND;
    return lookup.window->doAccessibleAction(lookup.item->childId) ? S_OK : S_FALSE;
}

HRESULT WindowAccessible::Next(ULONG count, VARIANT* items, ULONG* fetched)
{
    if (!items)
        return E_POINTER;
    const SkinWindow* window = SkinWindow::fromHandle(m_window);
    if (!window)
        return kGone;
    const std::vector<AccessibleItem> children = window->accessibleItems();
    ULONG given = 0;
    while (given < count && m_cursor < children.size()) {
        giveLong(children[m_cursor].childId, &items[given]);
        ++given;
        ++m_cursor;
    }
    if (fetched)
        *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

HRESULT WindowAccessible::Skip(ULONG count)
{
    const SkinWindow* window = SkinWindow::fromHandle(m_window);
    if (!window)
        return kGone;
    const ULONG total = static_cast<ULONG>(window->accessibleItems().size());
    m_cursor += count;
    if (m_cursor <= total)
        return S_OK;
    m_cursor = total;
    return S_FALSE;
}

HRESULT WindowAccessible::Reset()
{
    m_cursor = 0;
    return S_OK;
}

HRESULT WindowAccessible::Clone(IEnumVARIANT** copy)
{
    if (!copy)
        return E_POINTER;
    WindowAccessible* twin = create(m_window);
    twin->m_cursor = m_cursor;
    *copy = static_cast<IEnumVARIANT*>(twin);
    return S_OK;
}
