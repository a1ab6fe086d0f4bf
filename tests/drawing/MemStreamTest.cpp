#include <gtest/gtest.h>

#include <string>

#include "drawing/LiveObjects.h"
#include "drawing/MemStream.h"

namespace {
const ByteArray kTenBytes = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 };

LARGE_INTEGER offset(LONGLONG value)
{
    LARGE_INTEGER move;
    move.QuadPart = value;
    return move;
}

ULONGLONG positionOf(IStream* stream)
{
    ULARGE_INTEGER position {};
    stream->Seek(offset(0), STREAM_SEEK_CUR, &position);
    return position.QuadPart;
}

ByteArray readStream(IStream* stream)
{
    stream->Seek(offset(0), STREAM_SEEK_SET, nullptr);
    ByteArray bytes(64);
    ULONG read = 0;
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    bytes.resize(read);
    return bytes;
}

// One step on the stream: Seek, Read, Write or siZe. What it shows: success, the bytes it
// moved, the position and the size after it.
struct Step {
    char op;
    LONGLONG value;
    DWORD origin;
    const char* expected;
};

std::string traceOf(MemStream& stream, const Step& step)
{
    IStream* com = stream.GetStream();
    ByteArray buffer(step.op == 'R' || step.op == 'W' ? static_cast<std::size_t>(step.value) : 0, 0x6B);
    ULONG moved = 0;
    ULARGE_INTEGER size;
    size.QuadPart = static_cast<ULONGLONG>(step.value);
    const HRESULT status = step.op == 'S' ? com->Seek(offset(step.value), step.origin, nullptr)
        : step.op == 'R'                 ? com->Read(buffer.data(), static_cast<ULONG>(buffer.size()), &moved)
        : step.op == 'W'                 ? com->Write(buffer.data(), static_cast<ULONG>(buffer.size()), &moved)
                                         : com->SetSize(size);
    return std::string(SUCCEEDED(status) ? "ok" : "failed") + " moved " + std::to_string(moved) + " at "
        + std::to_string(positionOf(com)) + " of " + std::to_string(stream.GetSize());
}
}

TEST(MemStream, HoldsAPrivateCopyOfTheBytesInTheSizeAsked)
{
    ByteArray padded = kTenBytes;
    padded.resize(16, 0);
    const std::pair<std::size_t, ByteArray> cases[] = { { 10, kTenBytes }, { 16, padded }, { 4, { 1, 2, 3, 4 } },
        { 0, {} } };
    for (const auto& [size, expected] : cases) {
        MemStream stream;
        ByteArray source = kTenBytes;
        IStream* com = stream.Create(source, size);
        ASSERT_NE(com, nullptr);
        source.assign(10, 0xEE);
        EXPECT_EQ(stream.GetSize(), size);
        EXPECT_EQ(readStream(com), expected);
        EXPECT_EQ(stream.ToBytes(), expected);
    }
}

TEST(MemStream, CreateAgainAndReleaseFreeEveryStream)
{
    const int before = liveNativeObjects(NativeKind::Stream);
    {
        MemStream stream;
        stream.Create(kTenBytes);
        stream.Create(kTenBytes);
        EXPECT_EQ(liveNativeObjects(NativeKind::Stream), before + 1);
        IStream* clone = nullptr;
        ASSERT_EQ(stream.GetStream()->Clone(&clone), S_OK);
        stream.Release();
        EXPECT_EQ(stream.GetStream(), nullptr);
        EXPECT_EQ(stream.GetSize(), 0u);
        // The clone keeps the bytes it shares alive.
        EXPECT_EQ(readStream(clone), kTenBytes);
        clone->Release();
        stream.Release();
        MemStream moved;
        moved.Create(kTenBytes);
        MemStream target = std::move(moved);
        EXPECT_EQ(moved.GetStream(), nullptr);
        EXPECT_NE(target.GetStream(), nullptr);
    }
    EXPECT_EQ(liveNativeObjects(NativeKind::Stream), before);
}

// What GDI+ relies on, as streams on global memory do it: seeking past the end is allowed
// and reads nothing there, a write past the end fills the gap with zeros, a failed seek keeps
// the position, and a size change leaves the position alone.
TEST(MemStream, SeeksReadsWritesAndSizesAsStreamsDo)
{
    const Step steps[] = {
        { 'W', 5, 0, "ok moved 5 at 5 of 5" },
        { 'S', 2, STREAM_SEEK_SET, "ok moved 0 at 2 of 5" },
        { 'R', 10, 0, "ok moved 3 at 5 of 5" },
        { 'S', -1, STREAM_SEEK_END, "ok moved 0 at 4 of 5" },
        { 'R', 4, 0, "ok moved 1 at 5 of 5" },
        { 'S', 20, STREAM_SEEK_SET, "ok moved 0 at 20 of 5" },
        { 'R', 4, 0, "ok moved 0 at 20 of 5" },
        { 'W', 3, 0, "ok moved 3 at 23 of 23" },
        { 'S', -100, STREAM_SEEK_CUR, "failed moved 0 at 23 of 23" },
        { 'S', 1, 7, "failed moved 0 at 23 of 23" },
        { 'S', 0x80000000LL, STREAM_SEEK_SET, "failed moved 0 at 23 of 23" },
        { 'R', 0, 0, "ok moved 0 at 23 of 23" },
        { 'Z', 2, 0, "ok moved 0 at 23 of 2" },
        { 'Z', 9, 0, "ok moved 0 at 23 of 9" },
        { 'Z', 0x80000000LL, 0, "failed moved 0 at 23 of 9" },
    };
    MemStream stream;
    IStream* com = stream.Create(ByteView());
    for (const Step& step : steps)
        EXPECT_EQ(traceOf(stream, step), step.expected);
    EXPECT_EQ(stream.ToBytes(), (ByteArray { 0x6B, 0x6B, 0, 0, 0, 0, 0, 0, 0 }));
    STATSTG stat {};
    ASSERT_EQ(com->Stat(&stat, STATFLAG_DEFAULT), S_OK);
    EXPECT_EQ(stat.pwcsName, nullptr);
    IUnknown* unknown = nullptr;
    EXPECT_EQ(com->QueryInterface(IID_IPersist, reinterpret_cast<void**>(&unknown)), E_NOINTERFACE);
}

TEST(MemStream, AttachReadsAnyStreamAndLeavesItsPositionAlone)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    *static_cast<std::uint32_t*>(GlobalLock(block)) = 0xA3A2A1A0;
    GlobalUnlock(block);
    IStream* com = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &com), S_OK);
    com->Seek(offset(3), STREAM_SEEK_SET, nullptr);
    MemStream stream;
    EXPECT_TRUE(stream.Attach(com));
    EXPECT_EQ(stream.ToBytes(), (ByteArray { 0xA0, 0xA1, 0xA2, 0xA3 }));
    EXPECT_EQ(positionOf(com), 3u);
    // A stream that frees its own block on release would otherwise free it twice.
    stream.Release();
    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_FALSE(stream.Attach(nullptr));
}
