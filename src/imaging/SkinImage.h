#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/Bytes.h"

// What a skinned window does to the background picture it is given.

// True for a PNG of at most 1,024,000 bytes with a marker pixel anywhere along its second
// row or second column.
bool hasNineGridMarkers(ByteView picture);

// One pixel of the picture (not an average) as 0x00BBGGRR; 0 when it cannot be decoded.
std::uint32_t sampleColour(ByteView picture);
// Reads the picture from the file instead when a file name is given, replacing the bytes.
std::uint32_t sampleColour(ByteArray& picture, const std::wstring& fileName);

// The picture with its right (mode ≠ 0) or left (mode 0) edge and its bottom edge faded into
// a colour over `fadeSize` pixels (default 30 % of the width), as PNG.
ByteArray edgeFade(ByteView picture, std::optional<int> fadeSize = std::nullopt, std::uint32_t colour = 0,
    int mode = 1, const std::wstring& fileName = std::wstring());
