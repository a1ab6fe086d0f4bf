#include "app/AutostartRepair.h"

#include <cstring>

#include "app/Program.h"
#include "core/EmbeddedFile.h"
#include "core/Process.h"
#include "core/Runtime.h"
#include "core/ValueFunctions.h"
#include "core/Win32Handles.h"
#include "msgbox/SkinMessageBox.h"

namespace {

constexpr wchar_t kSucceeded[] = L"KX启动修复成功";
constexpr wchar_t kFailed[] = L"KX启动修复失败！请重试！";
constexpr wchar_t kSucceededTitle[] = L"修复成功";
constexpr wchar_t kFailedTitle[] = L"修复失败";
// The program lingers this long after the box, so the agent has time to finish.
constexpr int kEndingPauseMs = 1000;

using GetSystemWow64DirectoryAFn = UINT(WINAPI*)(LPSTR buffer, UINT size);

} // namespace

// Reads the file back through a handle that lets others read but not write or delete,
// so what gets started is exactly what was written.
UniqueKernelHandle lockIfUnchanged(const std::wstring& path, ByteView expected)
{
    UniqueKernelHandle file = fileHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return {};
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || static_cast<ULONGLONG>(size.QuadPart) != expected.size)
        return {};
    ByteArray actual(expected.size);
    DWORD read = 0;
    if (!actual.empty()
        && (!ReadFile(file.get(), actual.data(), static_cast<DWORD>(actual.size()), &read, nullptr)
            || read != actual.size() || std::memcmp(actual.data(), expected.data, expected.size) != 0))
        return {};
    return file;
}

std::wstring agentPath()
{
    return temporaryFolder() + kAgentFileName;
}

bool hasWow64Directory()
{
    // Bound by name: it is missing from the oldest systems, and that must end in the fatal error box.
    static auto getWow64Directory =
        bindSystemFunction<GetSystemWow64DirectoryAFn>(L"kernel32", "GetSystemWow64DirectoryA");
    std::string buffer = spaces(255);
    return getWow64Directory(&buffer[0], 255) > 0;
}

RepairOutcome repairOutcome(bool wow64, bool repaired)
{
    int index = (wow64 ? 1 : 3) + (repaired ? 0 : 1);
    return repaired ? RepairOutcome{index, kSucceeded, kSucceededTitle, MB_ICONQUESTION}
                    : RepairOutcome{index, kFailed, kFailedTitle, MB_ICONEXCLAMATION};
}

bool writeAndRunAgent(
    const std::wstring& path, ByteView agent, DWORD timeoutMs, const std::function<void()>& whileRunning)
{
    // A failed write must never start whatever older file lies at the path.
    if (!writeFile(path, {agent}))
        return false;
    UniqueKernelHandle agentProcess;
    {
        UniqueKernelHandle lock = lockIfUnchanged(path, agent);
        if (!lock)
            return false;
        agentProcess = startProgram(path);
    }
    if (!agentProcess)
        return false;
    if (whileRunning)
        whileRunning();
    ProcessEnd end = waitForProcess(agentProcess.get(), timeoutMs);
    return end.result == WaitResult::exited && end.exitCode == 0;
}

void repairAutostart(HWND startupWindow)
{
    bool wow64 = hasWow64Directory();
    ByteView agent = (wow64 ? kRepairAgent64 : kRepairAgent32).bytes();
    // The agent starts as a process of its own; the box's pictures and font load meanwhile.
    bool repaired = writeAndRunAgent(agentPath(), agent, kAgentTimeoutMs, SkinMessageBox::prepare);

    RepairOutcome outcome = repairOutcome(wow64, repaired);
    MessageBoxRequest request;
    request.owner = startupWindow;
    request.message = outcome.message;
    request.style = outcome.style;
    request.title = outcome.title;
    messageBoxes()[outcome.messageBoxIndex].show(request);

    // However the box was closed, nothing may stay behind: no file, no invisible process.
    // The start-up window goes from the loop, and with it the loop and the program.
    deleteAgentFile();
    destroyStartupWindow();
    delay(kEndingPauseMs);
}

void deleteAgentFile()
{
    deleteFile(agentPath());
}
