#pragma once

#include <windows.h>

#include "core/UniqueHandle.h"

using UniqueKernelHandle = UniqueHandle<HANDLE, &CloseHandle>;

// CreateFile reports failure as INVALID_HANDLE_VALUE, everything else as null;
// the owner keeps one "empty" value.
inline UniqueKernelHandle fileHandle(HANDLE handle) noexcept
{
    return UniqueKernelHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}
