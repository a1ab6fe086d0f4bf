#include "core/FatalError.h"

#include <cstdio>
#include <cstdlib>

// On the host a fatal error ends the run loudly: the property tests never ask for one.
void fatalError(int code, const std::wstring& message)
{
    std::fprintf(stderr, "fatal error %d: %ls\n", code, message.c_str());
    std::abort();
}
