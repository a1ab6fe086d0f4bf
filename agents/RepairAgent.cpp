// Rewrites the "kX Mixer" autostart value with a quoted program path, and lifts a disabling
// Task Manager approval of it. Built twice without a C runtime: the 64-bit agent fixes the
// 64-bit registry view, the 32-bit one the only view of a 32-bit Windows. It reads no
// arguments and shows nothing.
#include <windows.h>

namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kValueName[] = L"kX Mixer";
// Since Windows 8, Task Manager and Settings disable a Run value by an approval of the same
// name here, which Explorer obeys at logon; without one the value runs.
constexpr wchar_t kApprovalKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
constexpr wchar_t kProgramTail[] = L"\\kX Project\\kxmixer.exe\" --startup";
#ifdef _WIN64
// A 64-bit program sees the 32-bit program folder only under this name.
constexpr wchar_t kFolderVariable[] = L"ProgramFiles(x86)";
#else
constexpr wchar_t kFolderVariable[] = L"ProgramFiles";
#endif

// Kept well under a page per buffer: more stack would need the runtime's stack probe.
constexpr DWORD kMaxChars = 600;

enum ExitCode : UINT {
    kSuccess = 0,
    kNoFolder = 1,
    kTooLong = 2,
    kOpenFailed = 3,
    kDeleteFailed = 4,
    kWriteFailed = 5,
    kReadFailed = 6,
    kMismatch = 7,
    // A disabling approval is there and could not be removed, or its key could not be read.
    kApprovalKept = 8,
};

// Appends text at `end` while room remains; returns the new end, or nullptr when full.
wchar_t* append(wchar_t* end, const wchar_t* limit, const wchar_t* text)
{
    while (*text) {
        if (end == limit)
            return nullptr;
        *end++ = *text++;
    }
    *end = L'\0';
    return end;
}

// Fills data with the quoted command line; returns its length without the NUL, or 0.
DWORD buildCommand(wchar_t* data, ExitCode* failure)
{
    data[0] = L'"';
    // The folder goes right after the opening quote; the tail's room is checked by append.
    DWORD folderLength = GetEnvironmentVariableW(kFolderVariable, data + 1, kMaxChars - 1);
    if (folderLength == 0) {
        *failure = kNoFolder;
        return 0;
    }
    if (folderLength >= kMaxChars - 1) {
        *failure = kTooLong;
        return 0;
    }
    wchar_t* end = append(data + 1 + folderLength, data + kMaxChars - 1, kProgramTail);
    if (!end) {
        *failure = kTooLong;
        return 0;
    }
    return static_cast<DWORD>(end - data);
}

bool sameBytes(const BYTE* a, const BYTE* b, DWORD size)
{
    for (DWORD i = 0; i < size; ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

ExitCode replaceValue(HKEY key, const wchar_t* data, DWORD length)
{
    LONG deleted = RegDeleteValueW(key, kValueName);
    if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND)
        return kDeleteFailed;

    const DWORD size = (length + 1) * sizeof(wchar_t);
    const BYTE* bytes = reinterpret_cast<const BYTE*>(data);
    if (RegSetValueExW(key, kValueName, 0, REG_SZ, bytes, size) != ERROR_SUCCESS)
        return kWriteFailed;

    // Reading it back proves the write reached the view the agent was meant to fix.
    wchar_t stored[kMaxChars];
    DWORD type = 0;
    DWORD storedSize = sizeof(stored);
    if (RegQueryValueExW(key, kValueName, nullptr, &type, reinterpret_cast<BYTE*>(stored), &storedSize)
        != ERROR_SUCCESS) {
        return kReadFailed;
    }
    if (type != REG_SZ || storedSize != size)
        return kMismatch;
    return sameBytes(reinterpret_cast<const BYTE*>(stored), bytes, size) ? kSuccess : kMismatch;
}

// True unless the approval is missing or in the enabled form Task Manager writes: 12 bytes
// whose first is 02 or 06. Anything else, unreadable or odd, is safer gone.
bool approvalDisables(HKEY key)
{
    BYTE data[16];
    DWORD type = 0;
    DWORD size = sizeof(data);
    LONG read = RegQueryValueExW(key, kValueName, nullptr, &type, data, &size);
    if (read == ERROR_FILE_NOT_FOUND)
        return false;
    bool enabled = read == ERROR_SUCCESS && type == REG_BINARY && size == 12 && (data[0] == 2 || data[0] == 6);
    return !enabled;
}

// Removes a disabling approval of the value under root; a missing key (Windows XP and 7 have
// none) is left missing.
ExitCode liftApproval(HKEY root)
{
    HKEY key = nullptr;
    LONG opened = RegOpenKeyExW(root, kApprovalKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key);
    if (opened == ERROR_FILE_NOT_FOUND)
        return kSuccess;
    if (opened != ERROR_SUCCESS)
        return kApprovalKept;
    bool lifted = !approvalDisables(key) || RegDeleteValueW(key, kValueName) == ERROR_SUCCESS;
    RegCloseKey(key);
    return lifted ? kSuccess : kApprovalKept;
}

ExitCode rewriteRunValue()
{
    wchar_t data[kMaxChars];
    ExitCode failure = kSuccess;
    DWORD length = buildCommand(data, &failure);
    if (length == 0)
        return failure;

    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
            KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr)
        != ERROR_SUCCESS) {
        return kOpenFailed;
    }
    ExitCode result = replaceValue(key, data, length);
    RegCloseKey(key);
    return result;
}

ExitCode repair()
{
    ExitCode result = rewriteRunValue();
    if (result != kSuccess)
        return result;
    // Both are tried, so one that cannot be lifted leaves the other lifted all the same.
    ExitCode machine = liftApproval(HKEY_LOCAL_MACHINE);
    ExitCode user = liftApproval(HKEY_CURRENT_USER);
    return machine != kSuccess ? machine : user;
}

} // namespace

// The process entry point: there is no runtime to return to, so it ends the process itself.
extern "C" void agentEntry()
{
    ExitProcess(repair());
}
