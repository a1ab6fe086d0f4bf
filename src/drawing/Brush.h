#pragma once

#include <cstdint>
#include <vector>

#include "drawing/GdiplusObject.h"
#include "drawing/TransformAbout.h"

// The part all brushes share: one native brush, deleted with GdipDeleteBrush.
class Brush : public GdiplusObject<flat::GpBrush, &flat::GdipDeleteBrush> {
public:
    bool Delete() { return deleteNative(); }
    // `target` owns the copy, whatever brush class it is.
    bool Clone(Brush& target) const;
    int GetType() const;

protected:
    Brush() noexcept = default;
};

// How a gradient's colour moves from start to end: fractions of the way (factors) at fractions
// of the distance (positions). The gradient brushes pass as many pairs as both lists hold.
struct Blend {
    std::vector<float> factors;
    std::vector<float> positions;
};

// Colours at fractions of the distance, replacing the two end colours.
struct ColorBlend {
    std::vector<std::uint32_t> colours;
    std::vector<float> positions;
};

// Turning or scaling a pen's or brush's own transform about a point.
template <typename Wrapper>
bool rotateTransformAt(Wrapper& wrapper, float angle, PointF centre, int order)
{
    return transformAbout(
        centre, order, [&](float dx, float dy) { return wrapper.TranslateTransform(dx, dy, order); },
        [&] { wrapper.RotateTransform(angle, order); });
}

template <typename Wrapper>
bool scaleTransformAt(Wrapper& wrapper, float sx, float sy, PointF centre, int order)
{
    return transformAbout(
        centre, order, [&](float dx, float dy) { return wrapper.TranslateTransform(dx, dy, order); },
        [&] { wrapper.ScaleTransform(sx, sy, order); });
}
