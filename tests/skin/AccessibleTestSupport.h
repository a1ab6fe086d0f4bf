#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

// An accessible object held for a test; released when it goes.
struct AccessibleRef {
    IAccessible* object = nullptr;
    AccessibleRef() = default;
    explicit AccessibleRef(HWND window);
    ~AccessibleRef();
    AccessibleRef(const AccessibleRef&) = delete;
    AccessibleRef& operator=(const AccessibleRef&) = delete;

    std::vector<long> childIds() const;
    std::wstring name(long child) const;
    std::wstring description(long child) const;
    long role(long child) const;
    long state(long child) const;
    // Screen coordinates; empty when the object refused.
    RECT location(long child) const;
    long focus() const;
    HRESULT doDefaultAction(long child) const;
};

// WinEvents raised on this thread, as they are raised.
struct WinEventLog {
    struct Entry {
        DWORD event;
        HWND window;
        LONG object;
        LONG child;
    };
    WinEventLog(DWORD first, DWORD last);
    ~WinEventLog();
    WinEventLog(const WinEventLog&) = delete;
    WinEventLog& operator=(const WinEventLog&) = delete;

    // Children named by events of a kind on a window's client object, in order.
    std::vector<LONG> children(DWORD event, HWND window) const;
    bool seen(DWORD event, HWND window, LONG object) const;

    std::vector<Entry> entries;
    HWINEVENTHOOK hook = nullptr;
};
