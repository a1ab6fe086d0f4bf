#pragma once

#include "drawing/Image.h"

// A picture whose pixels the program creates, reads and writes.
class Bitmap : public Image {
public:
    // Decodes as a bitmap, so its pixels can be read and written.
    bool LoadFromBytes(ByteView bytes, bool useColourManagement = false);
    bool LoadFromFile(const std::wstring& path, bool useColourManagement = false);

    bool Create(int width, int height, int pixelFormat = kPixelFormat32bppArgb);
    bool CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette);
    // A new GDI bitmap (owned by the caller) or null.
    HBITMAP GetHBITMAP(std::uint32_t backgroundArgb) const;
    // A new icon (owned by the caller) or null.
    HICON GetHICON() const;

    // Copies an area into `target`, which then owns the copy.
    bool CloneArea(const RectF& area, int pixelFormat, Bitmap& target) const;

    // 0 for a point outside the picture.
    std::uint32_t GetPixel(int x, int y) const;
    bool SetPixel(int x, int y, std::uint32_t argb);

private:
    flat::GpBitmap* bitmap() const { return static_cast<flat::GpBitmap*>(native()); }
};
