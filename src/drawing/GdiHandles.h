#pragma once

#include <windows.h>

#include "core/UniqueHandle.h"

// GDI objects the drawing layer makes, counted like its GDI+ objects.
void deleteMemoryDc(HDC dc);
void deleteGdiBitmap(HBITMAP bitmap);

using MemoryDc = UniqueHandle<HDC, &deleteMemoryDc>;
using GdiBitmap = UniqueHandle<HBITMAP, &deleteGdiBitmap>;

// A memory device context compatible with `dc` (the screen when null).
MemoryDc createMemoryDc(HDC dc = nullptr);
// A top-down 32-bit DIB section; `bits` receives its pixels.
GdiBitmap createDibSection(int width, int height, void** bits);
