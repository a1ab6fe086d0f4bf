#pragma once

#include <windows.h>

#include <cstdint>

enum class PanelShape : int { Rectangle = 0, RoundedRectangle = 1, HorizontalLine = 2, VerticalLine = 3, Ellipse = 4 };

enum class PanelBorder : int {
    None = 0,
    Solid = 1,
    Dash = 2,
    Dot = 3,
    DashDot = 4,
    DashDotDot = 5,
    Sunken = 6,
    Raised = 7,
    OuterShadow = 8,
    InnerShadow = 9,
};

// One figure of a panel in control pixels: a box for rectangles and ellipses, two points for
// a line. None for a shape the panel does not know.
struct PanelFigure {
    enum class Kind { None, Rectangle, RoundedRectangle, Ellipse, Line };
    Kind kind = Kind::None;
    float x = 0;
    float y = 0;
    // The box's size, or the line's end point.
    float width = 0;
    float height = 0;
    int corner = 0;

    bool operator==(const PanelFigure& other) const
    {
        return kind == other.kind && x == other.x && y == other.y && width == other.width && height == other.height
            && corner == other.corner;
    }
};

bool isLineShape(int shape);
bool isEdgeBorder(int borderStyle);
bool isShadowBorder(int borderStyle);
// The soft shadow's width: 6 for the shadow borders, none for the others.
int shadowSizeFor(int borderStyle);
// GDI+ dash style of the outline pen.
int dashStyleFor(int borderStyle);

// The figure that is filled and outlined; `shadow` is the shadow size.
PanelFigure outlineFigure(int shape, int borderStyle, int width, int height, int cornerSize, int shadow);
// The one-pixel inner line of the sunken and raised edges.
PanelFigure innerEdgeFigure(int shape, int width, int height, int cornerSize);

// Pens of the sunken and raised edges, as 0xAARRGGBB.
struct EdgePens {
    std::uint32_t outer = 0;
    std::uint32_t inner = 0;
};
EdgePens edgePens(int borderStyle);

// A two-colour fill: from (0, 0) to the end point, as 0xAARRGGBB. `middleMix` puts the even
// mix of both colours in the middle and the start colour at both ends.
struct PanelGradient {
    float endX = 0;
    float endY = 0;
    std::uint32_t startArgb = 0;
    std::uint32_t endArgb = 0;
    bool middleMix = false;
};
// Directions: 1 and 2 top to bottom, 3 and 4 left to right (2 and 4 from the second colour),
// 5 left to right and 6 top to bottom with the first colour at both ends. Other numbers run
// as 1.
PanelGradient panelGradient(
    int direction, int width, int height, COLORREF colour1, int alpha1, COLORREF colour2, int alpha2);
