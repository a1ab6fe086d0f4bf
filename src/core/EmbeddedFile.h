#pragma once

#include <cstdint>
#include <cstring>

#include "core/Bytes.h"

// A file carried in the program image as int32 1, int32 length, then its bytes.
class EmbeddedFile {
public:
    explicit constexpr EmbeddedFile(const unsigned char* layout) : m_layout(layout) {}

    ByteView bytes() const
    {
        std::uint32_t length;
        std::memcpy(&length, m_layout + 4, sizeof length);
        return ByteView(m_layout + 8, length);
    }

private:
    const unsigned char* m_layout;
};

extern const EmbeddedFile kRepairAgent64;
extern const EmbeddedFile kRepairAgent32;
