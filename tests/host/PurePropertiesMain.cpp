#include <cstdio>
#include <cstdlib>

#include "HostChecks.h"

// The pure computations under AddressSanitizer and UndefinedBehaviorSanitizer: generated
// cases, extreme ones among them, must give defined results and keep their invariants.
int main()
{
    const char* rounds = std::getenv("KXFIX_PROPERTY_ROUNDS");
    const int perGroup = rounds ? std::atoi(rounds) : 20000;
    PropertyCheck check(20261209);
    checkLayouts(check, perGroup);
    checkGeometry(check, perGroup / 4);
    checkValues(check, perGroup);
    checkPngChunks(check, perGroup);
    std::printf("pure properties: %ld generated cases, %ld failed\n", check.cases(), check.failures());
    return check.failures() == 0 ? 0 : 1;
}
