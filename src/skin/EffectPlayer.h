#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "drawing/Image.h"
#include "drawing/Surface.h"
#include "skin/EffectFrames.h"

// Plays the frames of a show or hide effect on a layered window: draws the window's picture
// into each frame, pushes the frame to the screen at its rectangle and alpha, and waits. The
// thread is blocked for the whole effect. The player draws from its own copy of the picture
// and frees everything it made when it goes.
class EffectPlayer {
public:
    // Each frame pushed: its number in the effect (from 1), the frame, and the surface whose
    // top left rect.width × rect.height pixels went to the screen.
    using FrameObserver = std::function<void(int number, const EffectFrame& frame, const Surface& pushed)>;

    // Seams for tests: watch the frames as they are pushed, and skip the waits between them
    // (the frames are still drawn and pushed).
    static void setFrameObserver(FrameObserver observer);
    static void setSleepsSkipped(bool skipped);

    // `margin` makes the frames that much wider and higher than the picture.
    EffectPlayer(const Surface& picture, int margin = 0);
    EffectPlayer(const EffectPlayer&) = delete;
    EffectPlayer& operator=(const EffectPlayer&) = delete;

    // A frame without width or height is not pushed; its wait still happens.
    void play(HWND window, const std::vector<EffectFrame>& frames);

    // Draws one frame as play() pushes it; its top left rect.width × rect.height pixels are
    // the frame. Empty when the frame has no area.
    const Surface& drawFrame(const EffectFrame& frame);

private:
    void ensureFrameSize(int width, int height);
    void drawStreak(const EffectFrame& frame);
    void drawTurned(const EffectFrame& frame);

    Surface m_picture;
    Surface m_frame;
    int m_margin = 0;
    Image m_streak;
};
