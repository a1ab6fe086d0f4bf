#include "skin/WorkingSetTrim.h"

#include <windows.h>

namespace {
int g_trims = 0;
}

bool trimmingSupported(unsigned majorVersion, unsigned minorVersion)
{
    if (majorVersion <= 4)
        return false;
    return !(majorVersion == 5 && minorVersion == 0);
}

void trimWorkingSet()
{
    OSVERSIONINFOA version {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExA(&version) || !trimmingSupported(version.dwMajorVersion, version.dwMinorVersion))
        return;
    // Both sizes at -1 ask the system to page out as much of the process as it can.
    if (SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)))
        ++g_trims;
}

int workingSetTrims()
{
    return g_trims;
}
