#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstddef>

#include "core/Bytes.h"

// A COM stream over a private copy of some bytes in a global memory block, and the way back
// from a stream to bytes. Owns the block and one reference on the stream; move-only.
class MemStream {
public:
    MemStream() noexcept = default;
    MemStream(MemStream&& other) noexcept;
    MemStream& operator=(MemStream&& other) noexcept;
    MemStream(const MemStream&) = delete;
    MemStream& operator=(const MemStream&) = delete;
    ~MemStream() { Release(); }

    // A stream over a block of `size` bytes (default: the data's length) holding the data;
    // a larger size leaves the rest zero. Null when the block cannot be had.
    IStream* Create(ByteView data);
    IStream* Create(ByteView data, std::size_t size);
    void Release() noexcept;

    std::size_t GetSize() const;
    IStream* GetStream() const { return m_stream; }
    HGLOBAL GetHandle() const { return m_global; }

    // Takes over the caller's reference. The block stays the stream's, or its maker's: this
    // object never frees a block it did not allocate. True when a block was found.
    bool Attach(IStream* stream);

    // Exactly the bytes the stream holds, which may be fewer than the block has room for.
    ByteArray ToBytes() const;

private:
    HGLOBAL m_global = nullptr;
    IStream* m_stream = nullptr;
    bool m_allocatedHere = false;
};
