#pragma once

#include <windows.h>

#include <deque>
#include <memory>
#include <vector>

#include "drawing/Surface.h"

class SkinElement;

// The hosting window's entry for one control, indexed by the control's id.
struct ControlRecord {
    bool free = true;
    bool interactive = false;
    int kind = 0;
    int containerId = 0;
    int id = 0;
    // The control's last rendered picture, composed into the window at `rect`.
    Surface surface;
    // Set when the program itself hid the control, so a show of its container or window
    // does not bring it back.
    bool hidden = false;
    bool visible = false;
    bool disabled = false;
    RECT rect{};
    SkinElement* object = nullptr;
    int passThrough[2] = {0, 0};

    bool inUse() const { return !free; }
};

// A window that moves and shows with its owner, at a fixed offset from the owner's corner.
struct CompanionRecord {
    HWND hwnd = nullptr;
    bool free = true;
    int offsetX = 0;
    int offsetY = 0;
};

struct WindowRecord {
    HWND hwnd = nullptr;
    bool modalRunning = false;
    SkinElement* object = nullptr;
    bool free = true;
    // The control that has captured the mouse; no control of this program sets it.
    int capture = 0;
    std::vector<CompanionRecord> companions;
    // A deque, so a record stays put while controls created from a handler append more.
    std::deque<ControlRecord> controls;
    std::vector<HWND> childWindows;

    int controlCount() const { return static_cast<int>(controls.size()); }
    // The record of control `id` (1-based), or null when out of range.
    ControlRecord* control(int id);
    void clearLists();
};

// Every framework window's record, framework-wide. Records are never removed: a window's
// record is marked free at its cleanup and the next window takes the first free one, so a
// window made after another was destroyed gets the same index and class name.
class WindowRegistry {
public:
    static WindowRegistry& instance();

    // The 1-based index of a fresh record bound to `owner`.
    int acquire(SkinElement* owner);
    void release(int index);

    // Null when the index is out of range.
    WindowRecord* record(int index);
    // The record in use named by the window's registry-index property, or null.
    WindowRecord* recordOf(HWND window);
    int size() const { return static_cast<int>(m_records.size()); }

    // How many windows have their modal loop running; -1 when none has.
    int runningModalLoops() const;

private:
    std::vector<std::unique_ptr<WindowRecord>> m_records;
};

// The registry index stored on a window; 0 when it is not a framework window.
int registryIndexOf(HWND window);
