#pragma once

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

// Coordinates and sizes far beyond any screen yet small enough that layouts can add and
// scale a few of them inside int. Pure layout code limits its inputs to this range, so a
// nonsensical size gives a nonsensical but defined result instead of an overflow.
constexpr int kCoordinateLimit = 1 << 24;

inline int limitCoordinate(int value)
{
    return std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
}

// A floating-point value brought into [low, high] before it is cast; NaN gives low.
inline double limitReal(double value, double low, double high)
{
    return value >= low ? std::min(value, high) : low;
}

// Truncation toward zero, saturating at the limits of int.
inline int truncateToInt(double value)
{
    return static_cast<int>(limitReal(value, double(INT_MIN), double(INT_MAX)));
}
