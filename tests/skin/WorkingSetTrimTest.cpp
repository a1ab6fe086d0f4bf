#include <gtest/gtest.h>

#include <windows.h>

#include <psapi.h>

#include <cstring>
#include <set>
#include <string>

#include "EffectTestSupport.h"
#include "TestSupport.h"
#include "element/FrameworkResources.h"
#include "skin/WorkingSetTrim.h"

namespace {

// Looked up at run time, so the tests need no import library for it.
SIZE_T workingSet()
{
    using Query = BOOL(WINAPI*)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
    static const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"psapi.dll"), "GetProcessMemoryInfo")));
    PROCESS_MEMORY_COUNTERS counters {};
    counters.cb = sizeof(counters);
    if (query)
        query(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.WorkingSetSize;
}

std::set<std::wstring> windowsFolderFiles()
{
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((std::wstring(folder) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// Wine answers the trim but keeps every page, so only Windows shows the working set fall.
bool trimsForReal()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") == nullptr;
}

// Deactivates the window by activating another of the thread's windows.
void deactivate(HWND window, HWND other)
{
    SetActiveWindow(window);
    SetActiveWindow(other);
    pumpUntil([] { return false; }, 30);
}

}  // namespace

TEST(WorkingSetTrim, RunsFromWindowsXpOn)
{
    struct Case {
        unsigned major, minor;
        bool trimmed;
    };
    for (const Case c : { Case { 3, 51, false }, Case { 4, 0, false }, Case { 4, 90, false }, Case { 5, 0, false },
             Case { 5, 1, true }, Case { 5, 2, true }, Case { 6, 0, true }, Case { 10, 0, true } })
        EXPECT_EQ(trimmingSupported(c.major, c.minor), c.trimmed) << c.major << "." << c.minor;
}

TEST(WorkingSetTrim, DeactivationTrimsInPlaceOnlyWhileSwitchedOn)
{
    ASSERT_TRUE(framework().trimDisabled);
    SkinWindow window;
    const HWND handle = openAndShow(window, boxOptions(0, 0));
    SkinWindow other;
    const HWND otherHandle = openAndShow(other, boxOptions(0, 0));
    ASSERT_NE(handle, nullptr);
    const std::set<std::wstring> filesBefore = windowsFolderFiles();

    // Touch 16 MB so there is something to give back.
    constexpr SIZE_T kTouched = 16 << 20;
    void* block = VirtualAlloc(nullptr, kTouched, MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(block, nullptr);
    const auto fill = [block] { std::memset(block, 1, kTouched); };
    fill();
    const int trimsBefore = workingSetTrims();
    deactivate(handle, otherHandle);
    EXPECT_EQ(workingSetTrims(), trimsBefore);

    framework().trimDisabled = false;
    fill();
    const SIZE_T grown = workingSet();
    const DWORD start = GetTickCount();
    deactivate(handle, otherHandle);
    const DWORD took = GetTickCount() - start;
    const SIZE_T trimmed = workingSet();
    framework().trimDisabled = true;

    EXPECT_GE(workingSetTrims(), trimsBefore + 1);
    if (trimsForReal()) {
        EXPECT_LT(trimmed + kTouched / 2, grown) << "grown " << grown << ", trimmed " << trimmed;
    }
    EXPECT_LT(took, 1000u);
    EXPECT_EQ(windowsFolderFiles(), filesBefore);
    EXPECT_FALSE(childProcessRunning(L"empty.exe"));
    VirtualFree(block, 0, MEM_RELEASE);
    DestroyWindow(otherHandle);
    DestroyWindow(handle);
}
