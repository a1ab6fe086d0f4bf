#pragma once

#include <cstdint>

#include "controls/PictureLayout.h"
#include "core/Bytes.h"

class Graphics;
class Image;
class NineGridImage;

// One picture placed in a box, as the picture box and the panel draw it: the image, a tint
// over it and a skin frame around it.
struct PictureDrawing {
    PictureBox box;
    // Encoded picture; empty draws no image.
    ByteView image;
    // An already decoded picture, used instead of `image` when given.
    const Image* decoded = nullptr;
    int mode = 0;
    // -1: no tint.
    std::int32_t tintColour = -1;
    int tintAlpha = 0;
    // Drawn in its normal state around the picture when loaded; the picture stays inside it.
    NineGridImage* skin = nullptr;
};

// Leaves the clip at none.
void drawPicture(Graphics& graphics, const PictureDrawing& drawing);

// The image alone, placed by mode; nothing else.
void drawPlacedImage(Graphics& graphics, const Image& image, int mode, const PictureBox& box);

// Narrows the clip to the part of the box inside the skin's frame.
void clipToSkinInterior(Graphics& graphics, const NineGridImage& skin, const PictureBox& box);
