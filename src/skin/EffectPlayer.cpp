#include "skin/EffectPlayer.h"

#include <algorithm>

#include "drawing/Bitmap.h"
#include "drawing/Graphics.h"
#include "drawing/LayeredDrawing.h"
#include "imaging/SkinPictures.h"
#include "skin/TurnProjection.h"

namespace {

EffectPlayer::FrameObserver& frameObserver()
{
    static EffectPlayer::FrameObserver observer;
    return observer;
}

bool g_sleepsSkipped = false;

PixelView pixelsOf(const Surface& surface)
{
    GdiFlush();
    return { surface.bits(), surface.width(), surface.height() };
}

}  // namespace

void EffectPlayer::setFrameObserver(FrameObserver observer)
{
    frameObserver() = std::move(observer);
}

void EffectPlayer::setSleepsSkipped(bool skipped)
{
    g_sleepsSkipped = skipped;
}

EffectPlayer::EffectPlayer(const Surface& picture, int margin)
    : m_picture(picture.width(), picture.height())
    , m_margin(margin)
{
    if (m_picture)
        BitBlt(m_picture.dc(), 0, 0, picture.width(), picture.height(), picture.dc(), 0, 0, SRCCOPY);
}

void EffectPlayer::play(HWND window, const std::vector<EffectFrame>& frames)
{
    int width = 0;
    int height = 0;
    for (const EffectFrame& frame : frames) {
        width = std::max(width, frame.rect.width);
        height = std::max(height, frame.rect.height);
    }
    ensureFrameSize(width, height);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const EffectFrame& frame = frames[i];
        const EffectRect& rect = frame.rect;
        if (drawFrame(frame)) {
            LayeredPlacement placement;
            placement.alpha = frame.alpha;
            placement.target = RECT { rect.x, rect.y, rect.x + rect.width, rect.y + rect.height };
            updateLayered(window, m_frame.dc(), placement);
            if (frameObserver())
                frameObserver()(static_cast<int>(i) + 1, frame, m_frame);
        }
        if (!g_sleepsSkipped && frame.sleepMs > 0)
            Sleep(static_cast<DWORD>(frame.sleepMs));
    }
}

void EffectPlayer::ensureFrameSize(int width, int height)
{
    width = std::max(width, m_picture.width()) + m_margin;
    height = std::max(height, m_picture.height()) + m_margin;
    if (m_frame.width() >= width && m_frame.height() >= height)
        return;
    m_frame = Surface(std::max(width, m_frame.width()), std::max(height, m_frame.height()));
    // The default mode (BLACKONWHITE) ANDs the pixels a shrink drops into those it keeps,
    // which darkens the picture: the success box, mean red, green, blue 224, 231, 235, shrinks
    // to 205, 211, 217 at 30 % (the zoom's first frame) and 177, 179, 187 at 10 %. This mode
    // keeps it within 3 of the original at either size.
    if (m_frame)
        SetStretchBltMode(m_frame.dc(), COLORONCOLOR);
}

const Surface& EffectPlayer::drawFrame(const EffectFrame& frame)
{
    static const Surface kNone;
    const int width = frame.rect.width;
    const int height = frame.rect.height;
    if (width <= 0 || height <= 0 || !m_picture)
        return kNone;
    ensureFrameSize(width, height);
    if (!m_frame)
        return kNone;
    switch (frame.look) {
    case FrameLook::Stretched:
        StretchBlt(
            m_frame.dc(), 0, 0, width, height, m_picture.dc(), 0, 0, m_picture.width(), m_picture.height(), SRCCOPY);
        break;
    case FrameLook::Blended:
        // Blending over the frame before would keep it where the picture is transparent.
        m_frame.clear();
        alphaBlend(m_frame.dc(), 0, 0, width, height, m_picture.dc(), 0, 0, m_picture.width(), m_picture.height(), 255);
        break;
    case FrameLook::Streak:
        drawStreak(frame);
        break;
    case FrameLook::Turned:
        drawTurned(frame);
        break;
    }
    return m_frame;
}

void EffectPlayer::drawStreak(const EffectFrame& frame)
{
    if (!m_streak)
        m_streak.LoadFromBytes(kLightStreak.bytes());
    const auto white = static_cast<std::uint32_t>(std::clamp(frame.whiteAlpha, 0, 255)) * 0x01010101u;
    GdiFlush();
    std::fill(m_frame.bits(), m_frame.bits() + static_cast<std::size_t>(m_frame.width()) * m_frame.height(), white);
    // GDI+ draws straight into the frame's pixels: through a device context Wine takes
    // several times as long.
    Bitmap canvas;
    Graphics graphics;
    if (!m_streak
        || !canvas.CreateFromScan0(m_frame.width(), m_frame.height(), m_frame.width() * 4, PixelFormat32bppPARGB,
            reinterpret_cast<std::uint8_t*>(m_frame.bits()))
        || !graphics.GetImageGraphicsContext(canvas))
        return;
    graphics.DrawImage(m_streak, frame.streakLeft, frame.streakTop, static_cast<float>(frame.streakWidth),
        static_cast<float>(m_streak.GetHeight()));
    graphics.Flush(flat::FlushIntentionSync);
}

void EffectPlayer::drawTurned(const EffectFrame& frame)
{
    m_frame.clear();
    PixelView target = pixelsOf(m_frame);
    mapPicture(target, pixelsOf(m_picture), turnedCorners(frame.rect.width, frame.rect.height, frame.angle));
}
