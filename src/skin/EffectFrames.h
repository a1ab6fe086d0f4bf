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

// How a window appears; the numbers are the framework's own.
enum class ShowEffect : int {
    None = 0,
    // From a centred third of its size to the whole.
    GrowFromCentre = 1,
    // In place, fading in.
    FadeIn = 2,
    // From a centred third past its size in six frames, then back by 3 pixels a side.
    GrowAndSettle = 3,
    // From an edge across the window: from the left, right, bottom, top.
    UnrollRight = 4,
    UnrollLeft = 5,
    UnrollUp = 6,
    UnrollDown = 7,
    // From the middle row out to the top and bottom, from the middle column to the sides.
    OpenFromMiddleRow = 8,
    OpenFromMiddleColumn = 9,
    // Turning about its vertical axis into view.
    Turn = 10,
};

// How a window goes; the numbers are the framework's own.
enum class HideEffect : int {
    None = 0,
    ShrinkToCentre = 1,
    // Shrinking by 2 % for five frames and growing back for five while it fades.
    PulseAndFade = 2,
    FadeOut = 3,
    // Towards the middle row, blended onto a cleared frame.
    FoldToMiddleRow = 4,
    // Towards an edge: the top, bottom, left, right.
    RollUp = 5,
    RollDown = 6,
    RollLeft = 7,
    RollRight = 8,
    FoldToMiddleColumn = 9,
    Turn = 10,
    // A white band under a shrinking light streak, as an old screen going off.
    SwitchOff = 11,
};

constexpr ShowEffect kDefaultShowEffect = ShowEffect::FadeIn;

// The frames of a window at `window` appearing; none for ShowEffect::None or a number no
// effect has. The last frame is always the window's rectangle at alpha 255.
std::vector<EffectFrame> showEffectFrames(const EffectRect& window, std::optional<ShowEffect> effect = std::nullopt);

// The frames of a window at `window` going; none for HideEffect::None or a number no effect
// has.
std::vector<EffectFrame> hideEffectFrames(const EffectRect& window, HideEffect effect);

// How much larger than the picture an effect's frames are drawn (GrowAndSettle draws into a
// frame 24 pixels wider and higher).
int showEffectMargin(ShowEffect effect);

// The angle of frame i (1..20) of the turn; past 90° the picture turns a further 180° so its
// front, not its mirror image, faces the viewer.
int turnAngle(int frame, bool showing);
