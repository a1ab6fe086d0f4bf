#include "core/ValueFunctions.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/CoordinateLimits.h"
#include "core/FatalError.h"

namespace {

// The bytes from the 1-based start, clipped to the array.
void copyClipped(const ByteArray& bytes, int start, std::size_t length, void* target)
{
    std::memset(target, 0, length);
    if (start < 1 || static_cast<std::size_t>(start) > bytes.size())
        return;
    std::size_t from = static_cast<std::size_t>(start - 1);
    std::size_t available = bytes.size() - from;
    std::memcpy(target, bytes.data() + from, length < available ? length : available);
}

} // namespace

std::wstring numberToText(int value)
{
    // Digits by hand: the library's formatting would bring a whole printf into the program.
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    wchar_t digits[12];
    wchar_t* first = digits + 12;
    do {
        *--first = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--first = L'-';
    return std::wstring(first, digits + 12);
}

std::string spaces(int count)
{
    return count < 1 ? std::string() : std::string(static_cast<std::size_t>(count), ' ');
}

int floorToInteger(double x)
{
    double awayFromZero = x >= 0 ? std::ceil(x) : std::floor(x);
    if (std::fabs(awayFromZero - x) < 1e-12)
        x = awayFromZero;
    // Beyond int the result saturates instead of being undefined.
    return truncateToInt(std::floor(x));
}

int integerDivide(int a, int b)
{
    if (b == 0)
        fatalError(kFatalGeneral, FatalMessage::kDivisionByZero);
    // INT_MIN / -1 overflows; the 64-bit quotient wraps like the 32-bit machine result.
    return static_cast<int>(static_cast<std::int64_t>(a) / b);
}

double floatRemainder(double a, double b)
{
    if (b == 0)
        fatalError(kFatalGeneral, FatalMessage::kRemainderByZero);
    return std::fmod(a, b);
}

int shiftRight(int value, int count)
{
    return value >> (count & 31);
}

int shiftLeft(int value, int count)
{
    return static_cast<int>(static_cast<std::uint32_t>(value) << (count & 31));
}

int colourFromComponents(int red, int green, int blue)
{
    // Out-of-range components wrap as the 32-bit machine sum does.
    const auto sum = static_cast<std::uint32_t>(red) + static_cast<std::uint32_t>(green & 0xFF) * 256u
        + static_cast<std::uint32_t>(blue) * 65536u;
    return static_cast<int>(sum);
}

int characterCode(const std::string& text, int position)
{
    if (position < 1 || static_cast<std::size_t>(position) > text.size())
        return 0;
    return static_cast<signed char>(text[static_cast<std::size_t>(position - 1)]);
}

std::string textMiddle(const std::string& text, int start, int length)
{
    if (start < 1 || static_cast<std::size_t>(start) > text.size() || length < 1)
        return {};
    return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length));
}

ByteArray zeroBytes(int count)
{
    return count < 1 ? ByteArray() : ByteArray(static_cast<std::size_t>(count), 0);
}

ByteArray bytesMiddle(const ByteArray& bytes, int start, int length)
{
    if (start < 1 || static_cast<std::size_t>(start) > bytes.size() || length < 1)
        return {};
    std::size_t from = static_cast<std::size_t>(start - 1);
    std::size_t count = std::min(bytes.size() - from, static_cast<std::size_t>(length));
    return ByteArray(bytes.begin() + from, bytes.begin() + from + count);
}

ByteArray bytesRight(const ByteArray& bytes, int length)
{
    if (length < 1)
        return {};
    std::size_t count = std::min(bytes.size(), static_cast<std::size_t>(length));
    return ByteArray(bytes.end() - count, bytes.end());
}

ByteArray memoryToBytes(const void* address, int length)
{
    if (!address || length < 1)
        return {};
    auto* first = static_cast<const std::uint8_t*>(address);
    return ByteArray(first, first + length);
}

Value readValueFromBytes(const ByteArray& bytes, int type, int position)
{
    Value value;
    switch (static_cast<ValueType>(type)) {
    case ValueType::byte: { std::uint8_t v; copyClipped(bytes, position, 1, &v); value.integer = v; break; }
    case ValueType::int16: { std::int16_t v; copyClipped(bytes, position, 2, &v); value.integer = v; break; }
    case ValueType::int32:
    case ValueType::logical:
    case ValueType::address: { std::int32_t v; copyClipped(bytes, position, 4, &v); value.integer = v; break; }
    case ValueType::int64: { std::int64_t v; copyClipped(bytes, position, 8, &v); value.integer = v; break; }
    case ValueType::float32: { float v; copyClipped(bytes, position, 4, &v); value.real = v; break; }
    case ValueType::float64:
    case ValueType::dateTime: { double v; copyClipped(bytes, position, 8, &v); value.real = v; break; }
    case ValueType::text: {
        if (position >= 1 && static_cast<std::size_t>(position) <= bytes.size()) {
            auto first = bytes.begin() + (position - 1);
            auto end = std::find(first, bytes.end(), std::uint8_t{0});
            value.text.assign(first, end);
        }
        break;
    }
    default:
        fatalError(kFatalGeneral, FatalMessage::kBadValueType);
    }
    return value;
}
