#include "skin/TurnProjection.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kScale = 0.8;
// Pixel centres on the edge shared by the two triangles belong to both, so no seam opens.
constexpr double kEdgeTolerance = 1e-9;

// The premultiplied pixel at (x, y) in source pixels, between the four nearest pixel
// centres; edges repeat outward.
std::uint32_t sampleBilinear(const PixelView& source, double x, double y)
{
    x = std::clamp(x - 0.5, 0.0, static_cast<double>(source.width - 1));
    y = std::clamp(y - 0.5, 0.0, static_cast<double>(source.height - 1));
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y);
    const int right = std::min(left + 1, source.width - 1);
    const int bottom = std::min(top + 1, source.height - 1);
    const auto fx = static_cast<std::uint32_t>((x - left) * 256);
    const auto fy = static_cast<std::uint32_t>((y - top) * 256);
    const std::uint32_t* row0 = source.bits + static_cast<std::size_t>(top) * source.width;
    const std::uint32_t* row1 = source.bits + static_cast<std::size_t>(bottom) * source.width;
    const std::uint32_t corners[4] = { row0[left], row0[right], row1[left], row1[right] };
    const std::uint32_t weights[4] = { (256 - fx) * (256 - fy), fx * (256 - fy), (256 - fx) * fy, fx * fy };
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        std::uint32_t channel = 0;
        for (int i = 0; i < 4; ++i)
            channel += ((corners[i] >> shift) & 0xFF) * weights[i];
        result |= ((channel + 32768) >> 16) << shift;
    }
    return result;
}

} // namespace

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
    const double minX = std::min({ to[0].x, to[1].x, to[2].x });
    const double maxX = std::max({ to[0].x, to[1].x, to[2].x });
    const double minY = std::min({ to[0].y, to[1].y, to[2].y });
    const double maxY = std::max({ to[0].y, to[1].y, to[2].y });
    const int left = std::max(0, static_cast<int>(std::floor(minX)));
    const int right = std::min(target.width - 1, static_cast<int>(std::ceil(maxX)));
    const int top = std::max(0, static_cast<int>(std::floor(minY)));
    const int bottom = std::min(target.height - 1, static_cast<int>(std::ceil(maxY)));
    for (int y = top; y <= bottom; ++y) {
        std::uint32_t* row = target.bits + static_cast<std::size_t>(y) * target.width;
        const double dy = y + 0.5 - p0.y;
        for (int x = left; x <= right; ++x) {
            const double dx = x + 0.5 - p0.x;
            const double l1 = (dx * e2y - e2x * dy) / area;
            const double l2 = (e1x * dy - dx * e1y) / area;
            const double l0 = 1 - l1 - l2;
            if (l0 < -kEdgeTolerance || l1 < -kEdgeTolerance || l2 < -kEdgeTolerance)
                continue;
            const double sx = l0 * from[0].x + l1 * from[1].x + l2 * from[2].x;
            const double sy = l0 * from[0].y + l1 * from[1].y + l2 * from[2].y;
            row[x] = sampleBilinear(source, sx, sy);
        }
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
