#include "TestSupport.h"

#include <tlhelp32.h>

#include "core/Runtime.h"
#include "core/Win32Handles.h"

std::wstring testProgramFolder()
{
    wchar_t path[MAX_PATH];
    std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of(L'\\') + 1);
}

std::wstring freshFolder(const std::wstring& name)
{
    std::wstring folder = specialDirectory(kTemporaryFiles) + name + L"\\";
    // Left over from an earlier run: empty it. Tests only make flat folders.
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileW((folder + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

ByteArray readWholeFile(const std::wstring& path)
{
    UniqueKernelHandle file = fileHandle(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ByteArray bytes;
    if (!file)
        return bytes;
    bytes.resize(GetFileSize(file.get(), nullptr));
    DWORD read = 0;
    if (!bytes.empty())
        ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    return bytes;
}

bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

bool childProcessRunning(const std::wstring& fileName)
{
    UniqueKernelHandle snapshot = fileHandle(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (bool more = snapshot && Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ParentProcessID == GetCurrentProcessId() && lstrcmpiW(entry.szExeFile, fileName.c_str()) == 0)
            return true;
    }
    return false;
}

namespace {

BOOL CALLBACK countWindow(HWND, LPARAM counter)
{
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

} // namespace

int threadWindowCount()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &countWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}
