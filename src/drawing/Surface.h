#pragma once

#include <windows.h>

#include <cstdint>

#include "core/Bytes.h"
#include "drawing/GdiHandles.h"

// A 32-bit premultiplied-alpha picture in a memory device context, ready for GDI, GDI+ and
// UpdateLayeredWindow. It starts fully transparent. The bitmap stays selected for the
// surface's life and is put back out of the context before either is deleted, so both are
// freed exactly once.
class Surface {
public:
    Surface() = default;
    // An empty surface when the size is not positive or the system refuses.
    Surface(int width, int height);
    Surface(Surface&& other) noexcept;
    Surface& operator=(Surface&& other) noexcept;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface();

    // The picture decoded at its own size; an empty surface when it cannot be decoded.
    static Surface fromImage(ByteView encoded);

    explicit operator bool() const { return static_cast<bool>(m_dc); }
    HDC dc() const { return m_dc.get(); }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // The pixel as premultiplied 0xAARRGGBB; 0 outside the surface.
    std::uint32_t pixel(int x, int y) const;
    void setPixel(int x, int y, std::uint32_t premultipliedArgb);
    std::uint32_t* bits() const { return m_bits; }

    void clear();
    // Same size and the same pixels; two empty surfaces are the same.
    bool hasSamePixels(const Surface& other) const;

private:
    void release() noexcept;

    MemoryDc m_dc;
    GdiBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;
    std::uint32_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
};
