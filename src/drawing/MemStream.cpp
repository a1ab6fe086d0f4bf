#include "drawing/MemStream.h"

#include <cstring>
#include <utility>

#include "drawing/LiveObjects.h"

MemStream::MemStream(MemStream&& other) noexcept
    : m_global(std::exchange(other.m_global, nullptr))
    , m_stream(std::exchange(other.m_stream, nullptr))
    , m_allocatedHere(std::exchange(other.m_allocatedHere, false))
{
}

MemStream& MemStream::operator=(MemStream&& other) noexcept
{
    if (this != &other) {
        Release();
        m_global = std::exchange(other.m_global, nullptr);
        m_stream = std::exchange(other.m_stream, nullptr);
        m_allocatedHere = std::exchange(other.m_allocatedHere, false);
    }
    return *this;
}

IStream* MemStream::Create(ByteView data)
{
    return Create(data, data.size);
}

IStream* MemStream::Create(ByteView data, std::size_t size)
{
    Release();
    m_global = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!m_global)
        return nullptr;
    noteCreated(NativeKind::GlobalBlock);
    m_allocatedHere = true;
    if (CreateStreamOnHGlobal(m_global, FALSE, &m_stream) != S_OK) {
        m_stream = nullptr;
        Release();
        return nullptr;
    }
    if (size > 0 && data.size > 0) {
        void* block = GlobalLock(m_global);
        if (block) {
            std::memcpy(block, data.data, data.size < size ? data.size : size);
            GlobalUnlock(m_global);
        }
    }
    return m_stream;
}

void MemStream::Release() noexcept
{
    if (m_stream)
        m_stream->Release();
    if (m_global && m_allocatedHere) {
        GlobalFree(m_global);
        noteDeleted(NativeKind::GlobalBlock);
    }
    m_stream = nullptr;
    m_global = nullptr;
    m_allocatedHere = false;
}

std::size_t MemStream::GetSize() const
{
    return m_global ? GlobalSize(m_global) : 0;
}

bool MemStream::Attach(IStream* stream)
{
    Release();
    m_stream = stream;
    if (!stream || GetHGlobalFromStream(stream, &m_global) != S_OK)
        m_global = nullptr;
    return m_global != nullptr;
}

ByteArray MemStream::ToBytes() const
{
    // The block grows in steps as an encoder writes, so its size overstates the content.
    STATSTG stat{};
    if (!m_stream || !m_global || m_stream->Stat(&stat, STATFLAG_NONAME) != S_OK)
        return {};
    std::size_t size = static_cast<std::size_t>(stat.cbSize.QuadPart);
    const std::size_t room = GlobalSize(m_global);
    if (size > room)
        size = room;
    const auto* block = static_cast<const std::uint8_t*>(GlobalLock(m_global));
    if (!block)
        return {};
    ByteArray bytes(block, block + size);
    GlobalUnlock(m_global);
    return bytes;
}
