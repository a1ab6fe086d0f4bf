#pragma once

#include <windows.h>

#include <string>

#include "core/Win32Handles.h"

// The show modes runProcess takes, 1..6; anything else is clamped into that range.
enum ShowMode : int {
    kShowHidden = 1,
    kShowNormal = 2,
    kShowMinimized = 3,
    kShowMaximized = 4,
    kShowNoActivate = 5,
    kShowMinimize = 6,
};

// The SW_ command a show mode stands for, after clamping.
WORD showCommandFor(int showMode);

// Starts the command line as it stands. With wait, blocks until the process ends;
// otherwise waits at most a second for it to become idle. True when it was created.
bool runProcess(const std::wstring& commandLine, bool wait = false, int showMode = kShowNormal);

// The command line that names just this program, quoted so that spaces in the path
// can never make the system try another file first.
std::wstring quotedCommandLine(const std::wstring& programPath);

// Starts the program at this full path and hands back its process, empty on failure.
UniqueKernelHandle startProgram(const std::wstring& programPath, int showMode = kShowNormal);

enum class WaitResult { exited, timedOut, failed };

struct ProcessEnd {
    WaitResult result = WaitResult::failed;
    DWORD exitCode = 0;
};

ProcessEnd waitForProcess(HANDLE process, DWORD timeoutMs);
