// Stands in for a program the tests start: leaves "<own path>.ran" behind to prove it
// ran, then exits with the code in KXFIX_MARKER_EXIT (default 0).
#include <windows.h>

#include <cwchar>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    wchar_t self[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring marker = std::wstring(self, length) + L".ran";
    HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        std::wstring commandLine = GetCommandLineW();
        DWORD written = 0;
        WriteFile(file, commandLine.data(), static_cast<DWORD>(commandLine.size() * sizeof(wchar_t)), &written,
                  nullptr);
        CloseHandle(file);
    }
    wchar_t code[16] = L"0";
    GetEnvironmentVariableW(L"KXFIX_MARKER_EXIT", code, 16);
    return static_cast<int>(std::wcstol(code, nullptr, 10));
}
