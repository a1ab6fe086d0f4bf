#pragma once

#include <cstdint>
#include <vector>

// A picture's colour table as GDI+ reports it: its flags and ARGB entries.
struct ImagePalette {
    int flags = 0;
    std::vector<std::uint32_t> entries;
};

// GDI+'s ColorPalette laid out in 32-bit words (flags, count, entries), and the way back.
// Reading back trusts no more entries than the buffer holds.
std::vector<std::uint32_t> paletteWords(const ImagePalette& palette);
ImagePalette paletteFromWords(const std::vector<std::uint32_t>& words);
