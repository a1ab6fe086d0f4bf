#pragma once

#include <windows.h>

#include <string>

#include "element/WindowCursors.h"

// A cursor chosen by kind (a shared system cursor) or loaded from a file (our own). Only a
// file's cursor is destroyed: system cursors are shared by every program and must live on.
class SkinCursor {
public:
    SkinCursor() = default;
    SkinCursor(const SkinCursor&) = delete;
    SkinCursor& operator=(const SkinCursor&) = delete;
    ~SkinCursor() { reset(); }

    // False, keeping the cursor held before, when the file cannot be loaded.
    bool load(int kind, const std::wstring& file = std::wstring())
    {
        HCURSOR cursor = file.empty() ? LoadCursorW(nullptr, systemCursorForKind(kind))
                                      : LoadCursorFromFileW(file.c_str());
        if (!cursor)
            return false;
        if (cursor != m_cursor)
            reset();
        m_cursor = cursor;
        m_fromFile = !file.empty();
        return true;
    }

    void reset()
    {
        if (m_cursor && m_fromFile)
            DestroyCursor(m_cursor);
        m_cursor = nullptr;
        m_fromFile = false;
    }

    HCURSOR get() const { return m_cursor; }
    explicit operator bool() const { return m_cursor != nullptr; }

private:
    HCURSOR m_cursor = nullptr;
    bool m_fromFile = false;
};
