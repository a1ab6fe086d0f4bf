#include "drawing/ImagePalette.h"

std::vector<std::uint32_t> paletteWords(const ImagePalette& palette)
{
    std::vector<std::uint32_t> words;
    words.reserve(2 + palette.entries.size());
    words.push_back(static_cast<std::uint32_t>(palette.flags));
    words.push_back(static_cast<std::uint32_t>(palette.entries.size()));
    words.insert(words.end(), palette.entries.begin(), palette.entries.end());
    return words;
}

ImagePalette paletteFromWords(const std::vector<std::uint32_t>& words)
{
    ImagePalette palette;
    if (words.size() < 2)
        return palette;
    palette.flags = static_cast<int>(words[0]);
    std::size_t count = words[1];
    if (count > words.size() - 2)
        count = words.size() - 2;
    palette.entries.assign(words.begin() + 2, words.begin() + 2 + static_cast<std::ptrdiff_t>(count));
    return palette;
}
