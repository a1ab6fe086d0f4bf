#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstddef>

#include "core/Bytes.h"

// A COM stream over a private copy of some bytes, and the way back from a stream to bytes.
// Owns one reference on the stream; move-only.
class MemStream {
public:
    MemStream() noexcept = default;
    MemStream(MemStream&& other) noexcept;
    MemStream& operator=(MemStream&& other) noexcept;
    MemStream(const MemStream&) = delete;
    MemStream& operator=(const MemStream&) = delete;
    ~MemStream() { Release(); }

    // A stream of `size` bytes (default: the data's length) holding the data; a larger size
    // leaves the rest zero. It starts at position 0 and grows when written past its end.
    IStream* Create(ByteView data);
    IStream* Create(ByteView data, std::size_t size);
    void Release() noexcept;

    // The stream's length in bytes; 0 when nothing is held.
    std::size_t GetSize() const;
    IStream* GetStream() const { return m_stream; }

    // Takes over the caller's reference on any stream. True when the stream tells its length.
    bool Attach(IStream* stream);

    // Every byte the stream holds, read from its start; its position stays where it was.
    ByteArray ToBytes() const;

private:
    IStream* m_stream = nullptr;
};
