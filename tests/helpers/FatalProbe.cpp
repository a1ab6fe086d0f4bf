// Raises a fatal error, which must end in the error box and exit code -1: by default an
// index past the end of a 1-based array; with "missing-function", a system function
// that cannot be bound.
#include <windows.h>

#include <cwchar>

#include "core/OneBasedArray.h"
#include "core/Runtime.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    if (std::wcsstr(commandLine, L"missing-function"))
        bindSystemFunction(L"kernel32", "GetSystemWow64DirectoryZ");
    OneBasedArray<int> items(4);
    items[4] = 1;
    return items[5];
}
