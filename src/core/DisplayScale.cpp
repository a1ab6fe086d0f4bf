#include "core/DisplayScale.h"

#include <algorithm>
#include <climits>
#include <cstdint>

int scaled(int px, DisplayScale scale)
{
    // |px| · dpi / 96 + 1/2, all doubled so it stays in integers; 2 · 2^31 · INT_MAX still
    // fits 64 bits.
    const std::int64_t magnitude = px < 0 ? -std::int64_t(px) : std::int64_t(px);
    const std::int64_t rounded
        = (2 * magnitude * scale.dpi() + DisplayScale::kBaseDpi) / (2 * DisplayScale::kBaseDpi);
    return static_cast<int>(std::clamp<std::int64_t>(px < 0 ? -rounded : rounded, INT_MIN, INT_MAX));
}

int scaledLineWidth(int px, DisplayScale scale)
{
    return px > 0 ? std::max(1, scaled(px, scale)) : 0;
}
