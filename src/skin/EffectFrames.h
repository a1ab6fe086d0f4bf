#pragma once

#include <optional>
#include <vector>

// The frames of the show and hide effects, apart from any window: where each frame lands on
// the screen, how opaque it is, how the window's picture is drawn into it and how long the
// effect waits after it.

// A rectangle on the screen.
struct EffectRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const EffectRect& other) const
    {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
};

// How the window's picture goes into a frame.
enum class FrameLook {
    // The whole picture stretched into the frame's size.
    Stretched,
    // The same, blended onto a cleared frame.
    Blended,
    // The picture gone: a translucent white band with the light streak across its middle.
    Streak,
    // The picture at 80 % of the frame, turned about its vertical axis, in perspective.
    Turned,
};

struct EffectFrame {
    EffectRect rect;
    int alpha = 255;
    int sleepMs = 0;
    FrameLook look = FrameLook::Stretched;
    // Turned: degrees about the vertical axis.
    int angle = 0;
    // Streak: the white's alpha, and the streak's width and top left corner in the frame.
    int whiteAlpha = 0;
    int streakWidth = 0;
    float streakLeft = 0;
    float streakTop = 0;
};

constexpr int kDefaultShowEffect = 2;

// Show effects 1..10 of a window at `window`; no frames for any other number. The last
// frame is always the window's rectangle at alpha 255.
std::vector<EffectFrame> showEffectFrames(const EffectRect& window, std::optional<int> effect = std::nullopt);

// Hide effects 1..11 of a window at `window`; no frames for any other number.
std::vector<EffectFrame> hideEffectFrames(const EffectRect& window, int effect);

// How much larger than the picture an effect's frames are drawn (show effect 3 draws into a
// frame 24 pixels wider and higher).
int showEffectMargin(int effect);

// The angle of frame i (1..20) of the turn; past 90° the picture turns a further 180° so its
// front, not its mirror image, faces the viewer.
int turnAngle(int frame, bool showing);
