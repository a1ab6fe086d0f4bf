#pragma once

// Where the parts of a button face go, free of any drawing so it can be checked directly.

struct FaceBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const FaceBox& other) const
    {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
};

struct FaceSize {
    int width = 0;
    int height = 0;

    bool operator==(const FaceSize& other) const { return width == other.width && height == other.height; }
};

// Which of the painted looks a face shows. A disabled face ignores hot and pressed; a
// checked face looks hot, or pressed when it is also checked-pressed.
struct FaceLook {
    bool pressed = false;
    bool hot = false;
};
FaceLook faceLook(bool hot, bool pressed, bool disabled, bool checked, bool checkedPressed);

// The picture (and skin state, 1..4) of the image style: disabled, pressed, hot, normal.
int imageStateFor(bool hot, bool pressed, bool disabled, bool checked, bool checkedPressed);

// A picture limited to `limit`; a square one stays square.
FaceSize fitInto(FaceSize picture, FaceSize limit);

// The clip a face paints within: one pixel wider and taller than the face, for the outlines.
FaceBox faceClip(const FaceBox& face);
// The caption of a face without an icon, a little wider than the face's inner part.
FaceBox captionBox(const FaceBox& face);
// The caption drawn over the picture of the image style.
FaceBox captionOnImageBox(const FaceBox& face);

// GDI+ string alignment (0 near, 1 centre, 2 far) of the colour and image styles' argument
// (1 centre, 2 far, anything else near), and of the plain style's one (1 near, 2 far,
// anything else centre).
int styledAlignment(int alignment);
int plainAlignment(int alignment);

struct IconPlacement {
    FaceBox icon;
    FaceBox caption;
};

// An icon alone, centred, drawn one pixel larger than it is.
IconPlacement placeIconOnly(const FaceBox& face, FaceSize icon);
// The icon left of a caption `captionWidth` wide, both centred together when they fit.
IconPlacement placeIconLeft(const FaceBox& face, FaceSize icon, int captionWidth);
// The icon above a caption `captionHeight` high, centred as a block 4 pixels apart.
IconPlacement placeIconAbove(const FaceBox& face, FaceSize icon, int captionHeight);
