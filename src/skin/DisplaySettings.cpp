#include "skin/DisplaySettings.h"

#include <windows.h>

namespace {

// From Vista on; older systems fail the call, and their effects play as always.
constexpr UINT kGetClientAreaAnimation = 0x1042;

} // namespace

bool animationsWanted()
{
    BOOL wanted = TRUE;
    return !SystemParametersInfoW(kGetClientAreaAnimation, 0, &wanted, 0) || wanted;
}
