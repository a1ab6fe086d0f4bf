#pragma once

// Placement modes of a picture in its box: all but Stretched keep the natural size.
enum class PictureMode : int { TopLeft = 0, TopRight = 1, Centred = 2, Stretched = 3, Tiled = 4 };

struct PictureBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Where a picture goes. Tiled pictures start at (x, y) and repeat over the whole box; an
// unknown mode places nothing (empty size).
struct PicturePlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool tiled = false;
};

PicturePlacement placePicture(int mode, const PictureBox& box, int imageWidth, int imageHeight);

// The slideshow's rhythm: each slide fades in over kFadeTicks ticks of kFadeTickMs, the last
// tick only ending the fade, so kFadeTicks - 1 frames are drawn.
constexpr int kFadeTickMs = 100;
constexpr int kFadeTicks = 13;
constexpr int kFadeStep = 21;
constexpr int kDefaultSlideInterval = 3000;
constexpr int kMinimumSlideInterval = 1000;

// The opacity of the next fade frame: 21 more, and the last step of 252 shows fully opaque.
int nextFadeAlpha(int alpha);
int clampSlideInterval(int intervalMs);
// The 1-based slide after `index`, back to the first after the last; 0 without slides.
int followingSlide(int index, int count);
// `index` brought into 1..count; 0 without slides.
int clampSlide(int index, int count);
