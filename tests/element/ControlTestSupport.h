#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "element/ControlBase.h"
#include "element/WindowRegistry.h"

constexpr std::uint32_t kOpaqueBlue = 0xFF0000FF;
constexpr std::uint32_t kOpaqueRed = 0xFFFF0000;
constexpr std::uint32_t kOpaqueGreen = 0xFF00FF00;

// A plain popup window that the registry treats as a framework window: enough to host
// controls before the real skinned window exists.
class HostWindow {
public:
    explicit HostWindow(HWND owner = nullptr);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND handle() const { return m_window; }
    WindowRecord& record() const { return *WindowRegistry::instance().record(m_index); }

private:
    HWND m_window = nullptr;
    int m_index = 0;
};

// A window of the same class that is not a framework window.
HWND createPlainWindow(HWND owner = nullptr);

// A control that fills its face with one colour and counts its redraws.
class TestControl : public ControlBase {
public:
    explicit TestControl(std::uint32_t colour = kOpaqueBlue)
        : m_colour(colour)
    {
    }

    void redraw(skin::RedrawReason reason) override;

    int createIn(HWND window, ControlOptions options = {}, int containerId = 0);
    // The pixel of the face in the window's record; 0 without a record.
    std::uint32_t facePixel(int x, int y) const;

    int redraws = 0;
    std::optional<skin::RedrawReason> lastReason;
    int destroying = 0;
    // Ids of the controls whose WM_DESTROY reached the class, in order.
    std::vector<int>* destroyLog = nullptr;
    // The class's own answer to a message, when it has one.
    std::function<std::optional<LRESULT>(UINT, WPARAM)> classAnswer;

protected:
    std::optional<LRESULT> handleClassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void onDestroying() override { ++destroying; }

private:
    std::uint32_t m_colour;
};

// A picture of the given size filled with one premultiplied colour.
Surface solidSurface(int width, int height, std::uint32_t colour);

// Dispatches one message at a time and checks after each, so no timer tick goes unseen.
bool dispatchUntil(const std::function<bool()>& condition, DWORD timeoutMs = 15000);
