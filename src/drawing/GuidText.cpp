#include "drawing/GuidText.h"

#include <cstdint>

namespace {

constexpr wchar_t kLayout[] = L"{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
constexpr wchar_t kDigits[] = L"0123456789ABCDEF";

// The 16 bytes in the order the text shows them: the first three fields are numbers, written
// most significant digit first; the last eight bytes as they lie.
void toWrittenOrder(const GUID& guid, std::uint8_t bytes[16])
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(guid.Data1 >> (24 - 8 * i));
    for (int i = 0; i < 2; ++i) {
        bytes[4 + i] = static_cast<std::uint8_t>(guid.Data2 >> (8 - 8 * i));
        bytes[6 + i] = static_cast<std::uint8_t>(guid.Data3 >> (8 - 8 * i));
    }
    for (int i = 0; i < 8; ++i)
        bytes[8 + i] = guid.Data4[i];
}

GUID fromWrittenOrder(const std::uint8_t bytes[16])
{
    GUID guid {};
    for (int i = 0; i < 4; ++i)
        guid.Data1 = (guid.Data1 << 8) | bytes[i];
    guid.Data2 = static_cast<unsigned short>((bytes[4] << 8) | bytes[5]);
    guid.Data3 = static_cast<unsigned short>((bytes[6] << 8) | bytes[7]);
    for (int i = 0; i < 8; ++i)
        guid.Data4[i] = bytes[8 + i];
    return guid;
}

int digitValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    return -1;
}

}  // namespace

std::wstring guidText(const GUID& guid)
{
    std::uint8_t bytes[16];
    toWrittenOrder(guid, bytes);
    std::wstring text = kLayout;
    int digit = 0;
    for (wchar_t& c : text) {
        if (c != L'X')
            continue;
        const int shift = digit % 2 ? 0 : 4;
        c = kDigits[(bytes[digit / 2] >> shift) & 0xF];
        ++digit;
    }
    return text;
}

bool guidFromText(const wchar_t* text, GUID& guid)
{
    if (!text)
        return false;
    std::uint8_t bytes[16] = {};
    int digit = 0;
    // Stops at the first character out of place, so a short text is never read past its end.
    for (int i = 0; kLayout[i] != L'\0'; ++i) {
        if (kLayout[i] != L'X') {
            if (text[i] != kLayout[i])
                return false;
            continue;
        }
        const int value = digitValue(text[i]);
        if (value < 0)
            return false;
        bytes[digit / 2] = static_cast<std::uint8_t>((bytes[digit / 2] << 4) | value);
        ++digit;
    }
    if (text[sizeof(kLayout) / sizeof(kLayout[0]) - 1] != L'\0')
        return false;
    guid = fromWrittenOrder(bytes);
    return true;
}
