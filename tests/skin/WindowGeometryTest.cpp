#include <gtest/gtest.h>

#include <string>

#include "skin/WindowGeometry.h"

namespace {
// A visible, enabled control record in use, appended with the next id.
ControlRecord& addControl(std::deque<ControlRecord>& controls, RECT rect, int containerId = 0)
{
    ControlRecord& r = controls.emplace_back();
    r.free = false;
    r.visible = true;
    r.rect = rect;
    r.containerId = containerId;
    r.id = static_cast<int>(controls.size());
    return r;
}

ControlRecord& addFocusable(std::deque<ControlRecord>& controls, int containerId = 0)
{
    ControlRecord& r = addControl(controls, { 10, 10, 50, 30 }, containerId);
    r.interactive = true;
    return r;
}

std::string text(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right)
        + "," + std::to_string(r.bottom) + ")";
}
}

TEST(WindowGeometryCentring, OmittedCoordinatesCentreOnParentOrWorkAreaSize)
{
    const RECT parent { 100, 50, 500, 350 };
    const RECT small { 10, 20, 20, 30 };
    const RECT origin { 0, 0, 10, 10 };
    // The work area's left and top are never added.
    const RECT work { 100, 40, 1124, 808 };
    const RECT narrowWork { 50, 30, 150, 130 };
    struct Case {
        std::optional<int> x, y;
        int width, height;
        const RECT* parent;
        const RECT& workArea;
        POINT expected;
    };
    const Case cases[] = {
        { {}, {}, 200, 100, &parent, work, { 200, 150 } },
        { 7, {}, 200, 100, &parent, work, { 7, 150 } },
        { {}, -3, 200, 100, &parent, work, { 200, -3 } },
        { 7, 9, 200, 100, &parent, work, { 7, 9 } },
        { 7, 9, 200, 100, nullptr, work, { 7, 9 } },
        // Larger than the parent: the half is added before truncating, 8.5 → 8, 17.5 → 17.
        { {}, {}, 13, 15, &small, work, { 8, 17 } },
        { {}, {}, 11, 13, &origin, work, { 0, -1 } },  // -0.5 → 0, -1.5 → -1
        { {}, {}, 224, 168, nullptr, work, { 400, 300 } },
        { {}, {}, 0, 1, nullptr, work, { 512, 383 } },
        { {}, {}, 101, 103, nullptr, narrowWork, { 0, -1 } },
        { {}, {}, 105, 100, nullptr, narrowWork, { -2, 0 } },
    };
    for (const Case& c : cases) {
        const POINT at = centredPosition(c.x, c.y, c.width, c.height, c.parent, c.workArea);
        EXPECT_EQ(at.x, c.expected.x) << c.width << "x" << c.height;
        EXPECT_EQ(at.y, c.expected.y) << c.width << "x" << c.height;
    }
}

TEST(CaptionLayout, TextSitsInsideTheBorderAndStopsShortOfTheButtons)
{
    struct Case {
        int border;
        bool icon;
        int textWidth, windowWidth, captionSize;
        RECT expected;
    };
    const Case cases[] = {
        { 0, false, 50, 300, 16, { 6, 6, 56, 25 } },
        { 2, false, 50, 300, 16, { 6, 6, 56, 25 } },  // a thin border still leaves 3
        { 3, false, 50, 300, 16, { 6, 6, 56, 25 } },
        { 5, true, 50, 300, 16, { 28, 8, 78, 27 } },
        { 5, false, 50, 300, 12, { 8, 8, 58, 23 } },
        { 5, true, 500, 300, 16, { 28, 8, 200, 27 } },
        { 0, false, 200, 300, 16, { 6, 6, 206, 25 } },  // exactly width - 100 is left alone
        { 0, false, 201, 300, 16, { 6, 6, 200, 25 } },
        { 0, false, 500, 100, 16, { 6, 6, 506, 25 } },  // a window this narrow is never capped
        { 0, true, 500, 101, 16, { 26, 6, 1, 25 } },
    };
    for (const Case& c : cases) {
        const RECT r = captionRect(c.border, c.icon, c.textWidth, c.windowWidth, c.captionSize);
        EXPECT_EQ(text(r), text(c.expected))
            << "border " << c.border << " text " << c.textWidth << " window " << c.windowWidth;
    }
}

TEST(BorderZones, EdgesThenTenPixelCorners)
{
    const BorderZone left { BorderZoneCode::Left, SC_SIZE + WMSZ_LEFT, kCursorSizeWe };
    const BorderZone right { BorderZoneCode::Right, SC_SIZE + WMSZ_RIGHT, kCursorSizeWe };
    const BorderZone top { BorderZoneCode::Top, SC_SIZE + WMSZ_TOP, kCursorSizeNs };
    const BorderZone bottom { BorderZoneCode::Bottom, SC_SIZE + WMSZ_BOTTOM, kCursorSizeNs };
    const BorderZone topLeft { BorderZoneCode::TopLeft, SC_SIZE + WMSZ_TOPLEFT, kCursorSizeNwse };
    const BorderZone topRight { BorderZoneCode::TopRight, SC_SIZE + WMSZ_TOPRIGHT, kCursorSizeNesw };
    const BorderZone bottomLeft { BorderZoneCode::BottomLeft, SC_SIZE + WMSZ_BOTTOMLEFT, kCursorSizeNesw };
    const BorderZone bottomRight { BorderZoneCode::BottomRight, SC_SIZE + WMSZ_BOTTOMRIGHT, kCursorSizeNwse };
    const std::optional<BorderZone> none;
    struct Case {
        int x, y, band;
        std::optional<BorderZone> expected;
    };
    // The client area ends at (300, 200).
    const Case cases[] = {
        { 0, 100, 4, left }, { 4, 100, 4, left }, { 5, 100, 4, none },
        { 0, 11, 4, left }, { 0, 189, 4, left }, { 0, 10, 4, topLeft }, { 0, 190, 4, bottomLeft },
        { 296, 100, 4, right }, { 295, 100, 4, none }, { 300, 100, 4, right },
        { 11, 0, 4, top }, { 289, 4, 4, top }, { 150, 5, 4, none },
        { 10, 0, 4, topLeft }, { 290, 0, 4, topRight },
        // The bottom edge is two pixels deeper than the band.
        { 150, 194, 4, bottom }, { 150, 193, 4, none }, { 11, 200, 4, bottom },
        { 10, 200, 4, bottomLeft }, { 290, 200, 4, bottomRight }, { 289, 199, 4, bottom },
        { 10, 10, 4, topLeft }, { 290, 10, 4, topRight },
        { 10, 190, 4, bottomLeft }, { 290, 190, 4, bottomRight }, { 11, 11, 4, none },
        // A deep band: the edges take precedence wherever they reach past the corners' 10.
        { 12, 5, 15, top }, { 5, 12, 15, left }, { 5, 5, 15, topLeft }, { 12, 12, 15, left },
        { 288, 12, 15, right }, { 150, 183, 15, bottom }, { 150, 182, 15, none },
        // A band of 0: inside the outermost pixels only the corner squares remain.
        { 1, 100, 0, none }, { 150, 1, 0, none }, { 299, 100, 0, none }, { 150, 197, 0, none },
        { 0, 100, 0, left }, { 150, 0, 0, top }, { 150, 198, 0, bottom },
        { 5, 5, 0, topLeft }, { 295, 5, 0, topRight }, { 5, 195, 0, bottomLeft },
        { 295, 195, 0, bottomRight },
    };
    for (const Case& c : cases) {
        const auto zone = borderZoneAt(c.x, c.y, 300, 200, c.band);
        EXPECT_TRUE(zone == c.expected) << "(" << c.x << "," << c.y << ") band " << c.band
                                        << " gives zone " << (zone ? static_cast<int>(zone->code) : 0);
    }
}

TEST(BorderZones, FramedWindowsSizeFromFivePixels)
{
    EXPECT_EQ(borderBand(false, true, 12), 5);
    EXPECT_EQ(borderBand(false, false, 12), 12);
    EXPECT_EQ(borderBand(true, true, 12), 12);
    EXPECT_EQ(borderBand(true, false, 0), 0);
}

TEST(ControlHitTest, LaterRecordsLieOnTopAndEdgesCount)
{
    std::deque<ControlRecord> controls;
    addControl(controls, { 20, 20, 100, 80 });
    addControl(controls, { 60, 40, 150, 120 });
    const HitTestFrame frame { 200, 150, 2, false };
    struct Case {
        int x, y, expected;
    };
    const Case cases[] = {
        { 70, 50, 2 }, { 30, 30, 1 }, { 120, 100, 2 }, { 170, 30, 0 },
        { 20, 20, 1 }, { 100, 80, 2 }, { 59, 80, 1 }, { 150, 120, 2 }, { 151, 120, 0 },
        { 150, 121, 0 }, { 19, 30, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(controlAt(controls, c.x, c.y, frame), c.expected) << "(" << c.x << "," << c.y << ")";
    EXPECT_EQ(controlAt({}, 70, 50, frame), 0);
}

TEST(ControlHitTest, BorderNeverHits)
{
    std::deque<ControlRecord> controls;
    addControl(controls, { -10, -10, 300, 300 });
    const HitTestFrame frame { 200, 150, 2, false };
    struct Case {
        int x, y, expected;
    };
    const Case cases[] = {
        { 3, 50, 0 }, { 4, 50, 1 }, { 196, 50, 1 }, { 197, 50, 0 },
        { 50, 3, 0 }, { 50, 4, 1 }, { 50, 146, 1 }, { 50, 147, 0 }, { -1, 50, 0 }, { 50, 200, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(controlAt(controls, c.x, c.y, frame), c.expected) << "(" << c.x << "," << c.y << ")";
    const HitTestFrame borderless { 200, 150, 0, false };
    EXPECT_EQ(controlAt(controls, 1, 1, borderless), 0);
    EXPECT_EQ(controlAt(controls, 2, 2, borderless), 1);
}

TEST(ControlHitTest, BottomCornersStayFreeOnlyForResizableBorderedWindows)
{
    std::deque<ControlRecord> controls;
    addControl(controls, { 0, 0, 200, 150 });
    struct Case {
        bool resizable;
        int border, x, y, expected;
    };
    const Case cases[] = {
        { true, 2, 194, 144, 0 }, { true, 2, 193, 144, 1 }, { true, 2, 194, 143, 1 },
        { true, 2, 6, 144, 0 }, { true, 2, 7, 144, 1 }, { true, 2, 6, 143, 1 },
        { true, 2, 194, 10, 1 },  // the top corners are not kept free
        { false, 2, 194, 144, 1 }, { false, 2, 6, 144, 1 },
        { true, 0, 194, 144, 1 }, { true, 0, 6, 144, 1 },
    };
    for (const Case& c : cases) {
        const HitTestFrame frame { 200, 150, c.border, c.resizable };
        EXPECT_EQ(controlAt(controls, c.x, c.y, frame), c.expected)
            << "(" << c.x << "," << c.y << ") resizable " << c.resizable << " border " << c.border;
    }
}

TEST(ControlHitTest, RecordsNotShownOrUsableAreSkipped)
{
    const HitTestFrame frame { 200, 150, 2, false };
    struct Case {
        const char* name;
        void (*change)(ControlRecord&);
    };
    const Case cases[] = {
        { "free", [](ControlRecord& r) { r.free = true; } },
        { "hidden", [](ControlRecord& r) { r.hidden = true; r.visible = false; } },
        { "not visible", [](ControlRecord& r) { r.visible = false; } },
        { "disabled", [](ControlRecord& r) { r.disabled = true; } },
    };
    for (const Case& c : cases) {
        std::deque<ControlRecord> controls;
        addControl(controls, { 20, 20, 100, 80 });
        c.change(addControl(controls, { 20, 20, 100, 80 }));
        EXPECT_EQ(controlAt(controls, 50, 50, frame), 1) << c.name;
        c.change(controls[0]);
        EXPECT_EQ(controlAt(controls, 50, 50, frame), 0) << c.name;
    }
}

TEST(ControlHitTest, EveryContainerMustHoldThePointAndBeEnabled)
{
    const HitTestFrame frame { 300, 200, 2, false };
    std::deque<ControlRecord> controls;
    addControl(controls, { 10, 10, 200, 150 });  // 1: outer panel
    addControl(controls, { 30, 30, 120, 100 }, 1);  // 2: inner panel
    addControl(controls, { 50, 50, 160, 120 }, 2);  // 3: overhangs the inner panel
    EXPECT_EQ(controlAt(controls, 60, 60, frame), 3);
    EXPECT_EQ(controlAt(controls, 120, 100, frame), 3);  // the container's edge counts
    // Outside the inner panel but inside the outer one: the outer panel itself is hit.
    EXPECT_EQ(controlAt(controls, 140, 110, frame), 1);

    controls[1].disabled = true;
    EXPECT_EQ(controlAt(controls, 60, 60, frame), 1);
    controls[1].disabled = false;
    controls[0].disabled = true;
    EXPECT_EQ(controlAt(controls, 60, 60, frame), 0);
    controls[0].disabled = false;
    controls[0].rect = { 10, 10, 55, 55 };
    EXPECT_EQ(controlAt(controls, 60, 60, frame), 0);
    EXPECT_EQ(controlAt(controls, 55, 55, frame), 3);
}

TEST(ControlHitTest, ContainerIdsOutOfRangeOrInACycleEndTheWalk)
{
    const HitTestFrame frame { 300, 200, 2, false };
    for (int container : { -1, 0, 3, 99 }) {
        std::deque<ControlRecord> controls;
        addControl(controls, { 0, 0, 5, 5 });
        addControl(controls, { 10, 10, 100, 100 }, container);
        EXPECT_EQ(controlAt(controls, 50, 50, frame), 2) << "container " << container;
    }
    std::deque<ControlRecord> cycle;
    addControl(cycle, { 10, 10, 100, 100 }, 2);
    addControl(cycle, { 10, 10, 100, 100 }, 1);
    addControl(cycle, { 10, 10, 100, 100 }, 3);
    EXPECT_EQ(controlAt(cycle, 50, 50, frame), 3);
    cycle[2].visible = false;
    EXPECT_EQ(controlAt(cycle, 50, 50, frame), 2);
    EXPECT_FALSE(inDisabledContainer(cycle, 1));
    EXPECT_FALSE(inDisabledContainer(cycle, 3));
    cycle[0].disabled = true;
    EXPECT_TRUE(inDisabledContainer(cycle, 2));
    EXPECT_EQ(controlAt(cycle, 50, 50, frame), 0);
}

TEST(FocusOrder, DisabledContainersUpTheChain)
{
    std::deque<ControlRecord> controls;
    addControl(controls, { 0, 0, 100, 100 });  // 1
    addControl(controls, { 0, 0, 100, 100 }, 1);  // 2
    addControl(controls, { 0, 0, 100, 100 }, 2);  // 3
    addControl(controls, { 0, 0, 100, 100 }, 42);  // 4
    struct Case {
        int disabled, id;
        bool expected;
    };
    const Case cases[] = {
        { 0, 3, false }, { 1, 3, true }, { 2, 3, true }, { 3, 3, false },  // its own state is not asked
        { 1, 2, true }, { 2, 2, false }, { 1, 1, false }, { 1, 4, false },
        { 1, 0, false }, { 1, 5, false }, { 1, -1, false },
    };
    for (const Case& c : cases) {
        for (ControlRecord& r : controls)
            r.disabled = r.id == c.disabled;
        EXPECT_EQ(inDisabledContainer(controls, c.id), c.expected)
            << "control " << c.id << " with " << c.disabled << " disabled";
    }
}

TEST(FocusOrder, TabMovesToTheNextFocusableControlAndWraps)
{
    std::deque<ControlRecord> controls;
    addControl(controls, { 0, 0, 10, 10 });  // 1: not interactive
    addFocusable(controls);  // 2
    addFocusable(controls).disabled = true;  // 3
    addFocusable(controls).visible = false;  // 4
    addFocusable(controls);  // 5
    addFocusable(controls).free = true;  // 6
    addFocusable(controls, 8);  // 7: in a disabled container
    addControl(controls, { 0, 0, 10, 10 }).disabled = true;  // 8
    addFocusable(controls, 1);  // 9: in an enabled container
    struct Case {
        int focused, expected;
    };
    const Case cases[] = {
        { 0, 2 }, { -1, 2 }, { 1, 2 }, { 2, 5 }, { 3, 5 }, { 5, 9 }, { 6, 9 }, { 9, 2 }, { 99, 2 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(nextFocusTarget(controls, c.focused), c.expected) << "from " << c.focused;
}

TEST(FocusOrder, NoFocusableControlGivesZero)
{
    std::deque<ControlRecord> controls;
    EXPECT_EQ(nextFocusTarget(controls, 0), 0);
    addControl(controls, { 0, 0, 10, 10 }).disabled = true;  // 1
    addControl(controls, { 0, 0, 10, 10 });  // 2: not interactive
    addFocusable(controls, 1);  // 3: its container is disabled
    EXPECT_EQ(nextFocusTarget(controls, 0), 0);
    EXPECT_EQ(nextFocusTarget(controls, 3), 0);
    controls[0].disabled = false;
    // The only candidate is the focused control itself.
    EXPECT_EQ(nextFocusTarget(controls, 3), 3);
}

TEST(BackgroundPlacement, EachLayoutPlacesTheImage)
{
    struct Case {
        int layout, imageWidth, imageHeight;
        Placement expected;
    };
    // A 300 × 200 client with a 4-pixel border.
    const Case cases[] = {
        { 0, 100, 50, { 4, 4, 100, 50 } },
        { 1, 100, 50, { 196, 4, 100, 50 } },
        { 2, 100, 50, { 100, 75, 100, 50 } },
        { 2, 101, 51, { 99, 74, 101, 51 } },
        { 3, 100, 50, { 4, 4, 292, 192 } },
        { 4, 100, 50, { 4, 4, 300, 200 } },
        { 5, 100, 50, { 4, 4, 100, 50 } },
        { -1, 100, 50, { 4, 4, 100, 50 } },
        { 1, 400, 50, { -104, 4, 400, 50 } },
        // Integer halving truncates toward zero: -1 / 2 → 0, -3 / 2 → -1.
        { 2, 301, 203, { 0, -1, 301, 203 } },
    };
    for (const Case& c : cases) {
        const Placement p = backgroundPlacement(BackgroundLayout(c.layout), 300, 200, c.imageWidth, c.imageHeight, 4);
        EXPECT_TRUE(p == c.expected) << "layout " << c.layout << " gives (" << p.x << "," << p.y
                                     << "," << p.width << "," << p.height << ")";
    }
}

TEST(FadeFrames, WindowFadeBlendsNineTimesThenShowsThePlainPicture)
{
    const std::vector<FadeFrame> expected = {
        { true, 25 }, { true, 50 }, { true, 75 }, { true, 100 }, { true, 125 },
        { true, 150 }, { true, 175 }, { true, 200 }, { true, 225 }, { false, 255 },
    };
    std::vector<FadeFrame> frames;
    for (int step = 25; step <= 250; step += 25)
        frames.push_back(fadeFrameForStep(step));
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(fadeFrameForStep(249), (FadeFrame { true, 249 }));
    EXPECT_EQ(fadeFrameForStep(250), (FadeFrame { false, 255 }));
    EXPECT_EQ(fadeFrameForStep(275), (FadeFrame { false, 255 }));
}
