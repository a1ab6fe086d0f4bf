// Prints where the repair's time goes, in milliseconds: the process start before main,
// framework start-up, the hidden start-up window, the agent written and run, and the box from
// show to built, to the show effect's first frame on screen and to being whole on screen.
// Not a test: the figures depend on the machine.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "app/AutostartRepair.h"
#include "core/EmbeddedFile.h"
#include "core/RuntimeWindow.h"
#include "core/ThreadTimer.h"
#include "element/SkinConstants.h"
#include "msgbox/SkinMessageBox.h"
#include "skin/EffectPlayer.h"
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
    double built = 0;
    double firstFrame = 0;
    double onScreen = 0;
};

Milestones* current = nullptr;

bool isBoxWindow(HWND window)
{
    return current && window && window == current->box->openWindow();
}

LRESULT CALLBACK afterMessage(int code, WPARAM wParam, LPARAM lParam) noexcept
{
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    // The contents are built by the window's created callback, inside WM_CREATE.
    if (code == HC_ACTION && message->message == WM_CREATE && isBoxWindow(message->hwnd) && current->built == 0)
        current->built = nowMs();
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
Milestones timeOneShow(SkinMessageBox& box, HWND owner)
{
    Milestones milestones;
    milestones.box = &box;
    current = &milestones;
    ThreadTimer closer(10, [&box] {
        if (box.openWindow() && GetPropA(box.openWindow(), skin::kPropFirstShowDone))
            PostMessageW(box.openWindow(), WM_CLOSE, 0, 0);
    });
    milestones.start = nowMs();
    MessageBoxRequest request;
    request.owner = owner;
    request.message = L"KX启动修复成功";
    request.style = MB_ICONQUESTION;
    request.title = L"修复成功";
    box.show(request);
    current = nullptr;
    return milestones;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double msSince(double start)
{
    return nowMs() - start;
}

std::uint64_t fileTimeTicks(const FILETIME& time)
{
    return (std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// From the process's creation to now: the loader and every imported library's start-up.
double msSinceProcessCreated()
{
    FILETIME created, ended, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user))
        return -1;
    GetSystemTimeAsFileTime(&now);
    return double(fileTimeTicks(now) - fileTimeTicks(created)) / 1e4;
}

} // namespace

int main()
{
    const double processStart = msSinceProcessCreated();
    double start = nowMs();
    initialiseFramework();
    const double framework = msSince(start);
    // As the program does: the box's owner, whose creation pays for the first window of the
    // process before the agent starts.
    start = nowMs();
    RuntimeWindow startup({380, 250, false});
    startup.load();
    const double startupWindow = msSince(start);
    start = nowMs();
    const ByteView agent = (hasWow64Directory() ? kRepairAgent64 : kRepairAgent32).bytes();
    // As the program does it: the box's pictures and font load while the agent runs.
    double started = 0, prepared = 0;
    const bool ran = writeAndRunAgent(agentPath(), agent, kAgentTimeoutMs, [&] {
        started = msSince(start);
        const double prepareStart = nowMs();
        SkinMessageBox::prepare();
        prepared = msSince(prepareStart);
    });
    deleteAgentFile();
    const double agentRun = msSince(start);
    std::printf("the repair, ms: process created to main %7.1f, framework start-up %7.1f, start-up window %7.1f\n",
        processStart, framework, startupWindow);
    std::printf("  agent written and run %7.1f%s: written and started %.1f, the box prepared meanwhile %.1f,\n"
                "    then waited for the agent %.1f\n",
        agentRun, ran ? "" : " (the agent did not run)", started, prepared, agentRun - started - prepared);

    const DWORD thread = GetCurrentThreadId();
    HHOOK after = SetWindowsHookExW(WH_CALLWNDPROCRET, afterMessage, nullptr, thread);
    HHOOK next = SetWindowsHookExW(WH_GETMESSAGE, nextMessage, nullptr, thread);
    EffectPlayer::setFrameObserver([](int number, const EffectFrame&, const Surface&) {
        if (current && number == 1 && current->firstFrame == 0)
            current->firstFrame = nowMs();
    });

    SkinMessageBox box;
    std::vector<double> built, firstFrame, onScreen;
    double firstBuilt = 0, firstShown = 0, firstOnScreen = 0;
    constexpr int kRuns = 6;
    for (int run = 0; run < kRuns; ++run) {
        Milestones milestones = timeOneShow(box, startup.handle());
        if (milestones.built == 0 || milestones.firstFrame == 0 || milestones.onScreen == 0) {
            std::printf("the box never showed\n");
            return 1;
        }
        if (run == 0) {
            firstBuilt = milestones.built - milestones.start;
            firstShown = milestones.firstFrame - milestones.start;
            firstOnScreen = milestones.onScreen - milestones.start;
        } else {
            built.push_back(milestones.built - milestones.start);
            firstFrame.push_back(milestones.firstFrame - milestones.start);
            onScreen.push_back(milestones.onScreen - milestones.start);
        }
    }
    std::printf("message box 321x150, ms from show:      first  median of %d\n", kRuns - 1);
    std::printf("  window made and contents built:     %7.1f  %7.1f\n", firstBuilt, median(built));
    std::printf("  show effect's first frame on screen: %6.1f  %7.1f\n", firstShown, median(firstFrame));
    std::printf("  whole on screen, show effect played: %6.1f  %7.1f\n", firstOnScreen, median(onScreen));
    EffectPlayer::setFrameObserver(nullptr);
    UnhookWindowsHookEx(next);
    UnhookWindowsHookEx(after);
    return 0;
}
