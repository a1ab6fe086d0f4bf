#include "controls/SkinPicture.h"

#include "controls/PicturePainter.h"
#include "core/ThreadTimers.h"
#include "drawing/Graphics.h"
#include "drawing/Image.h"
#include "drawing/LayeredDrawing.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"

namespace {


Surface copyOf(const Surface& source)
{
    Surface copy(source.width(), source.height());
    if (copy)
        BitBlt(copy.dc(), 0, 0, source.width(), source.height(), source.dc(), 0, 0, SRCCOPY);
    return copy;
}

} // namespace

// The timers call back into this object, so they never outlive it.
SkinPicture::~SkinPicture()
{
    destroyIfCreated();
    stopTimers();
}

int SkinPicture::create(HWND window, const PictureOptions& options)
{
    if (id() > 0)
        return id();
    ControlOptions base = placedOptions(options);
    base.backColour = options.backColour;
    base.backAlpha = options.backAlpha;
    base.skin = options.skin;
    base.kind = skin::kKindPicture;
    const int created = ControlBase::create(window, base);
    if (created == 0)
        return 0;
    m_image = options.image;
    m_mode = options.mode;
    rebuildCache();
    return created;
}

void SkinPicture::setImage(const ByteArray& image, std::optional<int> mode, bool present)
{
    m_image = image;
    if (mode)
        m_mode = *mode;
    rebuildCache();
    redraw(present ? skin::RedrawReason::Present : skin::RedrawReason::Render);
}

float SkinPicture::rotation(std::optional<float> angle)
{
    if (angle) {
        m_rotation = *angle;
        rebuildCache();
        redraw(skin::RedrawReason::Present);
    }
    return m_rotation;
}

// The picture is decoded and turned once, not at every draw; the turned picture keeps the
// size of the original, so its corners are cut.
void SkinPicture::rebuildCache()
{
    m_cache.Dispose();
    if (m_image.empty())
        return;
    Image decoded;
    if (!decoded.LoadFromBytes(m_image))
        return;
    const int width = decoded.GetWidth();
    const int height = decoded.GetHeight();
    if (!m_cache.Create(width, height))
        return;
    Graphics graphics;
    if (!graphics.GetImageGraphicsContext(m_cache)) {
        m_cache.Dispose();
        return;
    }
    if (m_rotation != 0.0f)
        graphics.RotateAt(m_rotation, PointF(width / 2.0f, height / 2.0f));
    graphics.DrawImageI(decoded, 0, 0, width, height);
}

void SkinPicture::redraw(skin::RedrawReason reason)
{
    Surface* surface = beginRendering();
    if (!surface)
        return;
    {
        Graphics graphics;
        if (graphics.CreateFromHDC(surface->dc())) {
            graphics.SetTextRenderingHint(flat::TextRenderingHintAntiAliasGridFit);
            PictureDrawing drawing;
            drawing.box = { 0, 0, width(), height() };
            drawing.image = m_image;
            drawing.decoded = m_cache ? &m_cache : nullptr;
            drawing.mode = m_mode;
            drawing.tintColour = backColour();
            drawing.tintAlpha = backAlpha();
            drawing.skin = skinLoaded() ? &m_skin : nullptr;
            drawPicture(graphics, drawing);
        }
    }
    if (m_running)
        m_snapshot = copyOf(*surface);
    if (reason != skin::RedrawReason::Render)
        present();
}

int SkinPicture::addSlide(const ByteArray& image)
{
    m_slides.push_back(image);
    return slideCount();
}

void SkinPicture::clearSlides()
{
    stopSlideshow();
    m_slides.clear();
    m_slideIndex = 0;
    m_fadeAlpha = 0;
    m_fadeSteps = 0;
}

void SkinPicture::startSlideshow(int intervalMs, int option)
{
    m_slideInterval = clampSlideInterval(intervalMs);
    m_slideOption = option;
    m_running = true;
    nextSlide();
}

void SkinPicture::nextSlide()
{
    stopTimers();
    // A fade cut short by a pause starts over rather than half-way.
    m_fadeSteps = 0;
    m_fadeAlpha = 0;
    m_slideIndex = clampSlide(m_slideIndex, slideCount());
    if (m_slides.empty()) {
        redraw(skin::RedrawReason::Present);
        return;
    }
    takeSnapshot();
    m_slideTimer = startTimer(static_cast<UINT>(m_slideInterval));
    m_fadeTimer = startTimer(kFadeTickMs);
}

void SkinPicture::takeSnapshot()
{
    const ControlRecord* own = record();
    m_snapshot = own && own->surface ? copyOf(own->surface) : Surface();
}

void SkinPicture::stopTimers()
{
    stopTimer(m_slideTimer);
    stopTimer(m_fadeTimer);
    m_slideTimer = 0;
    m_fadeTimer = 0;
}

void SkinPicture::haltSlideshow(bool clearRunning, bool present)
{
    if (clearRunning)
        m_running = false;
    stopTimers();
    ControlRecord* own = record();
    if (m_snapshot && own && own->surface)
        BitBlt(own->surface.dc(), 0, 0, m_snapshot.width(), m_snapshot.height(), m_snapshot.dc(), 0, 0, SRCCOPY);
    m_snapshot = Surface();
    if (present)
        this->present();
}

void SkinPicture::onTimer(UINT_PTR id)
{
    if (id == 0)
        return;
    if (id == m_fadeTimer)
        onFadeTick();
    else if (id == m_slideTimer)
        onSlideTick();
}

void SkinPicture::onFadeTick()
{
    ++m_fadeSteps;
    if (m_fadeSteps < kFadeTicks) {
        m_fadeAlpha = nextFadeAlpha(m_fadeAlpha);
        drawFadeFrame();
        return;
    }
    stopTimer(m_fadeTimer);
    m_fadeTimer = 0;
    m_fadeSteps = 0;
    m_fadeAlpha = 0;
}

void SkinPicture::onSlideTick()
{
    m_slideIndex = followingSlide(m_slideIndex, slideCount());
    stopTimer(m_fadeTimer);
    m_fadeSteps = 0;
    m_fadeAlpha = 0;
    m_fadeTimer = startTimer(kFadeTickMs);
}

// The snapshot, the current slide over it at the fade's opacity inside the skin's frame,
// then the frame itself.
void SkinPicture::drawFadeFrame()
{
    ControlRecord* own = record();
    if (!own || m_slideIndex < 1 || m_slideIndex > slideCount())
        return;
    if (!own->surface)
        own->surface = createSurface();
    Surface& surface = own->surface;
    if (m_snapshot)
        BitBlt(surface.dc(), 0, 0, m_snapshot.width(), m_snapshot.height(), m_snapshot.dc(), 0, 0, SRCCOPY);
    const PictureBox box { 0, 0, width(), height() };
    Surface slideLayer(width(), height());
    Image slide;
    if (slideLayer && slide.LoadFromBytes(m_slides[m_slideIndex - 1])) {
        Graphics graphics;
        if (graphics.CreateFromHDC(slideLayer.dc())) {
            if (skinLoaded())
                clipToSkinInterior(graphics, m_skin, box);
            drawPlacedImage(graphics, slide, m_mode, box);
        }
    }
    if (slideLayer)
        alphaBlend(surface.dc(), 0, 0, width(), height(), slideLayer.dc(), 0, 0, width(), height(), m_fadeAlpha);
    if (skinLoaded()) {
        Graphics graphics;
        if (graphics.CreateFromHDC(surface.dc())) {
            m_skin.SetBounds(box.x, box.y, box.width, box.height);
            m_skin.DrawState(graphics, kSkinNormal);
        }
    }
    present();
}

std::optional<LRESULT> SkinPicture::handleClassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)window, (void)lParam;
    if (message == WM_SHOWWINDOW && m_running) {
        if (wParam != 0)
            nextSlide();
        else
            haltSlideshow(false, true);
    }
    return std::nullopt;
}

void SkinPicture::onDestroying()
{
    // No present: the control is going away.
    haltSlideshow(true, false);
    m_cache.Dispose();
    m_image.clear();
    m_slides.clear();
    m_mode = 0;
    m_slideIndex = 0;
    m_slideInterval = kDefaultSlideInterval;
    m_fadeAlpha = 0;
    m_fadeSteps = 0;
    m_slideOption = 0;
    m_rotation = 0.0f;
}
