#include "skin/WindowGeometry.h"

#include "skin/WindowOptions.h"

namespace {

// The half is added to the origin before truncating toward zero: a window 3 pixels wider
// than a parent at 10 lands at 8 (from 8.5), where halving in integers would give 9.
int centredOn(int origin, int extent, int size)
{
    return static_cast<int>(origin + (extent - size) / 2.0);
}

const ControlRecord* recordAt(const std::deque<ControlRecord>& controls, int id)
{
    if (id < 1 || id > static_cast<int>(controls.size()))
        return nullptr;
    return &controls[id - 1];
}

// Whether `accept` holds for every container up the chain of `record`. A chain that loops
// back on itself ends after as many steps as there are records.
template <typename Predicate>
bool everyContainer(const std::deque<ControlRecord>& controls, const ControlRecord& record,
    Predicate accept)
{
    const ControlRecord* container = recordAt(controls, record.containerId);
    for (size_t steps = 0; container && steps < controls.size(); ++steps) {
        if (!accept(*container))
            return false;
        container = recordAt(controls, container->containerId);
    }
    return true;
}

bool containsInclusive(const RECT& rect, int x, int y)
{
    return rect.left <= x && x <= rect.right && rect.top <= y && y <= rect.bottom;
}

bool inBottomSizingCorner(int x, int y, const HitTestFrame& frame)
{
    if (!frame.resizable || frame.borderWidth <= 0)
        return false;
    const bool bottom = y >= frame.layoutHeight - 6;
    return bottom && (x >= frame.layoutWidth - 6 || x <= 6);
}

bool insideBorder(int x, int y, const HitTestFrame& frame)
{
    const int inner = frame.borderWidth + 1;
    return inner < x && x < frame.layoutWidth - inner && inner < y && y < frame.layoutHeight - inner;
}

bool focusable(const ControlRecord& record)
{
    return record.inUse() && record.interactive && !record.disabled && record.visible;
}

}  // namespace

POINT centredPosition(std::optional<int> x, std::optional<int> y, int width, int height,
    const RECT* parentRect, const RECT& workArea)
{
    POINT at {};
    if (parentRect) {
        const RECT& p = *parentRect;
        at.x = x ? *x : centredOn(p.left, p.right - p.left, width);
        at.y = y ? *y : centredOn(p.top, p.bottom - p.top, height);
    } else {
        at.x = x ? *x : centredOn(0, workArea.right - workArea.left, width);
        at.y = y ? *y : centredOn(0, workArea.bottom - workArea.top, height);
    }
    return at;
}

RECT captionRect(int borderWidth, bool hasIcon, int textWidth, int windowWidth, int captionSize)
{
    const int margin = borderWidth > 2 ? borderWidth : 3;
    RECT r {};
    r.left = margin + (hasIcon ? 23 : 3);
    r.top = margin + 3;
    r.right = r.left + textWidth;
    if (textWidth > windowWidth - 100 && windowWidth > 100)
        r.right = windowWidth - 100;
    r.bottom = r.top + captionSize + 3;
    return r;
}

std::optional<BorderZone> borderZoneAt(int x, int y, int right, int bottom, int band)
{
    constexpr int kCorner = 10;
    const bool besideCorners = kCorner < y && y < bottom - kCorner;
    const bool betweenCorners = kCorner < x && x < right - kCorner;
    const bool left = x <= kCorner;
    const bool rightSide = x >= right - kCorner;
    const bool top = y <= kCorner;
    const bool bottomSide = y >= bottom - kCorner;

    if (x <= band && besideCorners)
        return BorderZone { BorderZoneCode::Left, SC_SIZE + WMSZ_LEFT, kCursorSizeWe };
    if (x >= right - band && besideCorners)
        return BorderZone { BorderZoneCode::Right, SC_SIZE + WMSZ_RIGHT, kCursorSizeWe };
    if (betweenCorners && y <= band)
        return BorderZone { BorderZoneCode::Top, SC_SIZE + WMSZ_TOP, kCursorSizeNs };
    // The bottom edge reaches two pixels further in than the others.
    if (betweenCorners && y >= bottom - band - 2)
        return BorderZone { BorderZoneCode::Bottom, SC_SIZE + WMSZ_BOTTOM, kCursorSizeNs };
    if (left && top)
        return BorderZone { BorderZoneCode::TopLeft, SC_SIZE + WMSZ_TOPLEFT, kCursorSizeNwse };
    if (rightSide && top)
        return BorderZone { BorderZoneCode::TopRight, SC_SIZE + WMSZ_TOPRIGHT, kCursorSizeNesw };
    if (left && bottomSide)
        return BorderZone { BorderZoneCode::BottomLeft, SC_SIZE + WMSZ_BOTTOMLEFT, kCursorSizeNesw };
    if (rightSide && bottomSide)
        return BorderZone { BorderZoneCode::BottomRight, SC_SIZE + WMSZ_BOTTOMRIGHT, kCursorSizeNwse };
    return std::nullopt;
}

int borderBand(bool layered, bool frameImageLoaded, int borderWidth)
{
    return !layered && frameImageLoaded ? 5 : borderWidth;
}

int controlAt(const std::deque<ControlRecord>& controls, int x, int y, const HitTestFrame& frame)
{
    if (inBottomSizingCorner(x, y, frame) || !insideBorder(x, y, frame))
        return 0;
    auto containerPasses = [x, y](const ControlRecord& container) {
        return containsInclusive(container.rect, x, y) && !container.disabled;
    };
    for (int id = static_cast<int>(controls.size()); id >= 1; --id) {
        const ControlRecord& r = controls[id - 1];
        if (!r.inUse() || !r.visible || r.disabled || !containsInclusive(r.rect, x, y))
            continue;
        if (everyContainer(controls, r, containerPasses))
            return id;
    }
    return 0;
}

bool inDisabledContainer(const std::deque<ControlRecord>& controls, int id)
{
    const ControlRecord* record = recordAt(controls, id);
    if (!record)
        return false;
    return !everyContainer(controls, *record, [](const ControlRecord& c) { return !c.disabled; });
}

int nextFocusTarget(const std::deque<ControlRecord>& controls, int focused)
{
    int first = 0;
    for (int id = 1; id <= static_cast<int>(controls.size()); ++id) {
        if (!focusable(controls[id - 1]) || inDisabledContainer(controls, id))
            continue;
        if (id > focused)
            return id;
        if (first == 0)
            first = id;
    }
    return first;
}

Placement backgroundPlacement(BackgroundLayout layout, int clientWidth, int clientHeight, int imageWidth,
    int imageHeight, int borderWidth)
{
    const int b = borderWidth;
    switch (layout) {
    case BackgroundLayout::TopRight:
        return { clientWidth - imageWidth - b, b, imageWidth, imageHeight };
    case BackgroundLayout::Centred:
        return { (clientWidth - imageWidth) / 2, (clientHeight - imageHeight) / 2, imageWidth,
            imageHeight };
    case BackgroundLayout::Stretched:
        return { b, b, clientWidth - 2 * b, clientHeight - 2 * b };
    case BackgroundLayout::Tiled:
        return { b, b, clientWidth, clientHeight };
    default:
        return { b, b, imageWidth, imageHeight };
    }
}

FadeFrame fadeFrameForStep(int step)
{
    if (step < 250)
        return { true, step };
    return { false, 255 };
}
