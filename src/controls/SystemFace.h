#pragma once

#include <windows.h>

#include "controls/ButtonFaceLayout.h"

class Graphics;
class Image;
struct SystemColours;

// A face in the system's colours, as the system draws its own buttons in high contrast:
// a flat fill inside a one-pixel outline, and one ink for the caption, the glyph and the
// focus mark.
struct SystemFaceLook {
    COLORREF fill = 0;
    COLORREF edge = 0;
    COLORREF ink = 0;
};

SystemFaceLook systemFaceLook(const SystemColours& colours, FaceLook look, bool disabled);

// The fill and the outline, on whole pixels.
void paintSystemFace(Graphics& graphics, const FaceBox& box, const SystemFaceLook& look);
// The system's 7 × 7 check mark with its top left corner at (x, y).
void drawCheckMark(Graphics& graphics, int x, int y, COLORREF ink);
// The picture's shape in one colour: its alpha kept, its colours replaced by `ink`.
void drawSilhouette(Graphics& graphics, const Image& picture, const FaceBox& where, COLORREF ink);
