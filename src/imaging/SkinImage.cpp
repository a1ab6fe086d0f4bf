#include "imaging/SkinImage.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/Runtime.h"
#include "drawing/Bitmap.h"
#include "drawing/Colour.h"
#include "drawing/Graphics.h"
#include "drawing/LinearGradientBrush.h"

namespace {
constexpr std::size_t kLargestSkin = 1024000;
constexpr std::uint32_t kMarkerColour = 0xFFFF00FF;
constexpr std::uint32_t kTransparentWhite = 0x00FFFFFF;

bool anyMarkerAlong(int length, const std::function<bool(int)>& isMarker)
{
    // From both ends inwards over the whole line; position `length` lies outside and fails.
    const int half = length / 2;
    const int steps = std::max(half, length - half);
    for (int i = 1; i <= steps; ++i) {
        if (isMarker(i) || isMarker(length - i + 1))
            return true;
    }
    return false;
}

void fillGradient(Graphics& graphics, PointF from, std::uint32_t fromArgb, PointF to, std::uint32_t toArgb,
    float x, float y, float width, float height)
{
    LinearGradientBrush brush;
    brush.Create(from, to, fromArgb, toArgb);
    graphics.FillRectangle(brush, x, y, width, height);
}
}

bool hasNineGridMarkers(ByteView picture)
{
    if (picture.size > kLargestSkin)
        return false;
    Bitmap bitmap;
    bitmap.LoadFromBytes(picture);
    if (bitmap.GetRawFormat() != kPngFormat)
        return false;
    const int width = bitmap.GetWidth();
    const int height = bitmap.GetHeight();
    return anyMarkerAlong(width, [&](int x) { return bitmap.GetPixel(x, 1) == kMarkerColour; })
        || anyMarkerAlong(height, [&](int y) { return bitmap.GetPixel(1, y) == kMarkerColour; });
}

std::uint32_t sampleColour(ByteView picture)
{
    Image image;
    image.LoadFromBytes(picture);
    Bitmap sample;
    sample.Create(1, 1, PixelFormat32bppARGB);
    {
        Graphics graphics;
        graphics.GetImageGraphicsContext(sample);
        graphics.SetInterpolationMode(flat::InterpolationModeNearestNeighbor);
        graphics.DrawImage(image, 0, 0, 1, 1);
    }
    return fromArgb(sample.GetPixel(0, 0));
}

std::uint32_t sampleColour(ByteArray& picture, const std::wstring& fileName)
{
    if (!fileName.empty())
        picture = readFile(fileName);
    return sampleColour(ByteView(picture));
}

ByteArray edgeFade(ByteView picture, std::optional<int> fadeSize, std::uint32_t colour, int mode,
    const std::wstring& fileName)
{
    ByteArray fromFile;
    if (!fileName.empty()) {
        fromFile = readFile(fileName);
        picture = fromFile;
    }
    Image image;
    image.LoadFromBytes(picture);
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    Bitmap faded;
    faded.Create(width, height, PixelFormat32bppARGB);
    {
        Graphics graphics;
        graphics.GetImageGraphicsContext(faded);
        graphics.SetCompositingQuality(flat::CompositingQualityGammaCorrected);
        graphics.DrawImage(image, 0, 0, float(width), float(height));
        const int size = fadeSize ? *fadeSize : static_cast<int>(std::floor(width * 0.3));
        const float w = float(width);
        const float h = float(height);
        const float s = float(size);
        const float fadeX = float(width - size);
        const float fadeY = float(height - size);
        const std::uint32_t solid = toArgb(colour);
        if (mode != 0)
            fillGradient(graphics, PointF(fadeX, 0), kTransparentWhite, PointF(w, 0), solid, fadeX + 1, 0, s, h);
        else
            fillGradient(graphics, PointF(0, 0), solid, PointF(s, 0), kTransparentWhite, 0, 0, s, h);
        fillGradient(graphics, PointF(0, fadeY), toArgb(colour, 0), PointF(0, h), solid, 0, fadeY + 1, w, s);
    }
    return faded.SaveToBytes(kPngFormat);
}
