#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "core/Bytes.h"
#include "drawing/Surface.h"
#include "imaging/NineGridImage.h"
#include "skin/SkinWindow.h"

// The smallest box around the pixels a test counts as ink.
struct InkBox {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
    int count = 0;

    bool empty() const { return count == 0; }
    bool operator==(const InkBox& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom
            && count == other.count;
    }
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

// Ink is any pixel with some alpha unless told otherwise.
InkBox inkBox(const Surface& surface, const std::function<bool(std::uint32_t)>& isInk = {});

int channelOf(std::uint32_t pixel, int shift);
// Premultiplied pixel back to straight 0x00RRGGBB colour, so shades compare whatever the alpha.
std::uint32_t straightColour(std::uint32_t pixel);
// Every channel of two 0xAARRGGBB values within `tolerance`.
bool pixelNear(std::uint32_t actual, std::uint32_t expected, int tolerance = 3);
std::string hexPixel(std::uint32_t pixel);
// An opaque pixel whose every channel lies between those of two 0x00BBGGRR colours (within
// `tolerance`): one of them, or text anti-aliased from one onto the other.
bool opaqueMixOf(std::uint32_t pixel, COLORREF a, COLORREF b, int tolerance = 2);

// The message box's button skin: three nine-grid states.
NineGridImage buttonSkin();
// A frame of the message box's icon strip: 1 question, 2 information, 3 exclamation.
ByteArray messageBoxIcon(int frame);

// A shown layered window on a white background, its first composition done, for pixel checks
// of controls as the window composes them and for pictures a person looks at.
class GalleryWindow {
public:
    GalleryWindow(int width, int height, int opacity = 255);
    ~GalleryWindow();
    GalleryWindow(const GalleryWindow&) = delete;
    GalleryWindow& operator=(const GalleryWindow&) = delete;

    HWND handle() const { return m_handle; }
    SkinWindow& window() { return m_window; }
    // Redraws every control and composes again.
    void recompose();
    std::uint32_t pixel(int x, int y) const { return m_window.composedSurface().pixel(x, y); }
    void save(const std::wstring& artifactName) const;

private:
    SkinWindow m_window;
    HWND m_handle = nullptr;
    int m_width = 0;
    int m_height = 0;
};
