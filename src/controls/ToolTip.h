#pragma once

#include <windows.h>

#include <string>

// One standard tooltip window for a hosting window. Windowless controls are tools by their
// control id and keep the tool's rectangle on their own rectangle in the host; the tooltip
// subclasses the host and shows a tool's text while the mouse rests in its rectangle. The
// object owns the tooltip window and destroys it with itself.
class ToolTip {
public:
    static constexpr int kMaxWidth = 600;

    ToolTip() = default;
    ~ToolTip() { destroy(); }
    ToolTip(const ToolTip&) = delete;
    ToolTip& operator=(const ToolTip&) = delete;

    // The tooltip window, wrapping at kMaxWidth; a tooltip made before is destroyed first.
    HWND create(HWND owner, bool balloon = false);
    void destroy();

    // Without a rectangle the tool covers the owner's client area.
    bool addTool(int id, const std::wstring& text, const RECT* rect);
    void removeTool(int id);
    int toolCount() const;
    void setToolRect(int id, const RECT& rect);
    void setToolText(int id, const std::wstring& text);
    // Hands the tip a move of the mouse over the owner it did not see, as the subclassing would.
    void relayMouseMove(LPARAM position);
    void setBackColour(COLORREF colour);
    void setTextColour(COLORREF colour);
    void setMaxWidth(int width);

    HWND window() const { return m_window; }
    explicit operator bool() const { return m_window != nullptr; }

private:
    HWND m_window = nullptr;
    HWND m_owner = nullptr;
};
