#pragma once

#include <string>

// The countdown shown in the box's title, ticked once a second. Once it has run out it
// asks to close on every later tick, so a close request lost while the box is dragged
// is asked again instead of starting the count anew.
class MessageBoxCountdown {
public:
    MessageBoxCountdown(std::wstring title, int seconds);

    bool active() const { return m_seconds > 0; }
    int remaining() const { return m_seconds - m_elapsed; }
    std::wstring caption() const;
    // Counts one second; true when the box should close.
    bool tick();

private:
    std::wstring m_title;
    int m_seconds = 0;
    int m_elapsed = 0;
};
