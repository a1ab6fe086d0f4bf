#include "HostChecks.h"

#include <algorithm>
#include <climits>

#include "core/ValueFunctions.h"
#include "drawing/PngChunks.h"

void checkValues(PropertyCheck& check, int rounds)
{
    for (int i = 0; i < rounds; ++i, check.count()) {
        const int a = check.anyInt();
        int b = check.anyInt();
        if (b == 0)
            b = 1;
        const int quotient = integerDivide(a, b);
        if (!(a == INT_MIN && b == -1))
            check.expect(quotient == a / b, "division truncates", a, b);
        const double x = check.anyDouble();
        const int floored = floorToInteger(x);
        if (x > -2e9 && x < 2e9)
            check.expect(floored <= x + 1e-9 && floored > x - 1.0001, "floor lies within one", floored);
        const double y = check.anyDouble();
        if (y != 0)
            floatRemainder(x, y);
        numberToText(a);
        numberToText(x);
        numberToText(static_cast<float>(x));
        shiftRight(a, check.anyInt());
        shiftLeft(a, check.anyInt());
        const int colour = colourFromComponents(check.anyInt(), check.anyInt(), check.anyInt());
        const int r = check.between(0, 255), g = check.between(0, 255), bl = check.between(0, 255);
        check.expect(colourFromComponents(r, g, bl) == r + g * 256 + bl * 65536, "colour of bytes", colour);
        const std::string text(static_cast<std::size_t>(check.between(0, 20)), 'x');
        const int start = check.anyInt();
        const int length = check.anyInt();
        check.expect(textMiddle(text, start, length).size() <= text.size(), "a middle lies in its text");
        characterCode(text, start);
        const ByteArray bytes = zeroBytes(check.between(-3, 40));
        check.expect(bytesMiddle(bytes, start, length).size() <= bytes.size(), "middle bytes lie in the array");
        check.expect(bytesRight(bytes, length).size() <= bytes.size(), "right bytes lie in the array");
        memoryToBytes(bytes.data(), std::min<int>(static_cast<int>(bytes.size()), std::max(length, 0)));
        readValueFromBytes(bytes, check.between(1, 10), start);
        spaces(check.between(-5, 100));
    }
}

// A chain of chunks ending in IEND fits; cut inside a chunk before the end marker's type, it
// runs past its end, and lengths up to 0xFFFFFFFF never read outside the bytes.
void checkPngChunks(PropertyCheck& check, int rounds)
{
    const ByteArray signature = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    auto addChunk = [](ByteArray& png, std::uint32_t length, const char* type, std::size_t body) {
        for (int shift = 24; shift >= 0; shift -= 8)
            png.push_back(static_cast<std::uint8_t>(length >> shift));
        png.insert(png.end(), type, type + 4);
        png.insert(png.end(), body + 4, 0);
    };
    for (int i = 0; i < rounds; ++i, check.count()) {
        ByteArray png = signature;
        std::vector<std::size_t> boundaries;
        for (int chunks = check.between(0, 4); chunks > 0; --chunks) {
            const auto size = static_cast<std::uint32_t>(check.between(0, 40));
            addChunk(png, size, "tEXt", size);
            boundaries.push_back(png.size());
        }
        const std::size_t markerAt = png.size();
        addChunk(png, 0, "IEND", 0);
        check.expect(!pngChunksRunPastEnd(png), "a whole chain fits", static_cast<long long>(png.size()));
        const std::size_t cut = static_cast<std::size_t>(check.between(static_cast<int>(signature.size()) + 1,
            static_cast<int>(markerAt + 7)));
        const ByteArray shortened(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(cut));
        const bool boundary = std::find(boundaries.begin(), boundaries.end(), cut) != boundaries.end();
        check.expect(pngChunksRunPastEnd(shortened) != boundary, "a cut chain runs past its end",
            static_cast<long long>(cut));
        ByteArray lying = png;
        const std::size_t at = signature.size() + static_cast<std::size_t>(check.below(4));
        lying[at] = static_cast<std::uint8_t>(check.between(0, 255));
        pngChunksRunPastEnd(lying);
        pngChunksRunPastEnd(ByteView(png.data(), static_cast<std::size_t>(check.between(0, 8))));
    }
}
