#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "core/Bytes.h"

// The folder the test program runs from, with a trailing backslash.
std::wstring testProgramFolder();

// A fresh, empty folder under the temporary-files folder; the name may hold a space.
std::wstring freshFolder(const std::wstring& name);

ByteArray readWholeFile(const std::wstring& path);

// Rectangles compared whole, for EXPECT_TRUE.
inline bool sameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

// Pumps messages until the condition holds or the time is up; true when it held.
bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// True while a process this one started runs the program of that file name.
bool childProcessRunning(const std::wstring& fileName);

// The calling thread's top-level windows, hidden ones included.
int threadWindowCount();

// The user's keyboard-cues setting (focus marks always shown) for a scope, in this session only.
struct KeyboardCuesSetting {
    BOOL saved = FALSE;
    explicit KeyboardCuesSetting(bool always)
    {
        SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &saved, 0);
        set(always);
    }
    ~KeyboardCuesSetting() { set(saved); }
    static void set(BOOL on) { SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(INT_PTR{on}), 0); }
};
