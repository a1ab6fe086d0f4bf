#pragma once

#include <optional>

#include "drawing/Image.h"

class Graphics;

struct PixelSize {
    int width = 0;
    int height = 0;
};

// The size of the box around a width × height picture turned by `angle` degrees, rounded
// up to whole pixels; rounding noise does not add a pixel at multiples of 90°.
PixelSize rotatedBoundingSize(int width, int height, float angle);

// A picture whose pixels the program creates, reads and writes.
class Bitmap : public Image {
public:
    // Decodes as a bitmap, so its pixels can be read and written.
    bool LoadFromBytes(ByteView bytes, bool useColourManagement = false);
    bool LoadFromFile(const std::wstring& path, bool useColourManagement = false);

    bool Create(int width, int height, int pixelFormat = PixelFormat32bppARGB);
    // GDI+ works on `pixels` in place, so they must outlive the bitmap.
    bool CreateFromScan0(int width, int height, int stride, int pixelFormat, std::uint8_t* pixels);
    // A 32-bit bitmap with the resolution of `graphics`.
    bool CreateFromGraphics(int width, int height, const Graphics& graphics);
    bool CreateFromGdiDib(const BITMAPINFO* info, void* bits);
    bool CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette);
    bool CreateFromHICON(HICON icon);
    // `name` may be MAKEINTRESOURCEW of a number.
    bool CreateFromResource(HINSTANCE module, const wchar_t* name);
    // A new GDI bitmap (owned by the caller) or null.
    HBITMAP GetHBITMAP(std::uint32_t backgroundArgb) const;
    // A new icon (owned by the caller) or null.
    HICON GetHICON() const;

    // Copies an area into `target`, which then owns the copy.
    bool CloneArea(const RectF& area, int pixelFormat, Bitmap& target) const;
    bool CloneAreaI(const flat::GpRect& area, int pixelFormat, Bitmap& target) const;

    // A null area locks the whole picture. Every successful lock needs its unlock.
    bool LockBits(const flat::GpRect* area, int lockMode, int pixelFormat, flat::BitmapData& data);
    bool UnlockBits(flat::BitmapData& data);

    // 0 for a point outside the picture.
    std::uint32_t GetPixel(int x, int y) const;
    bool SetPixel(int x, int y, std::uint32_t argb);
    bool SetResolution(float dpiX, float dpiY);

    // Draws the picture turned clockwise by `angle` degrees about its centre into a new 32-bit
    // bitmap just large enough for it, with this picture's resolution, and gives that to
    // `target`. Without a background the corners stay transparent.
    bool RotateInto(float angle, Bitmap& target, std::optional<std::uint32_t> backgroundArgb = std::nullopt,
        std::optional<int> interpolationMode = std::nullopt) const;
    PixelSize GetRotatedSize(float angle) const;

private:
    flat::GpBitmap* bitmap() const { return static_cast<flat::GpBitmap*>(native()); }
};
