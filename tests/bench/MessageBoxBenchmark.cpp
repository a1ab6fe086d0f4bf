// Prints how long the repair's message box takes from show to its first composed frame and
// to being on screen, in milliseconds. Not a test: the figures depend on the machine.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/ThreadTimer.h"
#include "element/SkinConstants.h"
#include "msgbox/SkinMessageBox.h"
#include "skin/Framework.h"

namespace {

double nowMs()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) * 1e3 / double(frequency.QuadPart);
}

// Milestones of one show, from the messages the box's window receives.
struct Milestones {
    const SkinMessageBox* box = nullptr;
    double start = 0;
    double composed = 0;
    double onScreen = 0;
};

Milestones* current = nullptr;

bool isBoxWindow(HWND window)
{
    return current && window && window == current->box->openWindow();
}

void noteComposed(HWND window)
{
    if (isBoxWindow(window) && current->composed == 0 && current->box->window().composedSurface())
        current->composed = nowMs();
}

LRESULT CALLBACK beforeMessage(int code, WPARAM wParam, LPARAM lParam) noexcept
{
    if (code == HC_ACTION)
        noteComposed(reinterpret_cast<const CWPSTRUCT*>(lParam)->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK afterMessage(int code, WPARAM wParam, LPARAM lParam) noexcept
{
    if (code == HC_ACTION)
        noteComposed(reinterpret_cast<const CWPRETSTRUCT*>(lParam)->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The show effect plays in the window's first paint, which is posted, not sent: the loop's
// next message after it finds the first show done.
LRESULT CALLBACK nextMessage(int code, WPARAM wParam, LPARAM lParam) noexcept
{
    if (code == HC_ACTION && current && current->onScreen == 0) {
        const HWND window = current->box->openWindow();
        if (window && GetPropA(window, skin::kPropFirstShowDone))
            current->onScreen = nowMs();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// One show of the success box, closed as soon as it is on screen.
Milestones timeOneShow(SkinMessageBox& box)
{
    Milestones milestones;
    milestones.box = &box;
    current = &milestones;
    ThreadTimer closer(10, [&box] {
        if (box.openWindow() && GetPropA(box.openWindow(), skin::kPropFirstShowDone))
            PostMessageW(box.openWindow(), WM_CLOSE, 0, 0);
    });
    milestones.start = nowMs();
    box.show(nullptr, L"KX启动修复成功", MB_ICONQUESTION, L"修复成功");
    current = nullptr;
    return milestones;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    initialiseFramework();
    const DWORD thread = GetCurrentThreadId();
    HHOOK before = SetWindowsHookExW(WH_CALLWNDPROC, beforeMessage, nullptr, thread);
    HHOOK after = SetWindowsHookExW(WH_CALLWNDPROCRET, afterMessage, nullptr, thread);
    HHOOK next = SetWindowsHookExW(WH_GETMESSAGE, nextMessage, nullptr, thread);

    SkinMessageBox box;
    std::vector<double> composed, onScreen;
    double first = 0;
    constexpr int kRuns = 6;
    for (int run = 0; run < kRuns; ++run) {
        Milestones milestones = timeOneShow(box);
        if (milestones.composed == 0 || milestones.onScreen == 0) {
            std::printf("the box never showed\n");
            return 1;
        }
        if (run == 0)
            first = milestones.composed - milestones.start;
        else {
            composed.push_back(milestones.composed - milestones.start);
            onScreen.push_back(milestones.onScreen - milestones.start);
        }
    }
    std::printf("message box 321x150, show to first composed frame: %7.1f ms the first time, %7.1f ms median\n",
        first, median(composed));
    std::printf("  show to whole on screen, show effect included:    %7.1f ms median of %d\n", median(onScreen),
        kRuns - 1);
    UnhookWindowsHookEx(next);
    UnhookWindowsHookEx(after);
    UnhookWindowsHookEx(before);
    return 0;
}
