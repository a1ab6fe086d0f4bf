#include "imaging/NineGridGeometry.h"

#include <algorithm>
#include <utility>

#include "core/CoordinateLimits.h"

MarkerPair findMarkers(int length, const std::function<bool(int)>& isMarker)
{
    const int centre = length / 2;
    const int steps = std::max(centre, length - centre);
    int a = 0;
    int b = 0;
    int left = centre;
    int right = centre;
    for (int step = 0; step < steps; ++step) {
        ++right;
        // The left probe fills A first, the right probe B first; a second find on the same
        // side goes to the other slot and is sorted out below.
        if (left >= 1 && isMarker(left))
            (a == 0 ? a : b) = left;
        if (right <= length - 1 && isMarker(right))
            (b == 0 ? b : a) = right;
        --left;
        if (a > 0 && b > 0)
            break;
    }
    if (a == 0 && b == 0)
        return { length, length };
    if (a == 0)
        a = b;
    if (b == 0)
        b = a;
    if (a > b)
        std::swap(a, b);
    return { a, b };
}

NineSlices sliceNineGrid(int width, int height, MarkerPair columns, MarkerPair rows)
{
    const int w = limitCoordinate(width);
    const int h = limitCoordinate(height);
    const int a = limitCoordinate(columns.low);
    const int b = limitCoordinate(columns.high);
    const int c = limitCoordinate(rows.low);
    const int d = limitCoordinate(rows.high);
    // The pixel next to a marker on the outer side belongs to no slice.
    const int leftWidth = a == w ? w : a - 1;
    const int topHeight = c == h ? h : c - 1;
    const bool hasColumns = a < w && b < w;
    const bool hasRows = c < h && d < h;
    const bool middleColumn = a != b;
    const bool middleRow = c != d;

    auto rect = [](int x, int y, int rw, int rh) {
        return SliceRect { float(x), float(y), float(rw), float(rh) };
    };
    NineSlices s {};
    s[0] = rect(0, 0, leftWidth, topHeight);
    if (hasRows)
        s[1] = rect(0, d + 1, leftWidth, h - d - 1);
    if (hasColumns)
        s[2] = rect(b + 1, 0, w - b - 1, topHeight);
    if (hasRows)
        s[3] = rect(b == w ? 0 : b + 1, d + 1, w - b - 1, h - d - 1);
    if (middleRow)
        s[4] = rect(0, c + 1, leftWidth, d - c - 1);
    if (middleColumn)
        s[5] = rect(a + 1, 0, b - a - 1, topHeight);
    if (middleRow && hasColumns)
        s[6] = rect(b + 1, c + 1, w - b - 1, d - c - 1);
    if (middleColumn && hasRows)
        s[7] = rect(a + 1, d + 1, b - a - 1, h - d - 1);
    if (middleColumn && middleRow)
        s[8] = rect(a + 1, c + 1, b - a - 1, d - c - 1);
    return s;
}

std::array<DestinationRect, 9> nineGridDestinations(
    int x, int y, int width, int height, const NineSlices& slices)
{
    // An absent slice contributes 0 to the sums.
    auto w = [&](int n) { return slices[n - 1].isDrawable() ? double(slices[n - 1].width) : 0.0; };
    auto h = [&](int n) { return slices[n - 1].isDrawable() ? double(slices[n - 1].height) : 0.0; };
    const double X = x;
    const double Y = y;
    const double Wd = width;
    const double Hg = height;
    return { {
        { X, Y, w(1), h(1) },
        { X, Y + Hg - h(2), w(2), h(2) },
        { X + Wd - w(3), Y, w(3), h(3) },
        { X + Wd - w(4), Y + Hg - h(4), w(4), h(4) },
        { X, Y + h(1), w(5), Hg - h(1) - h(2) },
        { X + w(1), Y, Wd - w(1) - w(3), h(6) },
        { X + Wd - w(7), Y + h(3), w(7), Hg - h(3) - h(4) },
        { X + w(1), Y + Hg - h(8), Wd - w(2) - w(4), h(8) },
        { X + w(1), Y + h(1), Wd - w(1) - w(3), Hg - h(1) - h(2) },
    } };
}
