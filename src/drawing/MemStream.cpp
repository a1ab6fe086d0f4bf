#include "drawing/MemStream.h"

#include <utility>

#include "drawing/ByteStream.h"

namespace {

bool streamSize(IStream* stream, std::size_t& size)
{
    STATSTG stat {};
    if (!stream || stream->Stat(&stat, STATFLAG_NONAME) != S_OK || stat.cbSize.QuadPart > 0x7FFFFFFF)
        return false;
    size = static_cast<std::size_t>(stat.cbSize.QuadPart);
    return true;
}

}  // namespace

MemStream::MemStream(MemStream&& other) noexcept
    : m_stream(std::exchange(other.m_stream, nullptr))
{
}

MemStream& MemStream::operator=(MemStream&& other) noexcept
{
    if (this != &other) {
        Release();
        m_stream = std::exchange(other.m_stream, nullptr);
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
    m_stream = ByteStream::create(data, size);
    return m_stream;
}

void MemStream::Release() noexcept
{
    if (m_stream)
        m_stream->Release();
    m_stream = nullptr;
}

std::size_t MemStream::GetSize() const
{
    std::size_t size = 0;
    return streamSize(m_stream, size) ? size : 0;
}

bool MemStream::Attach(IStream* stream)
{
    Release();
    m_stream = stream;
    std::size_t size = 0;
    return streamSize(stream, size);
}

ByteArray MemStream::ToBytes() const
{
    std::size_t size = 0;
    ULARGE_INTEGER position {};
    const LARGE_INTEGER here {}, start {};
    if (!streamSize(m_stream, size) || m_stream->Seek(here, STREAM_SEEK_CUR, &position) != S_OK
        || m_stream->Seek(start, STREAM_SEEK_SET, nullptr) != S_OK)
        return {};
    ByteArray bytes(size);
    ULONG read = 0;
    const HRESULT status = size > 0 ? m_stream->Read(bytes.data(), static_cast<ULONG>(size), &read) : S_OK;
    LARGE_INTEGER back {};
    back.QuadPart = static_cast<LONGLONG>(position.QuadPart);
    m_stream->Seek(back, STREAM_SEEK_SET, nullptr);
    if (FAILED(status) || read != size)
        return {};
    return bytes;
}
