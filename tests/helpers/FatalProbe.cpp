// Indexes past the end of a 1-based array, which must end in the fatal error box
// and exit code -1.
#include <windows.h>

#include "core/OneBasedArray.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    OneBasedArray<int> items(4);
    items[4] = 1;
    return items[5];
}
