#pragma once

#include <windows.h>

#include "core/UniqueHandle.h"

// GDI objects the drawing layer makes, counted like its GDI+ objects.
void deleteMemoryDc(HDC dc);
void deleteGdiBitmap(HBITMAP bitmap);

using MemoryDc = UniqueHandle<HDC, &deleteMemoryDc>;
using GdiBitmap = UniqueHandle<HBITMAP, &deleteGdiBitmap>;

inline void deleteRegion(HRGN region) { DeleteObject(region); }
using UniqueRegion = UniqueHandle<HRGN, &deleteRegion>;

// A window's or the screen's device context, given back to the window it came from.
inline void releaseWindowDc(HDC dc) { ReleaseDC(WindowFromDC(dc), dc); }
using WindowDc = UniqueHandle<HDC, &releaseWindowDc>;
inline WindowDc windowDc(HWND window) { return WindowDc(GetDC(window)); }

// Clips drawing into the device context to a region until the guard goes; the region itself
// is copied by the system, so the caller's may go at once. A null region clips nothing.
inline void clearClip(HDC dc) { SelectClipRgn(dc, nullptr); }
using ClipGuard = UniqueHandle<HDC, &clearClip>;
inline ClipGuard clipTo(HDC dc, HRGN region)
{
    if (!region || SelectClipRgn(dc, region) == ERROR)
        return {};
    return ClipGuard(dc);
}

// A memory device context compatible with `dc` (the screen when null).
MemoryDc createMemoryDc(HDC dc = nullptr);
// A top-down 32-bit DIB section; `bits` receives its pixels.
GdiBitmap createDibSection(int width, int height, void** bits);
