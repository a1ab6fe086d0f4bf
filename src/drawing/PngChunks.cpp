#include "drawing/PngChunks.h"

#include <cstring>

namespace {

constexpr std::uint8_t kSignature[] = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
// Length, type and checksum around each chunk's data.
constexpr std::size_t kChunkFrame = 12;

std::uint32_t bigEndian(const std::uint8_t* at)
{
    return std::uint32_t(at[0]) << 24 | std::uint32_t(at[1]) << 16 | std::uint32_t(at[2]) << 8 | at[3];
}

} // namespace

bool pngChunksRunPastEnd(ByteView bytes)
{
    if (bytes.size < sizeof kSignature || std::memcmp(bytes.data, kSignature, sizeof kSignature) != 0)
        return false;
    std::size_t at = sizeof kSignature;
    while (bytes.size - at >= 8) {
        const std::uint8_t* chunk = bytes.data + at;
        // Whatever follows the end marker is never read.
        if (std::memcmp(chunk + 4, "IEND", 4) == 0)
            return false;
        const std::size_t room = bytes.size - at;
        const std::uint32_t length = bigEndian(chunk);
        if (length > room || room - length < kChunkFrame)
            return true;
        at += kChunkFrame + length;
    }
    // A chunk header cut in two is cut short as well.
    return at < bytes.size;
}
