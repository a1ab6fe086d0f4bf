#include "imaging/ImageCodec.h"

#include <cstring>

#include "drawing/Bitmap.h"
#include "drawing/Colour.h"
#include "drawing/Graphics.h"
#include "drawing/Pen.h"

// A strip's pixels as 32-bit ARGB rows, read in one lock, with its resolution so a frame
// encoded from them matches one cut from the picture.
struct StripPixels {
    int width = 0;
    int height = 0;
    float dpiX = 0;
    float dpiY = 0;
    std::vector<std::uint32_t> argb;

    bool read(Bitmap& strip);
};

namespace {
constexpr std::uint32_t kOpaqueMagenta = 0xFFFF00FF;

// Lines one pixel wide either side of the frame's middle, so the frame stretches about it.
void drawCentreMarkers(Bitmap& frame, int width, int height)
{
    Graphics graphics;
    Pen pen;
    if (!graphics.GetImageGraphicsContext(frame) || !pen.Create(kOpaqueMagenta, 1.0f))
        return;
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    graphics.DrawLine(pen, 0, h / 2 - 1, w, h / 2 - 1);
    graphics.DrawLine(pen, 0, h / 2 + 1, w, h / 2 + 1);
    graphics.DrawLine(pen, w / 2 - 1, 0, w / 2 - 1, h);
    graphics.DrawLine(pen, w / 2 + 1, 0, w / 2 + 1, h);
}
} // namespace

ImageCodec cutStrip(ByteView image, std::uint32_t separatorColour)
{
    ImageCodec strip;
    strip.LoadStrip(image, separatorColour);
    return strip;
}

int ImageCodec::LoadStrip(ByteView image, std::uint32_t separatorColour)
{
    m_stripWidth = 0;
    m_stripHeight = 0;
    m_frameCount = 0;
    m_frames.clear();
    m_separatorColour = separatorColour;
    return SplitBySeparator(image);
}

int ImageCodec::SplitBySeparator(ByteView image)
{
    if (image.empty())
        return 0;
    Bitmap strip;
    strip.LoadFromBytes(image);
    const int width = strip.GetWidth();
    const int height = strip.GetHeight();
    m_stripWidth = width;
    m_stripHeight = height;
    // One locked read instead of a GetPixel call per column; the frames keep the pixels.
    // A picture that decodes but cannot be locked is read and cut the slow way.
    auto pixels = std::make_shared<StripPixels>();
    const bool readable = pixels->read(strip);
    const std::uint32_t separator = toArgb(m_separatorColour);
    const std::uint32_t* markerRow
        = readable && height > 2 ? pixels->argb.data() + static_cast<std::size_t>(2) * width : nullptr;
    auto isSeparator
        = [&](int x) { return readable ? markerRow && markerRow[x] == separator : strip.GetPixel(x, 2) == separator; };
    auto emit = [&](int start, int run) {
        // Every frame after the first is counted from the separator before it.
        if (!m_frames.empty() && run > 0)
            --run;
        if (!readable) {
            appendArea(strip, start, 0, run, height, false);
            return;
        }
        StripFrame frame;
        frame.width = run;
        frame.height = height;
        if (run > 0 && height > 0) {
            frame.pending = pixels;
            frame.left = start;
        }
        m_frames.push_back(std::move(frame));
    };
    int start = 0;
    int run = 0;
    for (int x = 1; x <= width; ++x) {
        ++run;
        if (x < width && isSeparator(x)) {
            emit(start, run);
            start = x + 1;
            run = 0;
        }
    }
    emit(start, run);
    m_frameCount = static_cast<int>(m_frames.size());
    return m_frameCount;
}

int ImageCodec::SplitByWidth(ByteView image, int frameWidth, bool markCentre)
{
    return splitFixed(image, frameWidth, markCentre, Direction::Across);
}

int ImageCodec::SplitByHeight(ByteView image, int frameHeight, bool markCentre)
{
    return splitFixed(image, frameHeight, markCentre, Direction::Down);
}

int ImageCodec::splitFixed(ByteView image, int frameSize, bool markCentre, Direction direction)
{
    m_frameCount = 0;
    m_frames.clear();
    Bitmap strip;
    strip.LoadFromBytes(image);
    m_stripWidth = strip.GetWidth();
    m_stripHeight = strip.GetHeight();
    if (frameSize >= 1) {
        const int length = direction == Direction::Across ? m_stripWidth : m_stripHeight;
        for (int at = 0; at < length; at += frameSize) {
            if (direction == Direction::Across)
                appendArea(strip, at, 0, frameSize, m_stripHeight, markCentre);
            else
                appendArea(strip, 0, at, m_stripWidth, frameSize, markCentre);
        }
    }
    m_frameCount = static_cast<int>(m_frames.size());
    return m_frameCount;
}

// A frame that cannot be cut or encoded still takes its place, with empty bytes.
void ImageCodec::appendArea(const Bitmap& strip, int x, int y, int width, int height, bool markCentre)
{
    Bitmap frame;
    const RectF area { float(x), float(y), float(width), float(height) };
    StripFrame result;
    result.width = width;
    result.height = height;
    if (width > 0 && height > 0 && strip.CloneArea(area, PixelFormat32bppARGB, frame)) {
        if (markCentre)
            drawCentreMarkers(frame, width, height);
        result.bytes = frame.SaveToBytes(kPngFormat);
    }
    m_frames.push_back(std::move(result));
}

int ImageCodec::AddImage(ByteView image)
{
    if (image.empty())
        return 0;
    Image picture;
    picture.LoadFromBytes(image);
    const int width = picture.GetWidth();
    StripFrame added;
    added.bytes.assign(image.data, image.data + image.size);
    added.width = width;
    added.height = picture.GetHeight();
    m_frames.push_back(std::move(added));
    m_frameCount += 1;
    m_stripWidth += width;
    return m_frameCount;
}

bool ImageCodec::RemoveFrame(int number)
{
    const StripFrame* removed = frame(number);
    if (!removed)
        return false;
    m_frameCount -= 1;
    m_stripWidth -= removed->width;
    m_stripHeight -= removed->height;
    m_frames.erase(m_frames.begin() + (number - 1));
    return true;
}

ByteArray ImageCodec::GetFrame(int number) const
{
    if (!frame(number))
        return {};
    StripFrame& found = m_frames[static_cast<std::size_t>(number - 1)];
    encodePending(found);
    return found.bytes;
}

int ImageCodec::GetFrameWidth(int number) const
{
    const StripFrame* found = frame(number);
    return found ? found->width : 0;
}

int ImageCodec::GetFrameHeight(int number) const
{
    const StripFrame* found = frame(number);
    return found ? found->height : 0;
}

void ImageCodec::Clear()
{
    m_stripWidth = 0;
    m_stripHeight = 0;
    m_frameCount = 0;
    m_frames.clear();
    m_separatorColour = kDefaultSeparator;
}

const StripFrame* ImageCodec::frame(int number) const
{
    if (number < 1 || number > m_frameCount || number > static_cast<int>(m_frames.size()))
        return nullptr;
    return &m_frames[number - 1];
}

bool StripPixels::read(Bitmap& strip)
{
    width = strip.GetWidth();
    height = strip.GetHeight();
    dpiX = strip.GetHorizontalResolution();
    dpiY = strip.GetVerticalResolution();
    flat::BitmapData data {};
    const flat::GpRect area { 0, 0, width, height };
    if (width <= 0 || height <= 0 || !strip.LockBits(&area, flat::ImageLockModeRead, PixelFormat32bppARGB, data))
        return false;
    argb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row)
        std::memcpy(argb.data() + static_cast<std::size_t>(row) * width,
            static_cast<const char*>(data.Scan0) + static_cast<std::ptrdiff_t>(row) * data.Stride,
            static_cast<std::size_t>(width) * 4);
    strip.UnlockBits(data);
    return true;
}

// The same PNG as cutting the area from the picture gives: a 32-bit ARGB bitmap of the
// frame's pixels at the strip's resolution.
void ImageCodec::encodePending(StripFrame& frame)
{
    if (!frame.pending)
        return;
    const StripPixels& strip = *frame.pending;
    Bitmap picture;
    flat::BitmapData data {};
    const flat::GpRect area { 0, 0, frame.width, frame.height };
    if (picture.Create(frame.width, frame.height, PixelFormat32bppARGB)
        && picture.LockBits(&area, flat::ImageLockModeWrite, PixelFormat32bppARGB, data)) {
        for (int row = 0; row < frame.height; ++row)
            std::memcpy(static_cast<char*>(data.Scan0) + static_cast<std::ptrdiff_t>(row) * data.Stride,
                strip.argb.data() + static_cast<std::size_t>(row) * strip.width + frame.left,
                static_cast<std::size_t>(frame.width) * 4);
        picture.UnlockBits(data);
        picture.SetResolution(strip.dpiX, strip.dpiY);
        frame.bytes = picture.SaveToBytes(kPngFormat);
    }
    frame.pending.reset();
}
