#pragma once

// The state of a SkinWindow, grouped by concern. Each part states its defaults once; a window
// that goes back to new assigns each part a fresh value. They live together because they are
// the pieces of one class and are read with it.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/Bytes.h"
#include "drawing/Surface.h"
#include "imaging/NineGridImage.h"
#include "skin/BackgroundLayout.h"
#include "skin/CaptionButtonSet.h"
#include "skin/EffectFrames.h"
#include "skin/WindowGeometry.h"

// How the window came to be and what it is tied to.
struct WindowAttachment {
    HWND parent = nullptr;
    // The procedure a subclassed window had before; null for windows we created.
    WNDPROC chainedProc = nullptr;
    // Set when skinning an existing window made it layered, so giving it back undoes that.
    bool addedLayeredStyle = false;
    bool embeddedChild = false;
    bool followParent = false;
    int companionIndex = 0;
};

// The title, its font and glow, the icon and the caption buttons' look.
struct CaptionLook {
    std::wstring face = L"宋体";
    COLORREF colour = 0xFFFFFF;
    int size = 14;
    // GDI+ font style bits.
    int fontStyle = 0;
    bool glow = true;
    COLORREF glowColour = 0;
    bool drawTitle = true;
    RECT rect{};
    ByteArray iconBytes;
    CaptionButtonStyle buttonStyle = CaptionButtonStyle::Standard;
    int stripWidth = 0;
    int maximiseItem = 0;
};

struct BackgroundLook {
    ByteArray bytes;
    BackgroundLayout layout = BackgroundLayout::TopLeft;
    bool isNineGrid = false;
    NineGridImage nineGrid;
    std::int32_t colour = -1;
    int opacity = 255;
    // Child windows are painted with the background under them.
    bool underChildren = false;
};

struct BorderLook {
    bool drawn = false;
    bool rounded = false;
    bool extraFrame = false;
    COLORREF colour = 0;
    int width = 0;
};

struct SizeLimits {
    bool set = false;
    int minWidth = 0;
    int minHeight = 0;
    int maxWidth = 0;
    int maxHeight = 0;
};

// The window's size as it stands and what may change it.
struct SizeState {
    bool savedMaximised = false;
    bool maximised = false;
    bool minimised = false;
    bool resizable = false;
    bool movable = true;
    // The size the controls were last laid out at, and whether the window grew since.
    int layoutWidth = 0;
    int layoutHeight = 0;
    bool grew = false;
};

struct ModalRun {
    bool modal = false;
    // The thread's windows the modal loop disabled, to enable again afterwards.
    std::vector<HWND> disabledWindows;
    bool released = false;
};

// The mouse over the window.
struct PointerState {
    int hot = 0;
    int previousHot = 0;
    // The control the left button went down on (0: the surface), so only a press and a
    // release on the same control click it.
    int pressed = 0;
    bool hoverTracking = false;
    bool dragging = false;
    bool surfacePressed = false;
    BorderZoneCode borderZone = BorderZoneCode::None;
};

struct FocusState {
    int control = 0;
    // The window's UISF_* flags: which keyboard cues are hidden.
    WORD uiState = 0;
};

// What is drawn, kept between compositions.
struct WindowLayers {
    Surface background;
    Surface composed;
    Surface caption;
    // What lay under the caption when its layer was last drawn, and where.
    Surface captionUnderlay;
    RECT captionRect{};
    Surface backgroundImage;
};

// The background's cross-fade from the old picture to the new.
struct CrossFade {
    UINT_PTR timer = 0;
    int step = 0;
    bool running = false;
    int alpha = 0;
    Surface snapshot;
};

struct WindowCallbacks {
    std::function<void(HWND)> created;
    std::function<int(HWND)> closing;
    std::function<void(HWND, int, int)> sizing;
    std::function<void(HWND, int, int)> moving;
    std::function<void(HWND)> skinButton;
    std::function<void(HWND)> menuButton;
};

struct EffectSettings {
    ShowEffect show = ShowEffect::None;
    HideEffect hide = HideEffect::None;
    // While an effect plays, the moves and sizes it makes are not the window's own.
    bool playing = false;
};

// What a screen reader is told beyond the controls.
struct AccessibleText {
    std::wstring description;
    // Controls read first, in this order; the rest follow in Tab order.
    std::vector<int> readingOrder;
};
