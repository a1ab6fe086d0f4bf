#include "skin/AccessibilityLibraries.h"

#include "core/Runtime.h"

LRESULT lresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object)
{
    using Function = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    static const Function bound = bindSystemFunction<Function>(L"oleacc", "LresultFromObject");
    return bound(iid, wParam, object);
}

HRESULT createStdAccessibleObject(HWND window, LONG objectId, REFIID iid, void** object)
{
    using Function = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
    static const Function bound = bindSystemFunction<Function>(L"oleacc", "CreateStdAccessibleObject");
    return bound(window, objectId, iid, object);
}

BSTR allocString(const wchar_t* text, UINT length)
{
    using Function = BSTR(WINAPI*)(const OLECHAR*, UINT);
    static const Function bound = bindSystemFunction<Function>(L"oleaut32", "SysAllocStringLen");
    return bound(text, length);
}

HRESULT joinSingleThreadedApartment()
{
    using Function = HRESULT(WINAPI*)(LPVOID, DWORD);
    static const Function bound = bindSystemFunction<Function>(L"ole32", "CoInitializeEx");
    return bound(nullptr, COINIT_APARTMENTTHREADED);
}
