#include "skin/DisplaySettings.h"

#include <windows.h>

namespace {

// From Vista on; older systems fail the call, and their effects play as always.
constexpr UINT kGetClientAreaAnimation = 0x1042;

std::optional<bool>& highContrastOverride()
{
    static std::optional<bool> on;
    return on;
}

} // namespace

bool animationsWanted()
{
    BOOL wanted = TRUE;
    return !SystemParametersInfoW(kGetClientAreaAnimation, 0, &wanted, 0) || wanted;
}

bool highContrast()
{
    HIGHCONTRASTW setting {};
    setting.cbSize = sizeof setting;
    const bool on = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0)
        && (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return highContrastOverride().value_or(on);
}

void overrideHighContrast(std::optional<bool> on)
{
    highContrastOverride() = on;
}
