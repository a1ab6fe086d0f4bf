#pragma once

#include <array>

#include "core/DisplayScale.h"

// The scales every skin picture is drawn at: 1x, 1.5x and 2x, smallest first.
constexpr int kSkinSetCount = 3;
constexpr std::array<DisplayScale, kSkinSetCount> kSkinSets
    = { DisplayScale(96), DisplayScale(144), DisplayScale(192) };

enum class SkinResize { None, Down, Up };

// The set to draw at a display scale (an index into kSkinSets) and how its pictures must be
// resized to land at that scale.
struct SkinSetChoice {
    int set = 0;
    SkinResize resize = SkinResize::None;

    bool operator==(const SkinSetChoice& other) const { return set == other.set && resize == other.resize; }
};

// The nearest set at or above the scale, drawn down unless it is exactly the scale, so a
// picture is never enlarged; above the largest set that set is drawn up.
SkinSetChoice chooseSkinSet(DisplayScale scale);
