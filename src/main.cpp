#include <windows.h>

#include "core/Program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return runProgram();
}
