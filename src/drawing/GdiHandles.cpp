#include "drawing/GdiHandles.h"

#include "drawing/LiveObjects.h"

void deleteMemoryDc(HDC dc)
{
    DeleteDC(dc);
    noteDeleted(NativeKind::MemoryDc);
}

void deleteGdiBitmap(HBITMAP bitmap)
{
    DeleteObject(bitmap);
    noteDeleted(NativeKind::GdiBitmap);
}

MemoryDc createMemoryDc(HDC dc)
{
    HDC created = CreateCompatibleDC(dc);
    if (created)
        noteCreated(NativeKind::MemoryDc);
    return MemoryDc(created);
}

GdiBitmap createDibSection(int width, int height, void** bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP created = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits)
        *bits = created ? pixels : nullptr;
    if (created)
        noteCreated(NativeKind::GdiBitmap);
    return GdiBitmap(created);
}
