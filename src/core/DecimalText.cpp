// Kept apart from the other value functions: only what shows fractions links them, and with
// them the C library's formatting.
#include "core/ValueFunctions.h"

#include <cstdio>
#include <cstring>

namespace {

std::wstring formatted(const char* format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return std::wstring(buffer, buffer + std::strlen(buffer));
}

} // namespace

std::wstring numberToText(double value)
{
    return formatted("%.13g", value);
}

std::wstring numberToText(float value)
{
    return formatted("%.6g", value);
}
