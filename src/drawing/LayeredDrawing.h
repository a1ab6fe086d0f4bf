#pragma once

#include <windows.h>

#include <optional>

class GraphicsPath;

// Copies a source area onto a target area of another device context, blending by the
// source's premultiplied alpha times `alpha` (0..255). False when GDI refuses.
bool alphaBlend(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
    int sourceWidth, int sourceHeight, int alpha = 255);

// Where and how a layered window shows its picture. Without a target it keeps its current
// screen rectangle; without an alpha it is fully opaque where the picture is.
struct LayeredPlacement {
    std::optional<int> alpha;
    // Screen coordinates.
    std::optional<RECT> target;
    POINT sourceOrigin{0, 0};
};

// Gives a WS_EX_LAYERED window the premultiplied picture selected into `source`.
bool updateLayered(HWND window, HDC source, const LayeredPlacement& placement = {});

// Adds a rectangle whose corners are quarter arcs `radius` pixels wide and high (1..100);
// radius 0 gives square corners.
void addRoundedRectangle(GraphicsPath& path, float x, float y, float width, float height, int radius);
