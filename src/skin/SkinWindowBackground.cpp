#include "skin/SkinWindow.h"

#include <cstring>

#include "drawing/Bitmap.h"
#include "drawing/Graphics.h"
#include "drawing/Image.h"
#include "drawing/LayeredDrawing.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "element/WindowRouting.h"
#include "imaging/SkinImage.h"
#include "skin/WindowGeometry.h"

namespace {

Surface copyOf(const Surface& source)
{
    Surface copy(source.width(), source.height());
    if (copy && source)
        BitBlt(copy.dc(), 0, 0, source.width(), source.height(), source.dc(), 0, 0, SRCCOPY);
    return copy;
}

}  // namespace

void SkinWindow::setBackground(const BackgroundChange& change)
{
    const bool fade = change.fadeIntervalMs > 0 && m_hwnd && m_layers.background;
    if (fade)
        m_fade.snapshot = copyOf(m_layers.background);
    if (change.colour)
        m_background.colour = *change.colour;
    if (change.opacity)
        m_background.opacity = *change.opacity;
    if (change.layout)
        m_background.layout = *change.layout;
    if (change.image) {
        m_background.bytes = *change.image;
        m_background.isNineGrid = !m_background.bytes.empty() && hasNineGridMarkers(m_background.bytes);
        m_background.nineGrid.Clear();
        if (m_background.isNineGrid)
            m_background.nineGrid.LoadStates(m_background.bytes);
        prepareBackground();
    }
    if (!m_hwnd)
        return;
    compose(!fade);
    if (fade)
        startFade(change.fadeIntervalMs);
}

void SkinWindow::setBackgroundLayout(BackgroundLayout layout, bool recompose)
{
    m_background.layout = layout;
    if (recompose && m_hwnd)
        compose(true);
}

void SkinWindow::startFade(UINT intervalMs)
{
    if (m_fade.timer)
        KillTimer(m_hwnd, m_fade.timer);
    m_fade.running = true;
    skin::setProperty(m_hwnd, skin::kPropFading, 1);
    skin::setProperty(m_hwnd, skin::kPropFadeSnapshot, reinterpret_cast<INT_PTR>(m_fade.snapshot.dc()));
    m_fade.timer = SetTimer(m_hwnd, skin::kFadeTimerId, intervalMs, nullptr);
    m_fade.step = 25;
    m_fade.alpha = 25;
    skin::setProperty(m_hwnd, skin::kPropFadeAlpha, 25);
}

void SkinWindow::fadeStep(int step)
{
    const FadeFrame frame = fadeFrameForStep(step);
    m_fade.running = frame.blended;
    if (frame.blended) {
        m_fade.alpha = frame.alpha;
        skin::setProperty(m_hwnd, skin::kPropFadeAlpha, frame.alpha);
    } else {
        skin::setProperty(m_hwnd, skin::kPropFading, 0);
    }
    buildComposedSurface();
    presentComposed();
    if (WindowRecord* entry = record())
        for (HWND child : entry->childWindows)
            if (IsWindow(child) && IsWindowVisible(child) && GetPropA(child, skin::kPropFrameworkChild)) {
                callWindowHandler(child, skin::kMsgRecompose, 0, 0);
                InvalidateRect(child, nullptr, FALSE);
            }
}

ByteArray SkinWindow::windowPicture(int width, int height) const
{
    if (!m_layers.composed || width <= 0 || height <= 0)
        return {};
    // The surface holds premultiplied pixels; GDI+ takes them as such and scales them.
    Bitmap full;
    if (!full.Create(m_layers.composed.width(), m_layers.composed.height(), PixelFormat32bppPARGB))
        return {};
    flat::BitmapData data{};
    flat::GpRect area{0, 0, m_layers.composed.width(), m_layers.composed.height()};
    if (!full.LockBits(&area, flat::ImageLockModeWrite, PixelFormat32bppPARGB, data))
        return {};
    GdiFlush();
    for (int row = 0; row < m_layers.composed.height(); ++row)
        std::memcpy(static_cast<char*>(data.Scan0) + static_cast<std::ptrdiff_t>(row) * data.Stride,
            m_layers.composed.bits() + static_cast<std::ptrdiff_t>(row) * m_layers.composed.width(),
            static_cast<std::size_t>(m_layers.composed.width()) * 4);
    full.UnlockBits(data);

    Bitmap scaled;
    Graphics graphics;
    if (!scaled.Create(width, height) || !graphics.GetImageGraphicsContext(scaled))
        return {};
    graphics.SetInterpolationMode(flat::InterpolationModeHighQualityBicubic);
    graphics.DrawImage(full, 0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height));
    graphics.Delete();
    return scaled.SaveToBytes(kPngFormat);
}
