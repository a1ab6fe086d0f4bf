#pragma once

#include <windows.h>

#include <deque>
#include <optional>
#include <vector>

#include "element/WindowRegistry.h"
#include "skin/BackgroundLayout.h"

// The arithmetic of skinned windows, apart from any window: where a window opens, where its
// caption goes, which border zone or control a point falls on, the focus order, where the
// background image lands and the alphas of fades.

// Where a window of width × height opens. An omitted coordinate centres it on the parent's
// rectangle when there is one, else on the work area's size alone: the work area's own
// left and top are not added, so a work area that does not start at 0 is not followed.
POINT centredPosition(std::optional<int> x, std::optional<int> y, int width, int height,
    const RECT* parentRect, const RECT& workArea);

// The caption text's rectangle in window coordinates. A title longer than the window
// leaves room for the caption buttons by stopping 100 pixels short of the right edge.
RECT captionRect(int borderWidth, bool hasIcon, int textWidth, int windowWidth, int captionSize);

// The IDC_ values of the sizing cursors, as numbers so they can be compared and stored.
constexpr int kCursorSizeNwse = 32642;
constexpr int kCursorSizeNesw = 32643;
constexpr int kCursorSizeWe = 32644;
constexpr int kCursorSizeNs = 32645;

// The framework's codes of the sizing zones along a window's border. A press on a control
// stores OverControl, one outside every zone None.
enum class BorderZoneCode : int {
    OverControl = -1,
    None = 0,
    Left = 1,
    Top = 2,
    Right = 3,
    Bottom = 4,
    TopLeft = 5,
    TopRight = 6,
    BottomRight = 7,
    BottomLeft = 8,
};

// One sizing zone along a window's border: the framework's own zone code, the SC_SIZE
// command that starts sizing from it, and its cursor.
struct BorderZone {
    BorderZoneCode code;
    int sizeCommand;
    int cursorId;

    bool operator==(const BorderZone& other) const
    {
        return code == other.code && sizeCommand == other.sizeCommand && cursorId == other.cursorId;
    }
};

// The zone under client point (x, y) of a client area ending at (right, bottom), with edges
// `band` pixels deep; corners are always 10 × 10. Edges are tested before corners.
std::optional<BorderZone> borderZoneAt(int x, int y, int right, int bottom, int band);

// The depth of the sizing edges: a non-layered window drawn with a frame image sizes from
// a fixed 5 pixels whatever its border width.
int borderBand(bool layered, bool frameImageLoaded, int borderWidth);

struct HitTestFrame {
    int layoutWidth;
    int layoutHeight;
    int borderWidth;
    bool resizable;
};

// The 1-based id of the control under (x, y), or 0. Later records lie on top of earlier
// ones; a point on the border, or in a bottom sizing corner of a resizable window, hits none.
int controlAt(const std::deque<ControlRecord>& controls, int x, int y, const HitTestFrame& frame);

// Whether any container up the chain of control `id` is disabled.
bool inDisabledContainer(const std::deque<ControlRecord>& controls, int id);

// The control Tab moves to from control `focused`: the next focusable one by id, wrapping
// round to the first; 0 when none can take the focus.
int nextFocusTarget(const std::deque<ControlRecord>& controls, int focused);

struct Placement {
    int x, y, width, height;

    bool operator==(const Placement& other) const
    {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
};

// Where the background image goes for layouts 0 top-left, 1 top-right, 2 centred,
// 3 stretched inside the border and 4 tiled; other values act as 0. For tiles the result is
// the texture's origin and the client size, since tiles fill the whole client.
Placement backgroundPlacement(BackgroundLayout layout, int clientWidth, int clientHeight, int imageWidth,
    int imageHeight, int borderWidth);

// One frame of a window's cross-fade: a blend of old over new at `alpha`, or the plain
// new picture that ends it.
struct FadeFrame {
    bool blended;
    int alpha;

    bool operator==(const FadeFrame& other) const
    {
        return blended == other.blended && alpha == other.alpha;
    }
};

// The fade timer starts at step 25 and adds 25 a tick; from 250 on the fade is over.
FadeFrame fadeFrameForStep(int step);
