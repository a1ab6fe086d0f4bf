#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/Bytes.h"

class Bitmap;
struct StripPixels;

// One frame of a strip: its own PNG (or an added picture's own bytes) and its size. A frame
// cut at separators is encoded when first asked for: until then it keeps the strip's pixels
// and its column in them.
struct StripFrame {
    ByteArray bytes;
    int width = 0;
    int height = 0;
    std::shared_ptr<const StripPixels> pending;
    int left = 0;
};

// An image strip: one picture holding frames side by side, cut into separate PNG frames
// that callers fetch by number, from 1. Copies are deep.
class ImageCodec {
public:
    static constexpr std::uint32_t kDefaultSeparator = 0xFF00FF;

    // Replaces everything with the frames of the picture, cut at columns whose pixel in the
    // third row has the separator colour (0x00BBGGRR) at full opacity.
    int LoadStrip(ByteView image, std::uint32_t separatorColour = kDefaultSeparator);
    // Appends the frames between separator columns of the current colour.
    int SplitBySeparator(ByteView image);
    // Replaces everything with frames of a fixed width (height); marking the centre draws
    // magenta nine-grid markers around each frame's middle.
    int SplitByWidth(ByteView image, int frameWidth, bool markCentre = false);
    int SplitByHeight(ByteView image, int frameHeight, bool markCentre = false);
    // Appends a picture unchanged as one frame; 0 for empty bytes.
    int AddImage(ByteView image);
    bool RemoveFrame(int frame);

    // A copy of the frame's bytes; empty for a number out of range.
    ByteArray GetFrame(int frame) const;
    int GetFrameCount() const { return m_frameCount; }
    int GetStripWidth() const { return m_stripWidth; }
    int GetStripHeight() const { return m_stripHeight; }
    int GetFrameWidth(int frame) const;
    int GetFrameHeight(int frame) const;
    void Clear();

private:
    enum class Direction { Across, Down };

    int splitFixed(ByteView image, int frameSize, bool markCentre, Direction direction);
    void appendArea(const Bitmap& strip, int x, int y, int width, int height, bool markCentre);
    const StripFrame* frame(int number) const;
    static void encodePending(StripFrame& frame);

    int m_stripWidth = 0;
    int m_stripHeight = 0;
    int m_frameCount = 0;
    // Frames are encoded on first use, from const getters too.
    mutable std::vector<StripFrame> m_frames;
    std::uint32_t m_separatorColour = 0;
};

// A strip cut from the picture, for holding in a static that is made on first use.
ImageCodec cutStrip(ByteView image, std::uint32_t separatorColour = ImageCodec::kDefaultSeparator);
