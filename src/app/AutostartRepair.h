#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "core/Bytes.h"
#include "core/Win32Handles.h"

// The repair of the kX Mixer autostart value, the whole visible work of the program.

constexpr wchar_t kAgentFileName[] = L"babtbbc.exe";

// How long the agent may take before the repair counts as failed.
constexpr DWORD kAgentTimeoutMs = 5000;

// The temporary-files folder followed by the agent's file name; computed afresh for each use.
std::wstring agentPath();

// True on a system with a WOW64 directory, that is 64-bit Windows.
bool hasWow64Directory();

// One row of the outcome table: which box reports what.
struct RepairOutcome {
    int messageBoxIndex;
    const wchar_t* message;
    const wchar_t* title;
    int style;
};

RepairOutcome repairOutcome(bool wow64, bool repaired);

// Opens the file so that others may read it but neither write nor delete it, and keeps it
// open only when it holds exactly the expected bytes; empty otherwise.
UniqueKernelHandle lockIfUnchanged(const std::wstring& path, ByteView expected);

// Writes the agent, keeps it locked against replacement until it has started, and waits
// for it; `whileRunning`, when given, runs between the start and the wait. True only when
// the agent reported that the value was written and read back.
bool writeAndRunAgent(const std::wstring& path, ByteView agent, DWORD timeoutMs = kAgentTimeoutMs,
    const std::function<void()>& whileRunning = {});

// Runs the repair and reports it in a box owned by the start-up window. However the box was
// closed, it then removes the agent file and queues the start-up window's destruction, which
// ends the message loop and with it the program.
void repairAutostart(HWND startupWindow);

// Deletes the agent file, ignoring the outcome.
void deleteAgentFile();
