#include <gtest/gtest.h>

#include "drawing/LiveObjects.h"
#include "drawing/MemStream.h"

namespace {
const ByteArray kTenBytes = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 };

ByteArray readStream(IStream* stream)
{
    LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ByteArray bytes(64);
    ULONG read = 0;
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    bytes.resize(read);
    return bytes;
}
}

TEST(MemStream, HoldsAPrivateCopyOfTheBytes)
{
    MemStream stream;
    ByteArray source = kTenBytes;
    IStream* com = stream.Create(source);
    ASSERT_NE(com, nullptr);
    source.assign(10, 0xEE);
    EXPECT_EQ(stream.GetSize(), 10u);
    EXPECT_EQ(readStream(com), kTenBytes);
    EXPECT_EQ(stream.ToBytes(), kTenBytes);
}

TEST(MemStream, ALargerSizeLeavesTheRestZero)
{
    MemStream stream;
    stream.Create(kTenBytes, 16);
    ByteArray expected = kTenBytes;
    expected.resize(16, 0);
    EXPECT_EQ(stream.GetSize(), 16u);
    EXPECT_EQ(stream.ToBytes(), expected);
}

TEST(MemStream, CreateAgainAndReleaseFreeEveryBlock)
{
    const int before = liveNativeObjects(NativeKind::GlobalBlock);
    {
        MemStream stream;
        stream.Create(kTenBytes);
        stream.Create(kTenBytes);
        EXPECT_NE(stream.GetHandle(), nullptr);
        EXPECT_EQ(liveNativeObjects(NativeKind::GlobalBlock), before + 1);
        stream.Release();
        EXPECT_EQ(stream.GetStream(), nullptr);
        EXPECT_EQ(stream.GetHandle(), nullptr);
        stream.Release();
        MemStream moved;
        moved.Create(kTenBytes);
        MemStream target = std::move(moved);
        EXPECT_EQ(moved.GetStream(), nullptr);
        EXPECT_NE(target.GetStream(), nullptr);
    }
    EXPECT_EQ(liveNativeObjects(NativeKind::GlobalBlock), before);
}

// An encoder writes through a growable stream whose block ends up larger than what it wrote.
TEST(MemStream, ToBytesReturnsExactlyWhatWasWritten)
{
    MemStream stream;
    IStream* com = stream.Create(ByteView());
    ASSERT_NE(com, nullptr);
    const ByteArray written(1001, 0x5A);
    ULONG count = 0;
    ASSERT_EQ(com->Write(written.data(), static_cast<ULONG>(written.size()), &count), S_OK);
    EXPECT_GE(stream.GetSize(), written.size());
    EXPECT_EQ(stream.ToBytes(), written);
}

TEST(MemStream, AttachFindsTheBlockBehindAStream)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    IStream* com = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &com), S_OK);
    MemStream stream;
    EXPECT_TRUE(stream.Attach(com));
    EXPECT_EQ(stream.GetHandle(), block);
    EXPECT_EQ(stream.GetSize(), 4u);
    // A stream that frees its own block on release would otherwise free it twice.
    stream.Release();
    EXPECT_NE(GlobalFlags(block), static_cast<UINT>(GMEM_INVALID_HANDLE));
    EXPECT_EQ(GlobalFree(block), nullptr);
}
