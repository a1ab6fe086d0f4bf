#pragma once

#include <cstdint>
#include <string>

#include "core/Bytes.h"
#include "drawing/Surface.h"

struct ButtonFace;

// The face painted on a transparent surface of its own size (or a given one).
Surface paintFace(const ButtonFace& face, int width, int height);

// The surface as a PNG, for the artifacts folder.
ByteArray surfacePng(const Surface& surface);

// Whole-surface equality of two pictures.
bool samePixels(const Surface& a, const Surface& b);

// Pixels whose colour leans to one channel (0 red, 1 green, 2 blue) by more than `margin`.
int leaningPixels(const Surface& surface, int channel, int margin = 40);

constexpr std::uint32_t alphaOf(std::uint32_t pixel)
{
    return pixel >> 24;
}
constexpr int channelOf(std::uint32_t pixel, int channel)
{
    return static_cast<int>(pixel >> (16 - 8 * channel) & 0xFF);
}
