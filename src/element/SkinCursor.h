#pragma once

#include <windows.h>

#include <string>

#include "core/Win32Handles.h"
#include "element/WindowCursors.h"

// A cursor chosen by kind (a shared system cursor) or loaded from a file (our own). Only a
// file's cursor is owned: system cursors are shared by every program and must live on.
class SkinCursor {
public:
    // False, keeping the cursor held before, when the file cannot be loaded.
    bool load(CursorKind kind, const std::wstring& file = std::wstring())
    {
        if (!file.empty()) {
            UniqueCursor loaded(LoadCursorFromFileW(file.c_str()));
            if (!loaded)
                return false;
            m_shared = nullptr;
            m_own = std::move(loaded);
            return true;
        }
        HCURSOR shared = LoadCursorW(nullptr, systemCursorForKind(kind));
        if (!shared)
            return false;
        m_own.reset();
        m_shared = shared;
        return true;
    }

    void reset()
    {
        m_own.reset();
        m_shared = nullptr;
    }

    HCURSOR get() const { return m_own ? m_own.get() : m_shared; }
    explicit operator bool() const { return get() != nullptr; }

private:
    UniqueCursor m_own;
    HCURSOR m_shared = nullptr;
};
