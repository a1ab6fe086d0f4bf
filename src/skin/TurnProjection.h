#pragma once

#include <array>
#include <cstdint>

// The arithmetic of the three-dimensional turn: where the corners of the turned picture
// land, and the textured triangles that fill the quadrilateral between them.

struct TurnPoint {
    double x = 0;
    double y = 0;
};

// Pixels of a 32-bit premultiplied picture, top row first.
struct PixelView {
    std::uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
};

// Top left, top right, bottom right and bottom left of a picture scaled to 80 % of a
// width × height frame and centred in it, turned by `angle` degrees about its vertical
// axis and seen from 1.5 × (width + height) of the scaled picture.
std::array<TurnPoint, 4> turnedCorners(int width, int height, int angle);

// Fills triangle `to` of the target with triangle `from` of the source, mapped linearly and
// sampled bilinearly. A triangle without area draws nothing.
void mapTriangle(const PixelView& target, const PixelView& source, const std::array<TurnPoint, 3>& to,
    const std::array<TurnPoint, 3>& from);

// The whole source onto the quadrilateral `corners` (as from turnedCorners), as two triangles.
void mapPicture(const PixelView& target, const PixelView& source, const std::array<TurnPoint, 4>& corners);
