#pragma once

#include <windows.h>

#include <vector>

#include "drawing/Surface.h"
#include "skin/EffectFrames.h"
#include "skin/SkinWindow.h"

// A frame as the layered update received it: the frame and a copy of the pixels pushed.
struct PushedFrame {
    int number = 0;
    EffectFrame frame;
    Surface pixels;
};

// Records every frame the effects push while it lives, and skips their waits.
class FrameRecorder {
public:
    explicit FrameRecorder(bool skipSleeps = true);
    FrameRecorder(const FrameRecorder&) = delete;
    FrameRecorder& operator=(const FrameRecorder&) = delete;
    ~FrameRecorder();

    std::vector<PushedFrame> frames;
};

// The message box's window: 321 × 150, white, a rounded grey border, a caption and a close
// button.
WindowOptions boxOptions(int showEffect, int hideEffect);

// Opens the window and waits until its first show, effect included, is over.
HWND openAndShow(SkinWindow& window, const WindowOptions& options);

// The frames side by side, rows of ten, each drawn at its alpha where it lies in a cell of
// the window's size over a grey background; as PNG.
ByteArray contactSheet(const std::vector<PushedFrame>& frames, const EffectRect& window);
