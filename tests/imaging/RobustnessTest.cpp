#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <random>
#include <utility>
#include <vector>

#include "drawing/Bitmap.h"
#include "drawing/Graphics.h"
#include "drawing/Image.h"
#include "drawing/LiveObjects.h"
#include "imaging/ImageCodec.h"
#include "imaging/NineGridImage.h"
#include "imaging/Pictures.h"
#include "imaging/SkinImage.h"
#include "imaging/SkinPictures.h"

namespace {
const EmbeddedFile* const kAllPictures[] = { &kCheckBoxStrip, &kRadioStrip, &kButtonSkin, &kMessageBoxIcons,
    &kCaptionButtons, &kCaptionButtonsAlt, &kLightStreak, &kTickPicture };

void putBigEndian(ByteArray& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

// Rewrites every chunk's checksum, so the damage reaches the decoder's deeper layers.
void fixChunkChecksums(ByteArray& bytes)
{
    std::size_t at = 8;
    while (at + 12 <= bytes.size()) {
        const std::uint32_t length
            = std::uint32_t(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
        if (length > bytes.size() - at - 12)
            return;
        putBigEndian(bytes, at + 8 + length, pngChunkCrc(bytes.data() + at + 4, length + 4));
        at += length + 12;
    }
}

// The chunks after the signature, as [start, end) byte ranges; stops at the first one whose
// length runs past the end.
std::vector<std::pair<std::size_t, std::size_t>> chunkRanges(const ByteArray& bytes)
{
    std::vector<std::pair<std::size_t, std::size_t>> chunks;
    std::size_t at = 8;
    while (at + 12 <= bytes.size()) {
        const std::uint32_t length
            = std::uint32_t(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
        if (length > bytes.size() - at - 12)
            break;
        chunks.emplace_back(at, at + length + 12);
        at += length + 12;
    }
    return chunks;
}

// Chunk `which` repeated in place, or swapped with the one after it.
ByteArray rearrangeChunks(const ByteArray& bytes, std::mt19937& random, bool repeat)
{
    const auto chunks = chunkRanges(bytes);
    if (chunks.size() < 2)
        return bytes;
    const std::size_t which = random() % (chunks.size() - 1);
    const auto [start, end] = chunks[which];
    const auto next = chunks[which + 1];
    ByteArray result(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(start));
    if (repeat) {
        result.insert(result.end(), bytes.begin() + static_cast<std::ptrdiff_t>(start),
            bytes.begin() + static_cast<std::ptrdiff_t>(end));
        result.insert(result.end(), bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end());
    } else {
        result.insert(result.end(), bytes.begin() + static_cast<std::ptrdiff_t>(next.first),
            bytes.begin() + static_cast<std::ptrdiff_t>(next.second));
        result.insert(result.end(), bytes.begin() + static_cast<std::ptrdiff_t>(start),
            bytes.begin() + static_cast<std::ptrdiff_t>(end));
        result.insert(result.end(), bytes.begin() + static_cast<std::ptrdiff_t>(next.second), bytes.end());
    }
    return result;
}

constexpr int kMutationKinds = 6;

// Deterministic damage of the kinds a broken download or a hostile file brings.
ByteArray mutate(const ByteArray& png, std::mt19937& random, int kind)
{
    ByteArray bytes = png;
    auto anywhere = [&] { return std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random); };
    switch (kind) {
    case 0: // a few flipped bytes
        for (int i = std::uniform_int_distribution<int>(1, 4)(random); i > 0; --i)
            bytes[anywhere()] ^= static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, 255)(random));
        break;
    case 1: // cut short
        bytes.resize(anywhere());
        break;
    case 2: { // huge dimensions in the header, with a valid or a stale checksum
        static const std::uint32_t sizes[] = { 0x7FFFFFFF, 0xFFFFFFFF, 100000, 65536, 30000, 0 };
        const std::uint32_t width = sizes[random() % 6];
        const std::uint32_t height = sizes[random() % 6];
        putBigEndian(bytes, 16, width);
        putBigEndian(bytes, 20, height == 0 && width == 0 ? 1 : height);
        if (random() % 2)
            putBigEndian(bytes, 29, pngChunkCrc(bytes.data() + 12, 17));
        break;
    }
    case 4: // a chunk twice
        bytes = rearrangeChunks(bytes, random, true);
        break;
    case 5: // two chunks swapped
        bytes = rearrangeChunks(bytes, random, false);
        break;
    default: { // a run of zeros inside the compressed data
        const std::size_t at = std::uniform_int_distribution<std::size_t>(33, bytes.size() - 1)(random);
        for (std::size_t i = at; i < bytes.size() && i < at + 16; ++i)
            bytes[i] = 0;
        break;
    }
    }
    if (kind != 2 && random() % 2)
        fixChunkChecksums(bytes);
    return bytes;
}

// Every operation on bad bytes gives its failure value; on bytes that still decode, a
// result consistent with the picture.
void exercise(ByteView bytes)
{
    Bitmap probe;
    probe.LoadFromBytes(bytes);
    const int width = probe.GetWidth();
    const int height = probe.GetHeight();
    probe.Dispose();
    const bool decodable = width > 0 && height > 0;

    ImageCodec codec;
    const int frames = codec.LoadStrip(bytes);
    if (!decodable && !bytes.empty()) {
        EXPECT_EQ(frames, 1);
        EXPECT_EQ(codec.GetFrameWidth(1), 0);
        EXPECT_TRUE(codec.GetFrame(1).empty());
    }
    // A frame is encoded when asked for: it decodes to its own size.
    if (decodable && frames >= 1 && codec.GetFrameWidth(1) > 0 && width <= 2000 && height <= 2000) {
        EXPECT_EQ(decode(codec.GetFrame(1)).GetWidth(), codec.GetFrameWidth(1));
    }
    int total = 0;
    for (int n = 1; n <= frames; ++n)
        total += codec.GetFrameWidth(n);
    EXPECT_LE(total, width);

    if (!decodable || width <= 2000) {
        EXPECT_EQ(codec.SplitByWidth(bytes, 64), decodable ? (width + 63) / 64 : 0) << width;
    }
    const int held = codec.GetFrameCount();
    EXPECT_EQ(codec.AddImage(bytes), bytes.empty() ? 0 : held + 1);

    NineGridImage skin;
    EXPECT_EQ(skin.LoadStates(bytes), decodable);
    if (decodable) {
        Bitmap surface = blankSurface(64, 32);
        Graphics graphics;
        graphics.GetImageGraphicsContext(surface);
        skin.SetBounds(0, 0, 64, 32);
        skin.DrawState(graphics, 1);
    }
    if (!decodable) {
        EXPECT_FALSE(hasNineGridMarkers(bytes));
        EXPECT_EQ(sampleColour(bytes), 0u);
        EXPECT_EQ(decode(edgeFade(bytes)).GetWidth(), 0);
    } else {
        hasNineGridMarkers(bytes);
        sampleColour(bytes);
        if (width <= 2000 && height <= 2000) {
            EXPECT_EQ(decode(edgeFade(bytes)).GetWidth(), width);
        }
    }
}
} // namespace

TEST(Robustness, EmptyBytesGiveTheFailureValues)
{
    const ByteArray empty;
    ImageCodec codec;
    EXPECT_EQ(codec.LoadStrip(empty), 0);
    EXPECT_EQ(codec.SplitBySeparator(empty), 0);
    EXPECT_EQ(codec.SplitByWidth(empty, 10), 0);
    EXPECT_EQ(codec.SplitByHeight(empty, 10, true), 0);
    EXPECT_EQ(codec.AddImage(empty), 0);
    NineGridImage skin;
    EXPECT_FALSE(skin.LoadStates(empty, empty, empty, empty));
    EXPECT_FALSE(hasNineGridMarkers(empty));
    EXPECT_EQ(sampleColour(empty), 0u);
    EXPECT_EQ(decode(edgeFade(empty)).GetWidth(), 0);
}

// Bytes whose chunks run past their end never reach the decoder: one that reads the missing
// bytes from memory took the whole process down. A stale length on the end marker is harmless.
TEST(Robustness, PicturesCutShortAreTurnedAway)
{
    const ByteView tick = kTickPicture.bytes();
    const ByteArray whole(tick.data, tick.data + tick.size);
    const std::size_t marker = chunkRanges(whole).back().first;
    auto withTail = [&](std::initializer_list<std::uint8_t> tail) {
        ByteArray bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(marker));
        bytes.insert(bytes.end(), tail);
        return bytes;
    };
    const struct {
        const char* name;
        ByteArray bytes;
        int width;
    } cases[] = {
        { "a text chunk claiming 1 MB before the end marker",
            withTail({ 0, 0x10, 0, 0, 't', 'E', 'X', 't', 'a', 'b', 'c', 0, 0, 0, 0, 0, 0, 0, 0, 'I', 'E', 'N', 'D',
                0xAE, 0x42, 0x60, 0x82 }),
            0 },
        { "the end marker's length and type both damaged",
            withTail({ 0x29, 0, 0, 0, 'I', 0xFD, 'N', 'D', 0xAE, 0x42, 0x60, 0x82 }), 0 },
        { "a chunk header cut in two", withTail({ 0, 0, 0 }), 0 },
        { "the end marker with a stale length", withTail({ 0x29, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82 }),
            13 },
        { "bytes after the end marker", withTail({ 0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82, 1, 2, 3 }),
            13 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap bitmap;
        EXPECT_EQ(bitmap.LoadFromBytes(c.bytes), c.width > 0);
        EXPECT_EQ(bitmap.GetWidth(), c.width);
        Image image;
        EXPECT_EQ(image.LoadFromBytes(c.bytes), c.width > 0);
        ImageCodec codec;
        EXPECT_EQ(codec.LoadStrip(c.bytes), 1);
    }
}

TEST(Robustness, DamagedSkinPicturesNeverCrash)
{
    const int before = liveNativeObjects();
    std::mt19937 random(20261209);
    int cases = 0;
    int decodable = 0;
    // scripts/soak asks for many more rounds than a test run.
    const char* asked = std::getenv("KXFIX_ROBUSTNESS_ROUNDS");
    const int rounds = asked ? std::atoi(asked) : 256;
    for (int round = 0; round < rounds; ++round) {
        for (const EmbeddedFile* picture : kAllPictures) {
            const ByteView view = picture->bytes();
            const ByteArray original(view.data, view.data + view.size);
            const int kind = round % kMutationKinds;
            const ByteArray damaged = mutate(original, random, kind);
            SCOPED_TRACE("case " + std::to_string(cases) + ", kind " + std::to_string(kind));
            Bitmap check;
            decodable += check.LoadFromBytes(damaged) ? 1 : 0;
            check.Dispose();
            exercise(damaged);
            ++cases;
            if (HasFailure())
                return;
        }
    }
    std::printf("%d damaged pictures, %d of them still decodable, live native objects %d before and %d after\n", cases,
        decodable, before, liveNativeObjects());
    EXPECT_EQ(cases, rounds * static_cast<int>(std::size(kAllPictures)));
    EXPECT_EQ(liveNativeObjects(), before);
}

TEST(Robustness, ThousandCyclesOfCuttingAndDrawingLeaveNothingBehind)
{
    const int before = liveNativeObjects();
    Bitmap surface = blankSurface(200, 40);
    for (int cycle = 0; cycle < 1000; ++cycle) {
        ImageCodec codec;
        codec.LoadStrip(kButtonSkin.bytes(), 0x7F007F);
        NineGridImage skin;
        skin.LoadStates(codec.GetFrame(1 + cycle % 3));
        skin.SetBounds(0, 0, 200, 40);
        Graphics graphics;
        graphics.GetImageGraphicsContext(surface);
        skin.DrawState(graphics, 1);
    }
    surface.Dispose();
    EXPECT_EQ(liveNativeObjects(), before);
}
