#pragma once

#include <windows.h>

#include <deque>
#include <functional>

// A plain window of the runtime's own: never skinned. The program has one, the hidden
// start-up window that owns the result box and carries the created and closing events.
class RuntimeWindow {
public:
    // Queued to a window to destroy it from the message loop.
    static constexpr UINT kMsgQueuedDestroy = WM_APP + 0x65;
    // Queued to a window to run the next posted task.
    static constexpr UINT kMsgRunTask = WM_APP + 0x66;

    struct Definition {
        int width = 0;
        int height = 0;
        bool visible = false;
    };

    explicit RuntimeWindow(Definition definition);
    ~RuntimeWindow();
    RuntimeWindow(const RuntimeWindow&) = delete;
    RuntimeWindow& operator=(const RuntimeWindow&) = delete;

    std::function<void()> onCreated;
    std::function<void()> onDestroying;

    // Creates the window centred on the primary screen, then fires onCreated.
    bool load();

    HWND handle() const { return m_handle; }

    // Runs the task from the message loop, once the current handler has returned. False when
    // the window does not exist.
    bool post(std::function<void()> task);

    // Queues the destruction to the message loop, or destroys the window now.
    void destroy(bool immediate = false);

    // Processes messages for as long as a loaded window exists.
    static void runMessageLoop();

    // Where a window of this size starts: centred, each division truncated toward zero.
    static POINT centredOrigin(int screenWidth, int screenHeight, int width, int height);

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    Definition m_definition;
    std::deque<std::function<void()>> m_tasks;
    HWND m_handle = nullptr;
    static int s_loadedCount;
};
