// Opens and closes the message box 200 times in one process, with its show and hide effects,
// every button set and every icon, and prints what is left over: live native objects, the
// thread's windows and private bytes. Exits 1 when something grows. Run by scripts/soak.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "core/ThreadTimer.h"
#include "drawing/LiveObjects.h"
#include "msgbox/SkinMessageBox.h"
#include "skin/Framework.h"

namespace {

constexpr int kCycles = 200;
constexpr int kSettledCycle = 20;
constexpr long long kAllowedGrowth = 1024 * 1024;

BOOL CALLBACK countWindow(HWND, LPARAM count) noexcept
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int threadWindows()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Committed private memory, summed over the address space: Wine reports PrivateUsage from the
// host's swap, which stays 0.
long long privateBytes()
{
    long long total = 0;
    MEMORY_BASIC_INFORMATION region {};
    for (auto* at = static_cast<char*>(nullptr); VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += static_cast<long long>(region.RegionSize);
        if (region.RegionSize == 0)
            break;
    }
    return total;
}

int windowsWhileShown = 0;

// One show, closed as soon as it is on screen; the hide effect plays as it closes.
int showOnce(SkinMessageBox& box, int cycle)
{
    static constexpr int kButtonSets[]
        = { MB_OK, MB_OKCANCEL, MB_ABORTRETRYIGNORE, MB_YESNOCANCEL, MB_YESNO, MB_RETRYCANCEL };
    static constexpr int kIcons[] = { 0, MB_ICONQUESTION, MB_ICONINFORMATION, MB_ICONEXCLAMATION };
    const int style = kButtonSets[cycle % 6] | kIcons[cycle / 6 % 4];
    ThreadTimer closer(10, [&box] {
        if (box.openWindow() && IsWindowVisible(box.openWindow())) {
            windowsWhileShown = std::max(windowsWhileShown, threadWindows());
            PostMessageW(box.openWindow(), WM_CLOSE, 0, 0);
        }
    });
    MessageBoxRequest request;
    request.message = L"KX启动修复成功，第 " + std::to_wstring(cycle) + L" 次";
    request.style = style;
    request.title = L"修复成功";
    request.checkBoxShown = cycle % 5 == 0;
    request.checkBoxText = L"不再提示";
    return box.show(request);
}

} // namespace

int main()
{
    initialiseFramework();
    SkinMessageBox box;
    const int objectsBefore = liveNativeObjects();
    const int windowsBefore = threadWindows();
    long long bytesAtSettled = 0;
    int unexpected = 0;
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        if (showOnce(box, cycle) != SkinMessageBox::kNoButton)
            ++unexpected;
        if (cycle == kSettledCycle)
            bytesAtSettled = privateBytes();
    }
    const int objectsAfter = liveNativeObjects();
    const int windowsAfter = threadWindows();
    const long long growth = privateBytes() - bytesAtSettled;
    std::printf("message box soak: %d shows, %d closed other than by WM_CLOSE\n", kCycles, unexpected);
    std::printf("  live native objects: %d before, %d after\n", objectsBefore, objectsAfter);
    std::printf("  thread windows:      %d before, %d after, %d while a box is shown\n", windowsBefore, windowsAfter,
        windowsWhileShown);
    std::printf("  private bytes: %lld at cycle %d, %+lld by cycle %d (limit %lld)\n", bytesAtSettled, kSettledCycle,
        growth, kCycles, kAllowedGrowth);
    // A count of 0 while shown would mean the window count sees nothing.
    const bool steady = unexpected == 0 && objectsAfter == objectsBefore && windowsAfter == windowsBefore
        && windowsWhileShown > windowsBefore && bytesAtSettled > 0 && growth < kAllowedGrowth;
    std::printf("%s\n", steady ? "steady" : "NOT STEADY");
    return steady ? 0 : 1;
}
