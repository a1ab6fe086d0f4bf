#include "controls/PanelShapes.h"

#include "drawing/Colour.h"

namespace {

using Kind = PanelFigure::Kind;

constexpr int kShadowSize = 6;

float px(int value)
{
    return static_cast<float>(value);
}

// A rectangle, rounded rectangle or ellipse in the same box.
PanelFigure boxFigure(int shape, float x, float y, float width, float height, int corner)
{
    switch (static_cast<PanelShape>(shape)) {
    case PanelShape::Rectangle:
        return { Kind::Rectangle, x, y, width, height };
    case PanelShape::RoundedRectangle:
        return { Kind::RoundedRectangle, x, y, width, height, corner };
    case PanelShape::Ellipse:
        return { Kind::Ellipse, x, y, width, height };
    default:
        return {};
    }
}

} // namespace

bool isLineShape(int shape)
{
    return shape == static_cast<int>(PanelShape::HorizontalLine) || shape == static_cast<int>(PanelShape::VerticalLine);
}

bool isEdgeBorder(int borderStyle)
{
    return borderStyle == static_cast<int>(PanelBorder::Sunken) || borderStyle == static_cast<int>(PanelBorder::Raised);
}

bool isShadowBorder(int borderStyle)
{
    return borderStyle == static_cast<int>(PanelBorder::OuterShadow)
        || borderStyle == static_cast<int>(PanelBorder::InnerShadow);
}

int shadowSizeFor(int borderStyle)
{
    return isShadowBorder(borderStyle) ? kShadowSize : 0;
}

int dashStyleFor(int borderStyle)
{
    switch (static_cast<PanelBorder>(borderStyle)) {
    case PanelBorder::Dash:
        return 1;
    case PanelBorder::Dot:
        return 2;
    case PanelBorder::DashDot:
        return 3;
    case PanelBorder::DashDotDot:
        return 4;
    default:
        return 0;
    }
}

PanelFigure outlineFigure(int shape, int borderStyle, int width, int height, int cornerSize, int shadow)
{
    const float w = px(width);
    const float h = px(height);
    const float s = px(shadow);
    if (shape == static_cast<int>(PanelShape::HorizontalLine))
        return { Kind::Line, 0, isEdgeBorder(borderStyle) ? 0 : s, w, isEdgeBorder(borderStyle) ? 0 : s };
    if (shape == static_cast<int>(PanelShape::VerticalLine))
        return { Kind::Line, isEdgeBorder(borderStyle) ? 0 : s, 0, isEdgeBorder(borderStyle) ? 0 : s, h };
    if (isEdgeBorder(borderStyle)) {
        if (shape == static_cast<int>(PanelShape::Ellipse))
            return { Kind::Ellipse, 0, 0, w - 2, h - 2 };
        return boxFigure(shape, 0, 0, w - 1, h - 1, cornerSize);
    }
    if (borderStyle == static_cast<int>(PanelBorder::OuterShadow))
        return boxFigure(shape, 0, 0, w - s, h - s, cornerSize);
    if (borderStyle == static_cast<int>(PanelBorder::InnerShadow)) {
        // The ellipse and the rounded rectangle keep clear of the right and bottom edge.
        const float less = shape == static_cast<int>(PanelShape::Rectangle) ? 0.0f : 1.0f;
        return boxFigure(shape, s, s, w - 2 * s - less, h - 2 * s - less, cornerSize);
    }
    return boxFigure(shape, 0, 0, w - 1, h - 1, cornerSize);
}

PanelFigure innerEdgeFigure(int shape, int width, int height, int cornerSize)
{
    const float w = px(width);
    const float h = px(height);
    switch (static_cast<PanelShape>(shape)) {
    case PanelShape::HorizontalLine:
        return { Kind::Line, 0, 1, w, 1 };
    case PanelShape::VerticalLine:
        return { Kind::Line, 1, 0, 1, h };
    case PanelShape::Ellipse:
        return { Kind::Ellipse, 1, 1, w - 4, h - 4 };
    default:
        return boxFigure(shape, 1, 1, w - 3, h - 3, cornerSize - 3);
    }
}

EdgePens edgePens(int borderStyle)
{
    constexpr std::uint32_t kShade = toArgb(0x000000, 80);
    constexpr std::uint32_t kLight = toArgb(0xFFFFFF, 150);
    if (borderStyle == static_cast<int>(PanelBorder::Raised))
        return { kLight, kShade };
    return { kShade, kLight };
}

PanelGradient panelGradient(
    int direction, int width, int height, COLORREF colour1, int alpha1, COLORREF colour2, int alpha2)
{
    const std::uint32_t first = toArgb(colour1, static_cast<std::uint32_t>(alpha1));
    const std::uint32_t second = toArgb(colour2, static_cast<std::uint32_t>(alpha2));
    const bool across = direction >= 3 && direction <= 5;
    PanelGradient gradient;
    gradient.endX = across ? px(width) : 0;
    gradient.endY = across ? 0 : px(height);
    const bool reversed = direction == 2 || direction == 4;
    gradient.startArgb = reversed ? second : first;
    gradient.endArgb = reversed ? first : second;
    gradient.middleMix = direction == 5 || direction == 6;
    return gradient;
}
