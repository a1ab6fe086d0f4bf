#pragma once

#include <array>
#include <functional>

// The arithmetic of nine-grid skins, apart from any pixels. A skin marks its stretchable
// band with opaque magenta pixels in its second row (columns) and second column (rows).

// Source rectangles in image pixels; zero when the slice does not exist.
struct SliceRect {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;

    bool operator==(const SliceRect& other) const
    {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
    bool isDrawable() const { return width > 1e-7f && height > 1e-7f; }
};

// In order: top-left, bottom-left, top-right, bottom-right corners; left, top, right and
// bottom edges; centre.
using NineSlices = std::array<SliceRect, 9>;

// The two marker positions along one line, low then high; both equal the length when the
// line carries no marker.
struct MarkerPair {
    int low = 0;
    int high = 0;

    bool operator==(const MarkerPair& other) const { return low == other.low && high == other.high; }
    bool none(int length) const { return low == length && high == length; }
};

// Searches outwards from the centre of a line of `length` pixels and keeps the first two
// markers found; position 0 is never tested.
MarkerPair findMarkers(int length, const std::function<bool(int)>& isMarker);

// The nine source slices of a W × H image with horizontal markers `columns` and vertical
// markers `rows`.
NineSlices sliceNineGrid(int width, int height, MarkerPair columns, MarkerPair rows);

struct DestinationRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

// Where each slice lands when the skin fills (x, y, width, height): corners keep their size,
// edges and centre take the rest. Slices that do not exist contribute nothing.
std::array<DestinationRect, 9> nineGridDestinations(
    int x, int y, int width, int height, const NineSlices& slices);
