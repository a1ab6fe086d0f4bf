#include "imaging/NineGridImage.h"

#include "drawing/Bitmap.h"
#include "drawing/Graphics.h"
#include "drawing/ImageAttributes.h"
#include "drawing/TextureBrush.h"

namespace {
constexpr std::uint32_t kMarkerColour = 0xFFFF00FF;

// The packed size is two signed 16-bit halves.
ImageSize unpackSize(int packed)
{
    return { static_cast<std::int16_t>(packed & 0xFFFF), static_cast<std::int16_t>((packed >> 16) & 0xFFFF) };
}
}

void NineGridImage::reset()
{
    m_isLoaded = false;
    for (StateRecord& state : m_states) {
        state.slices.clear();
        state.imageBytes.clear();
        state.isPlain = false;
    }
    m_cornerRadius = 0;
    m_shadowWidth = 0;
    m_x = m_y = m_width = m_height = 0;
    m_sizes = {};
}

bool NineGridImage::LoadStates(ByteView image1, std::optional<ByteView> image2, std::optional<ByteView> image3,
    std::optional<ByteView> image4, int cornerRadius, int shadowWidth)
{
    reset();
    if (image1.empty())
        return false;
    m_cornerRadius = cornerRadius;
    m_shadowWidth = shadowWidth;
    m_sizes[0] = unpackSize(SliceImage(image1, m_states[0]));
    if (m_sizes[0].width == 0 || m_sizes[0].height == 0)
        return false;
    const std::optional<ByteView> others[] = { image2, image3, image4 };
    for (int i = 1; i < 4; ++i) {
        if (others[i - 1]) {
            m_sizes[i] = unpackSize(SliceImage(*others[i - 1], m_states[i]));
        } else {
            m_states[i] = m_states[0];
            m_sizes[i] = m_sizes[0];
        }
    }
    m_isLoaded = true;
    return true;
}

int NineGridImage::SliceImage(ByteView image, StateRecord& record)
{
    record.slices.assign(9, SliceRect {});
    record.imageBytes.assign(image.data, image.data + image.size);
    Bitmap bitmap;
    bitmap.LoadFromBytes(image);
    const int width = bitmap.GetWidth();
    const int height = bitmap.GetHeight();
    const MarkerPair columns
        = findMarkers(width, [&](int x) { return bitmap.GetPixel(x, 1) == kMarkerColour; });
    const MarkerPair rows = findMarkers(height, [&](int y) { return bitmap.GetPixel(1, y) == kMarkerColour; });
    if (columns.none(width) && rows.none(height)) {
        record.isPlain = true;
    } else {
        const NineSlices slices = sliceNineGrid(width, height, columns, rows);
        record.slices.assign(slices.begin(), slices.end());
    }
    return height * 65536 + width;
}

ImageSize NineGridImage::GetStateSize(int state) const
{
    return state >= 1 && state <= 4 ? m_sizes[state - 1] : ImageSize {};
}

void NineGridImage::SetBounds(int x, int y, int width, int height)
{
    m_x = x;
    m_y = y;
    m_width = width;
    m_height = height;
}

void NineGridImage::DrawState(Graphics& target, int state) const
{
    if (state >= 1 && state <= 4)
        DrawState(target, m_states[state - 1]);
}

void NineGridImage::DrawState(Graphics& target, const StateRecord& record) const
{
    if (record.slices.size() != 9)
        return;
    Bitmap bitmap;
    bitmap.LoadFromBytes(record.imageBytes);
    if (record.isPlain) {
        target.DrawImage(bitmap, float(m_x), float(m_y), float(bitmap.GetWidth()), float(bitmap.GetHeight()));
        return;
    }
    target.SetSmoothingMode(flat::SmoothingModeNone);
    NineSlices slices;
    std::copy(record.slices.begin(), record.slices.end(), slices.begin());
    const auto destinations = nineGridDestinations(m_x, m_y, m_width, m_height, slices);
    const ImageAttributes noAttributes;
    for (int n = 0; n < 4; ++n) {
        const SliceRect& s = slices[n];
        if (!s.isDrawable())
            continue;
        const DestinationRect& d = destinations[n];
        target.DrawImage(bitmap, float(d.x), float(d.y), s.width, s.height, s.x, s.y, s.width, s.height,
            flat::UnitPixel, noAttributes);
    }
    // Edges and centre are tiled, never stretched, starting exactly at their top-left corner.
    for (int n = 4; n < 9; ++n) {
        const SliceRect& s = slices[n];
        if (!s.isDrawable())
            continue;
        const DestinationRect& d = destinations[n];
        TextureBrush brush;
        brush.Create(bitmap, s.x, s.y, s.width, s.height);
        brush.TranslateTransform(float(d.x), float(d.y));
        target.FillRectangle(brush, float(d.x), float(d.y), float(d.width), float(d.height));
    }
}

void NineGridImage::Clear()
{
    reset();
}
