#include "core/Process.h"

#include <vector>

namespace {

STARTUPINFOW startupInfoFor(int showMode)
{
    STARTUPINFOW info = {};
    info.cb = sizeof info;
    info.dwFlags = STARTF_USESHOWWINDOW;
    info.wShowWindow = showCommandFor(showMode);
    return info;
}

// CreateProcess may write into the command line, so it gets a private copy.
bool createProcess(const wchar_t* application, const std::wstring& commandLine, int showMode,
                   PROCESS_INFORMATION& process)
{
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup = startupInfoFor(showMode);
    process = {};
    return CreateProcessW(application, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process) != FALSE;
}

} // namespace

WORD showCommandFor(int showMode)
{
    static constexpr WORD kCommands[] = {
        SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED, SW_SHOWNOACTIVATE, SW_MINIMIZE,
    };
    int mode = showMode < kShowHidden ? kShowHidden : showMode > kShowMinimize ? kShowMinimize : showMode;
    return kCommands[mode - 1];
}

bool runProcess(const std::wstring& commandLine, bool wait, int showMode)
{
    PROCESS_INFORMATION created;
    if (!createProcess(nullptr, commandLine, showMode, created))
        return false;
    UniqueKernelHandle process(created.hProcess);
    UniqueKernelHandle thread(created.hThread);
    if (wait)
        WaitForSingleObject(process.get(), INFINITE);
    else
        WaitForInputIdle(process.get(), 1000);
    return true;
}

std::wstring quotedCommandLine(const std::wstring& programPath)
{
    return L"\"" + programPath + L"\"";
}

UniqueKernelHandle startProgram(const std::wstring& programPath, int showMode)
{
    PROCESS_INFORMATION created;
    if (!createProcess(programPath.c_str(), quotedCommandLine(programPath), showMode, created))
        return {};
    CloseHandle(created.hThread);
    return UniqueKernelHandle(created.hProcess);
}

ProcessEnd waitForProcess(HANDLE process, DWORD timeoutMs)
{
    ProcessEnd end;
    switch (WaitForSingleObject(process, timeoutMs)) {
    case WAIT_OBJECT_0:
        if (GetExitCodeProcess(process, &end.exitCode))
            end.result = WaitResult::exited;
        break;
    case WAIT_TIMEOUT:
        end.result = WaitResult::timedOut;
        break;
    default:
        break;
    }
    return end;
}
