#include <windows.h>

#include "app/Program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    runProgram();
}
