#include "skin/TurnProjection.h"

#include <algorithm>
#include <cmath>

#include "core/CoordinateLimits.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kScale = 0.8;
// Pixel centres on the edge shared by the two triangles belong to both, so no seam opens.
constexpr double kEdgeTolerance = 1e-9;
constexpr int kOne = 1 << 16;
// Fixed-point source positions are kept within this, so a row of steps stays inside 64 bits.
constexpr double kFixedLimit = 8589934592.0;

std::int64_t toFixed(double sourcePixels)
{
    return static_cast<std::int64_t>(limitReal(sourcePixels * kOne, -kFixedLimit, kFixedLimit));
}

// Two pixels mixed by `weight` 0..256 of the second, all four channels at once.
std::uint32_t mix(std::uint32_t first, std::uint32_t second, std::uint32_t weight)
{
    const std::uint32_t keep = 256 - weight;
    const std::uint32_t redBlue = ((first & 0xFF00FF) * keep + (second & 0xFF00FF) * weight) >> 8 & 0xFF00FF;
    const std::uint32_t alphaGreen = ((first >> 8 & 0xFF00FF) * keep + (second >> 8 & 0xFF00FF) * weight) & 0xFF00FF00;
    return redBlue | alphaGreen;
}

// The premultiplied pixel at (x, y), in 16.16 fixed-point source pixels, between the four
// nearest pixel centres; edges repeat outward.
std::uint32_t sampleBilinear(const PixelView& source, std::int64_t x, std::int64_t y)
{
    x = std::clamp<std::int64_t>(x - kOne / 2, 0, std::int64_t(source.width - 1) * kOne);
    y = std::clamp<std::int64_t>(y - kOne / 2, 0, std::int64_t(source.height - 1) * kOne);
    const auto left = static_cast<int>(x >> 16);
    const auto top = static_cast<int>(y >> 16);
    const int right = std::min(left + 1, source.width - 1);
    const int bottom = std::min(top + 1, source.height - 1);
    const auto fx = static_cast<std::uint32_t>(x >> 8 & 0xFF);
    const auto fy = static_cast<std::uint32_t>(y >> 8 & 0xFF);
    const std::uint32_t* row0 = source.bits + static_cast<std::size_t>(top) * source.width;
    const std::uint32_t* row1 = source.bits + static_cast<std::size_t>(bottom) * source.width;
    return mix(mix(row0[left], row0[right], fx), mix(row1[left], row1[right], fx), fy);
}

// A value that changes linearly across the target: value = x·dx + y·dy + at0.
struct Linear {
    double dx = 0;
    double dy = 0;
    double at0 = 0;

    double at(double x, double y) const { return x * dx + y * dy + at0; }
};

// Narrows [first, last] to the pixels whose centres keep `value` at least 0 on row y.
void keepNonNegative(const Linear& value, double y, int& first, int& last)
{
    const double atRowStart = value.at(0.5, y + 0.5);
    if (std::abs(value.dx) < 1e-12) {
        if (atRowStart < -kEdgeTolerance)
            last = first - 1;
        return;
    }
    const double bound = (-kEdgeTolerance - atRowStart) / value.dx;
    if (value.dx > 0)
        first = std::max(first, static_cast<int>(std::ceil(limitReal(bound, first - 1.0, last + 1.0))));
    else
        last = std::min(last, static_cast<int>(std::floor(limitReal(bound, first - 1.0, last + 1.0))));
}

}  // namespace

std::array<TurnPoint, 4> turnedCorners(int width, int height, int angle)
{
    const double halfWidth = kScale * width / 2;
    const double halfHeight = kScale * height / 2;
    const double distance = 1.5 * (2 * halfWidth + 2 * halfHeight);
    const double radians = angle * kPi / 180;
    const double centreX = width / 2.0;
    const double centreY = height / 2.0;
    const double signs[4][2] = { { -1, -1 }, { 1, -1 }, { 1, 1 }, { -1, 1 } };
    std::array<TurnPoint, 4> corners;
    for (int i = 0; i < 4; ++i) {
        const double u = signs[i][0] * halfWidth;
        const double v = signs[i][1] * halfHeight;
        // Positive depth lies behind the picture's plane, so it looks smaller.
        const double depth = u * std::sin(radians);
        const double perspective = distance / (distance + depth);
        corners[i] = { centreX + u * std::cos(radians) * perspective, centreY + v * perspective };
    }
    return corners;
}

void mapTriangle(const PixelView& target, const PixelView& source, const std::array<TurnPoint, 3>& to,
    const std::array<TurnPoint, 3>& from)
{
    if (!target.bits || !source.bits || source.width <= 0 || source.height <= 0)
        return;
    const TurnPoint& p0 = to[0];
    const double e1x = to[1].x - p0.x, e1y = to[1].y - p0.y;
    const double e2x = to[2].x - p0.x, e2y = to[2].y - p0.y;
    const double area = e1x * e2y - e2x * e1y;
    if (std::abs(area) < 1e-6)
        return;
    // Barycentric weights of the second and third corner, and from them the source point.
    Linear l1 { e2y / area, -e2x / area, 0 };
    l1.at0 = -(l1.dx * p0.x + l1.dy * p0.y);
    Linear l2 { -e1y / area, e1x / area, 0 };
    l2.at0 = -(l2.dx * p0.x + l2.dy * p0.y);
    const Linear l0 { -l1.dx - l2.dx, -l1.dy - l2.dy, 1 - l1.at0 - l2.at0 };
    const auto sourceAlong = [&](double TurnPoint::*axis) {
        const double base = from[0].*axis;
        const double d1 = from[1].*axis - base, d2 = from[2].*axis - base;
        return Linear { l1.dx * d1 + l2.dx * d2, l1.dy * d1 + l2.dy * d2, base + l1.at0 * d1 + l2.at0 * d2 };
    };
    const Linear sourceX = sourceAlong(&TurnPoint::x);
    const Linear sourceY = sourceAlong(&TurnPoint::y);
    // Fixed-point steps keep floating point out of the inner loop.
    const std::int64_t stepX = toFixed(sourceX.dx);
    const std::int64_t stepY = toFixed(sourceY.dx);

    const double rows = target.height;
    const int top
        = std::max(0, static_cast<int>(std::floor(limitReal(std::min({ to[0].y, to[1].y, to[2].y }), -1, rows))));
    const int bottom = std::min(
        target.height - 1, static_cast<int>(std::ceil(limitReal(std::max({ to[0].y, to[1].y, to[2].y }), -1, rows))));
    for (int y = top; y <= bottom; ++y) {
        int first = 0;
        int last = target.width - 1;
        keepNonNegative(l0, y, first, last);
        keepNonNegative(l1, y, first, last);
        keepNonNegative(l2, y, first, last);
        if (first > last)
            continue;
        std::int64_t sx = toFixed(sourceX.at(first + 0.5, y + 0.5));
        std::int64_t sy = toFixed(sourceY.at(first + 0.5, y + 0.5));
        std::uint32_t* pixel = target.bits + static_cast<std::size_t>(y) * target.width + first;
        for (int x = first; x <= last; ++x, sx += stepX, sy += stepY)
            *pixel++ = sampleBilinear(source, sx, sy);
    }
}

void mapPicture(const PixelView& target, const PixelView& source, const std::array<TurnPoint, 4>& corners)
{
    const auto w = static_cast<double>(source.width);
    const auto h = static_cast<double>(source.height);
    const TurnPoint topLeft { 0, 0 }, topRight { w, 0 }, bottomRight { w, h }, bottomLeft { 0, h };
    mapTriangle(target, source, { corners[0], corners[1], corners[3] }, { topLeft, topRight, bottomLeft });
    mapTriangle(target, source, { corners[1], corners[2], corners[3] }, { topRight, bottomRight, bottomLeft });
}
