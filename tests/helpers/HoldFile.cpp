// holdfile FILE READY RELEASE: opens FILE for reading without write or delete sharing,
// creates READY, and keeps the file open until RELEASE exists (at most two minutes).
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count != 4)
        return 2;
    HANDLE held = CreateFileW(args[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (held == INVALID_HANDLE_VALUE)
        return 3;
    HANDLE ready = CreateFileW(args[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(ready);
    for (int waited = 0; waited < 120000; waited += 100) {
        if (GetFileAttributesW(args[3]) != INVALID_FILE_ATTRIBUTES)
            break;
        Sleep(100);
    }
    CloseHandle(held);
    return 0;
}
