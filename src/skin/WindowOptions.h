#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/Bytes.h"
#include "imaging/NineGridImage.h"
#include "skin/BackgroundLayout.h"
#include "skin/CaptionButtonSet.h"
#include "skin/EffectFrames.h"


// Caption button mask bits; close is always added.
constexpr int kCaptionClose = 1;
constexpr int kCaptionMaximise = 2;
constexpr int kCaptionMinimise = 4;
constexpr int kCaptionMenu = 8;
constexpr int kCaptionSkin = 16;

// Everything a skinned window is created with; each default is the one an omitted
// argument takes.
struct WindowOptions {
    // Kept only when it is a window; also the owner.
    HWND parent = nullptr;
    // Centred on the parent, or in the work area, when omitted.
    std::optional<int> x;
    std::optional<int> y;
    int width = 420;
    int height = 300;
    bool visible = true;
    std::wstring title;
    ByteArray backgroundImage;
    BackgroundLayout backgroundLayout = BackgroundLayout::TopLeft;
    // 0x00BBGGRR; -1: no fill.
    std::int32_t backgroundColour = -1;
    int opacity = 255;
    bool movable = true;
    bool resizable = false;
    bool clickThrough = false;
    // Attach to the parent as a companion that moves with it.
    bool followParent = false;
    bool layered = true;
    // Disables the thread's other windows and runs the modal loop before createWindow returns.
    bool modal = false;
    std::function<void(HWND)> createdCallback;
    // Border and shadow skin; its shadow width becomes the border width.
    const NineGridImage* frameImage = nullptr;
    bool border = false;
    COLORREF borderColour = 0;
    bool roundedBorder = false;
    ShowEffect showEffect = ShowEffect::None;
    HideEffect hideEffect = HideEffect::None;
    bool drawTitle = true;
    ByteArray iconImage;
    bool topmost = false;
    bool showInTaskbar = true;
    int captionButtons = 0;
    CaptionButtonStyle captionButtonStyle = CaptionButtonStyle::Standard;
    bool extraFrame = false;
};

// A change of the caption font; what is not given keeps its value.
struct CaptionFontChange {
    std::optional<std::wstring> face;
    std::optional<COLORREF> colour;
    std::optional<int> size;
    std::optional<int> style;
    std::optional<bool> glow;
    std::optional<COLORREF> glowColour;
    bool redrawNow = false;
};

// A change of the window background; what is not given keeps its value.
struct BackgroundChange {
    std::optional<std::int32_t> colour;
    std::optional<int> opacity;
    std::optional<ByteArray> image;
    std::optional<BackgroundLayout> layout;
    // Cross-fades from the old background over ten ticks of this interval; 0 switches at once.
    UINT fadeIntervalMs = 0;
};
