#pragma once

#include <windows.h>

#include "core/UniqueHandle.h"

using UniqueKernelHandle = UniqueHandle<HANDLE, &CloseHandle>;

inline void destroyIcon(HICON icon) { DestroyIcon(icon); }
using UniqueIcon = UniqueHandle<HICON, &destroyIcon>;
inline void destroyCursor(HCURSOR cursor) { DestroyCursor(cursor); }
using UniqueCursor = UniqueHandle<HCURSOR, &destroyCursor>;

// One reference to a COM object, released once.
template <typename T>
void releaseReference(T* object)
{
    object->Release();
}
template <typename T>
using UniqueReference = UniqueHandle<T*, &releaseReference<T>>;

// CreateFile reports failure as INVALID_HANDLE_VALUE, everything else as null;
// the owner keeps one "empty" value.
inline UniqueKernelHandle fileHandle(HANDLE handle) noexcept
{
    return UniqueKernelHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}
