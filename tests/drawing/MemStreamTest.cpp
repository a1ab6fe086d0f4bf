#include <gtest/gtest.h>

#include <string>
#include <vector>

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

ULONGLONG sizeOf(IStream* stream)
{
    STATSTG stat {};
    stream->Stat(&stat, STATFLAG_NONAME);
    return stat.cbSize.QuadPart;
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

enum class Op { Seek, Read, Write, SetSize };

struct Step {
    Op op;
    LONGLONG value;
    DWORD origin;
    const char* expected;
};

// What one step shows: whether it succeeded, the bytes it moved, the position and size after.
std::string traceOf(IStream* stream, const Step& step)
{
    HRESULT status = S_OK;
    ULONG moved = 0;
    ByteArray buffer(static_cast<std::size_t>(step.op == Op::Read || step.op == Op::Write ? step.value : 0), 0x6B);
    switch (step.op) {
    case Op::Seek:
        status = stream->Seek(offset(step.value), step.origin, nullptr);
        break;
    case Op::Read:
        status = stream->Read(buffer.data(), static_cast<ULONG>(buffer.size()), &moved);
        break;
    case Op::Write:
        status = stream->Write(buffer.data(), static_cast<ULONG>(buffer.size()), &moved);
        break;
    case Op::SetSize: {
        ULARGE_INTEGER size;
        size.QuadPart = static_cast<ULONGLONG>(step.value);
        status = stream->SetSize(size);
        break;
    }
    }
    return std::string(SUCCEEDED(status) ? "ok" : "failed") + " moved " + std::to_string(moved) + " at "
        + std::to_string(positionOf(stream)) + " of " + std::to_string(sizeOf(stream));
}
}

TEST(MemStream, HoldsAPrivateCopyOfTheBytesInTheSizeAsked)
{
    struct Case {
        std::size_t size;
        ByteArray expected;
    };
    ByteArray padded = kTenBytes;
    padded.resize(16, 0);
    const Case cases[] = { { 10, kTenBytes }, { 16, padded }, { 4, { 1, 2, 3, 4 } }, { 0, {} } };
    for (const Case& each : cases) {
        MemStream stream;
        ByteArray source = kTenBytes;
        IStream* com = stream.Create(source, each.size);
        ASSERT_NE(com, nullptr);
        source.assign(10, 0xEE);
        EXPECT_EQ(stream.GetSize(), each.size);
        EXPECT_EQ(readStream(com), each.expected);
        EXPECT_EQ(stream.ToBytes(), each.expected);
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
        { Op::Write, 5, 0, "ok moved 5 at 5 of 5" },
        { Op::Seek, 2, STREAM_SEEK_SET, "ok moved 0 at 2 of 5" },
        { Op::Read, 10, 0, "ok moved 3 at 5 of 5" },
        { Op::Seek, -1, STREAM_SEEK_END, "ok moved 0 at 4 of 5" },
        { Op::Read, 4, 0, "ok moved 1 at 5 of 5" },
        { Op::Seek, 20, STREAM_SEEK_SET, "ok moved 0 at 20 of 5" },
        { Op::Read, 4, 0, "ok moved 0 at 20 of 5" },
        { Op::Write, 3, 0, "ok moved 3 at 23 of 23" },
        { Op::Seek, -100, STREAM_SEEK_CUR, "failed moved 0 at 23 of 23" },
        { Op::Seek, 1, 7, "failed moved 0 at 23 of 23" },
        { Op::Seek, 0x80000000LL, STREAM_SEEK_SET, "failed moved 0 at 23 of 23" },
        { Op::Seek, -3, STREAM_SEEK_CUR, "ok moved 0 at 20 of 23" },
        { Op::Read, 0, 0, "ok moved 0 at 20 of 23" },
        { Op::Write, 0, 0, "ok moved 0 at 20 of 23" },
        { Op::SetSize, 2, 0, "ok moved 0 at 20 of 2" },
        { Op::Read, 4, 0, "ok moved 0 at 20 of 2" },
        { Op::SetSize, 9, 0, "ok moved 0 at 20 of 9" },
        { Op::SetSize, 0x80000000LL, 0, "failed moved 0 at 20 of 9" },
    };
    MemStream stream;
    IStream* com = stream.Create(ByteView());
    for (const Step& step : steps)
        EXPECT_EQ(traceOf(com, step), step.expected) << "after " << step.expected;
    EXPECT_EQ(stream.ToBytes(), (ByteArray { 0x6B, 0x6B, 0, 0, 0, 0, 0, 0, 0 }));

    STATSTG stat {};
    ASSERT_EQ(com->Stat(&stat, STATFLAG_DEFAULT), S_OK);
    EXPECT_EQ(stat.type, static_cast<DWORD>(STGTY_STREAM));
    EXPECT_EQ(stat.pwcsName, nullptr);
    IUnknown* unknown = nullptr;
    ASSERT_EQ(com->QueryInterface(IID_ISequentialStream, reinterpret_cast<void**>(&unknown)), S_OK);
    unknown->Release();
    EXPECT_EQ(com->QueryInterface(IID_IPersist, reinterpret_cast<void**>(&unknown)), E_NOINTERFACE);
}

TEST(MemStream, AttachReadsAnyStreamAndLeavesItsPositionAlone)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::uint8_t* bytes = static_cast<std::uint8_t*>(GlobalLock(block));
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(0xA0 + i);
    GlobalUnlock(block);
    IStream* com = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &com), S_OK);
    com->Seek(offset(3), STREAM_SEEK_SET, nullptr);
    MemStream stream;
    EXPECT_TRUE(stream.Attach(com));
    EXPECT_EQ(stream.GetSize(), 4u);
    EXPECT_EQ(stream.ToBytes(), (ByteArray { 0xA0, 0xA1, 0xA2, 0xA3 }));
    EXPECT_EQ(positionOf(com), 3u);
    // A stream that frees its own block on release would otherwise free it twice.
    stream.Release();
    EXPECT_NE(GlobalFlags(block), static_cast<UINT>(GMEM_INVALID_HANDLE));
    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_FALSE(stream.Attach(nullptr));
}
