#include "SurfaceProbe.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "TestSupport.h"
#include "drawing/Colour.h"
#include "element/SkinConstants.h"
#include "imaging/ImageCodec.h"
#include "imaging/Pictures.h"
#include "imaging/SkinPictures.h"

InkBox inkBox(const Surface& surface, const std::function<bool(std::uint32_t)>& isInk)
{
    GdiFlush();
    InkBox box;
    box.left = surface.width();
    box.top = surface.height();
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) {
            const std::uint32_t pixel = surface.pixel(x, y);
            if (isInk ? !isInk(pixel) : (pixel >> 24) == 0)
                continue;
            ++box.count;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
        }
    return box;
}

int channelOf(std::uint32_t pixel, int shift)
{
    return static_cast<int>(pixel >> shift & 0xFF);
}

std::uint32_t straightColour(std::uint32_t pixel)
{
    const int alpha = channelOf(pixel, 24);
    if (alpha == 0)
        return 0;
    std::uint32_t colour = 0;
    for (int shift : { 0, 8, 16 })
        colour |= static_cast<std::uint32_t>(std::min(255, channelOf(pixel, shift) * 255 / alpha)) << shift;
    return colour;
}

bool pixelNear(std::uint32_t actual, std::uint32_t expected, int tolerance)
{
    for (int shift : { 0, 8, 16, 24 })
        if (std::abs(channelOf(actual, shift) - channelOf(expected, shift)) > tolerance)
            return false;
    return true;
}

std::string hexPixel(std::uint32_t pixel)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(pixel));
    return text;
}

bool opaqueMixOf(std::uint32_t pixel, COLORREF a, COLORREF b, int tolerance)
{
    for (int shift : { 0, 8, 16 }) {
        const auto [low, high] = std::minmax({ channelOf(toArgb(a), shift), channelOf(toArgb(b), shift) });
        if (channelOf(pixel, shift) < low - tolerance || channelOf(pixel, shift) > high + tolerance)
            return false;
    }
    return channelOf(pixel, 24) == 255;
}

NineGridImage buttonSkin()
{
    ImageCodec strip;
    strip.LoadStrip(kButtonSkin.bytes(), 0x7F007F);
    NineGridImage skin;
    skin.LoadStates(strip.GetFrame(1), ByteView(strip.GetFrame(2)), ByteView(strip.GetFrame(3)));
    return skin;
}

ByteArray messageBoxIcon(int frame)
{
    ImageCodec strip;
    strip.LoadStrip(kMessageBoxIcons.bytes());
    return strip.GetFrame(frame);
}

GalleryWindow::GalleryWindow(int width, int height, int opacity)
    : m_width(width)
    , m_height(height)
{
    WindowOptions options;
    options.width = width;
    options.height = height;
    options.backgroundColour = RGB(255, 255, 255);
    options.opacity = opacity;
    options.drawTitle = false;
    options.x = 0;
    options.y = 0;
    m_handle = m_window.createWindow(options);
    pumpUntil([this] { return GetPropA(m_handle, skin::kPropFirstShowDone) != nullptr; }, 3000);
}

GalleryWindow::~GalleryWindow()
{
    DestroyWindow(m_handle);
}

void GalleryWindow::recompose()
{
    m_window.compose(false, true);
}

void GalleryWindow::save(const std::wstring& artifactName) const
{
    saveArtifact(artifactName, m_window.windowPicture(m_width, m_height));
}
