#include "drawing/ByteStream.h"

#include <cstring>
#include <utility>

#include "drawing/LiveObjects.h"

namespace {

// As far as a stream on global memory reaches: positions and sizes are 32-bit there.
constexpr ULONGLONG kLargestSize = 0x7FFFFFFF;

std::size_t clampedCopy(std::size_t wanted, std::size_t position, std::size_t size)
{
    if (position >= size)
        return 0;
    return wanted < size - position ? wanted : size - position;
}

}  // namespace

ByteStream* ByteStream::create(ByteView data, std::size_t size)
{
    auto bytes = std::make_shared<ByteArray>(size, std::uint8_t(0));
    if (size > 0 && data.size > 0)
        std::memcpy(bytes->data(), data.data, data.size < size ? data.size : size);
    return new ByteStream(std::move(bytes), 0);
}

ByteStream::ByteStream(std::shared_ptr<ByteArray> bytes, std::size_t position)
    : m_bytes(std::move(bytes))
    , m_position(position)
{
    noteCreated(NativeKind::Stream);
}

ByteStream::~ByteStream()
{
    noteDeleted(NativeKind::Stream);
}

HRESULT ByteStream::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ISequentialStream) || IsEqualIID(iid, IID_IStream)) {
        *object = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ByteStream::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG ByteStream::Release()
{
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT ByteStream::Read(void* buffer, ULONG count, ULONG* read)
{
    if (read)
        *read = 0;
    if (!buffer && count > 0)
        return STG_E_INVALIDPOINTER;
    const std::size_t taken = clampedCopy(count, m_position, m_bytes->size());
    if (taken > 0)
        std::memcpy(buffer, m_bytes->data() + m_position, taken);
    m_position += taken;
    if (read)
        *read = static_cast<ULONG>(taken);
    return S_OK;
}

HRESULT ByteStream::Write(const void* buffer, ULONG count, ULONG* written)
{
    if (written)
        *written = 0;
    if (count == 0)
        return S_OK;
    if (!buffer)
        return STG_E_INVALIDPOINTER;
    if (!reach(ULONGLONG(m_position) + count))
        return STG_E_MEDIUMFULL;
    std::memcpy(m_bytes->data() + m_position, buffer, count);
    m_position += count;
    if (written)
        *written = count;
    return S_OK;
}

HRESULT ByteStream::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position)
{
    LONGLONG base = 0;
    switch (origin) {
    case STREAM_SEEK_SET:
        break;
    case STREAM_SEEK_CUR:
        base = static_cast<LONGLONG>(m_position);
        break;
    case STREAM_SEEK_END:
        base = static_cast<LONGLONG>(m_bytes->size());
        break;
    default:
        return STG_E_INVALIDFUNCTION;
    }
    constexpr LONGLONG kReach = static_cast<LONGLONG>(kLargestSize);
    // Past the end is allowed, as on any stream: a later write fills the gap with zeros.
    if (move.QuadPart > kReach || move.QuadPart < -kReach || base + move.QuadPart < 0 || base + move.QuadPart > kReach)
        return STG_E_INVALIDFUNCTION;
    m_position = static_cast<std::size_t>(base + move.QuadPart);
    if (position)
        position->QuadPart = m_position;
    return S_OK;
}

HRESULT ByteStream::SetSize(ULARGE_INTEGER size)
{
    if (size.QuadPart > kLargestSize)
        return STG_E_MEDIUMFULL;
    m_bytes->resize(static_cast<std::size_t>(size.QuadPart), std::uint8_t(0));
    return S_OK;
}

HRESULT ByteStream::CopyTo(IStream* target, ULARGE_INTEGER count, ULARGE_INTEGER* read, ULARGE_INTEGER* written)
{
    if (read)
        read->QuadPart = 0;
    if (written)
        written->QuadPart = 0;
    if (!target)
        return STG_E_INVALIDPOINTER;
    const ULONGLONG wanted = count.QuadPart < kLargestSize ? count.QuadPart : kLargestSize;
    const std::size_t taken = clampedCopy(static_cast<std::size_t>(wanted), m_position, m_bytes->size());
    // Copied out first: the target may be a clone sharing these bytes.
    const ByteArray chunk(m_bytes->begin() + static_cast<std::ptrdiff_t>(m_position),
        m_bytes->begin() + static_cast<std::ptrdiff_t>(m_position + taken));
    m_position += taken;
    if (read)
        read->QuadPart = taken;
    ULONG put = 0;
    const HRESULT status = taken > 0 ? target->Write(chunk.data(), static_cast<ULONG>(taken), &put) : S_OK;
    if (written)
        written->QuadPart = put;
    return status;
}

HRESULT ByteStream::Stat(STATSTG* stat, DWORD)
{
    if (!stat)
        return STG_E_INVALIDPOINTER;
    // A memory stream has no name, whatever the flags ask for.
    *stat = STATSTG {};
    stat->type = STGTY_STREAM;
    stat->cbSize.QuadPart = m_bytes->size();
    stat->grfMode = STGM_READWRITE;
    return S_OK;
}

HRESULT ByteStream::Clone(IStream** copy)
{
    if (!copy)
        return STG_E_INVALIDPOINTER;
    *copy = new ByteStream(m_bytes, m_position);
    return S_OK;
}

bool ByteStream::reach(ULONGLONG end)
{
    if (end > kLargestSize)
        return false;
    if (end > m_bytes->size())
        m_bytes->resize(static_cast<std::size_t>(end), std::uint8_t(0));
    return true;
}
