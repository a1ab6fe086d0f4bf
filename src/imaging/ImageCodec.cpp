#include "imaging/ImageCodec.h"

#include "drawing/Bitmap.h"
#include "drawing/Colour.h"
#include "drawing/Graphics.h"
#include "drawing/Pen.h"

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
    const std::uint32_t separator = toArgb(m_separatorColour);
    auto emit = [&](int start, int run) {
        // Every frame after the first is counted from the separator before it.
        if (!m_frames.empty() && run > 0)
            --run;
        appendArea(strip, start, 0, run, height, false);
    };
    int start = 0;
    int run = 0;
    for (int x = 1; x <= width; ++x) {
        ++run;
        if (x < width && strip.GetPixel(x, 2) == separator) {
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
    StripFrame result { {}, width, height };
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
    m_frames.push_back({ ByteArray(image.data, image.data + image.size), width, picture.GetHeight() });
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
    const StripFrame* found = frame(number);
    return found ? found->bytes : ByteArray();
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
