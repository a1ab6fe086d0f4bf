#pragma once

#include <windows.h>

#include <oleacc.h>

// What screen readers need from oleacc, oleaut32 and ole32, bound by name on the first call:
// only a window a reader asks for loads them, so a start without a reader pays for none.
LRESULT lresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object);
HRESULT createStdAccessibleObject(HWND window, LONG objectId, REFIID iid, void** object);
// A real BSTR: the reader's side frees it with SysFreeString.
BSTR allocString(const wchar_t* text, UINT length);
HRESULT joinSingleThreadedApartment();

// All VariantInit does: an empty variant, whatever was there.
inline void emptyVariant(VARIANT* variant)
{
    *variant = VARIANT {};
}
