#include "skin/SkinWindow.h"

#include "drawing/Colour.h"
#include "drawing/GdiHandles.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/Image.h"
#include "drawing/LayeredDrawing.h"
#include "drawing/Pen.h"
#include "drawing/SolidBrush.h"
#include "drawing/TextureBrush.h"
#include "element/ControlBase.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "element/WindowRouting.h"
#include "skin/WindowGeometry.h"

namespace {

void outline(Graphics& graphics, float inset, float width, float height, int radius, COLORREF colour, int alpha)
{
    GraphicsPath path;
    path.Create();
    addRoundedRectangle(path, inset, inset, width - 1 - 2 * inset, height - 1 - 2 * inset, radius);
    Pen pen;
    pen.Create(toArgb(colour, alpha), 1.0f);
    graphics.DrawPath(pen, path);
}

// Leaves the client areas of visible child windows out of a device context's clip.
void excludeChildWindows(HWND window, HDC dc)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        RECT bounds{};
        GetWindowRect(child, &bounds);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&bounds), 2);
        ExcludeClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    }
}

}  // namespace

void SkinWindow::compose(bool present, bool redrawControls)
{
    if (!m_hwnd)
        return;
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int width = m_size.layoutWidth > 0 ? m_size.layoutWidth : client.right;
    const int height = m_size.layoutHeight > 0 ? m_size.layoutHeight : client.bottom;

    m_layers.background = Surface(width, height);
    HWND parent = m_attachment.embeddedChild ? GetParent(m_hwnd) : nullptr;
    if (parent && GetPropA(parent, skin::kPropFrameworkWindow)) {
        if (auto source = static_cast<HDC>(GetPropA(parent, skin::kPropParentBackground))) {
            POINT offset{0, 0};
            MapWindowPoints(m_hwnd, parent, &offset, 1);
            BitBlt(m_layers.background.dc(), 0, 0, width, height, source, offset.x, offset.y, SRCCOPY);
        }
    }
    skin::setProperty(m_hwnd, skin::kPropBackgroundLayer, reinterpret_cast<INT_PTR>(m_layers.background.dc()));
    if (m_layers.background) {
        Graphics graphics;
        if (graphics.CreateFromHDC(m_layers.background.dc())) {
            drawBackground(graphics);
            drawCaptionIcon(graphics);
        }
    }
    // The caption is drawn anew over what the next composed surface puts under it.
    m_layers.caption = Surface();

    WindowRecord* entry = record();
    if (redrawControls && entry)
        for (int id = 1; id <= entry->controlCount(); ++id) {
            ControlRecord* control = entry->control(id);
            if (control && control->inUse() && control->object)
                control->object->redraw(skin::RedrawReason::Render);
        }
    buildComposedSurface();
    if (present)
        presentComposed();
    if (parent && GetPropA(parent, skin::kPropLayered) && GetPropA(parent, skin::kPropFirstShowDone))
        if (SkinWindow* parentWindow = fromHandle(parent))
            parentWindow->buildComposedSurface();
    m_fullRepaint = false;
}

void SkinWindow::drawBackground(Graphics& graphics)
{
    graphics.ResetClip();
    const int width = m_layers.background.width();
    const int height = m_layers.background.height();
    if (m_skinLoaded && m_layered) {
        m_skin.SetBounds(0, 0, width, height);
        m_skin.DrawState(graphics, 1);
    }

    const int inset = m_skinLoaded ? m_frame.width : 0;
    GraphicsPath interior;
    interior.Create();
    addRoundedRectangle(interior, static_cast<float>(inset), static_cast<float>(inset),
        static_cast<float>(width - 2 * inset), static_cast<float>(height - 2 * inset),
        m_frame.drawn && m_frame.rounded ? 8 : 0);
    graphics.SetClipPath(interior);
    if (m_background.colour != -1) {
        SolidBrush fill;
        fill.Create(toArgb(static_cast<COLORREF>(m_background.colour), 255));
        graphics.FillRectangle(fill, 0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height));
    }
    RECT interiorRect{inset, inset, width - inset, height - inset};
    drawBackgroundPicture(graphics, interiorRect);
    for (OverlayRecord& overlay : m_overlays) {
        if (!overlay.visible)
            continue;
        overlay.image.SetBounds(overlay.x, overlay.y, overlay.width, overlay.height);
        overlay.image.DrawState(graphics, overlay.state);
    }
    graphics.ResetClip();
    if (m_frame.drawn)
        drawBorderLines(graphics);
}

void SkinWindow::drawBackgroundPicture(Graphics& graphics, const RECT& interior)
{
    if (m_background.isNineGrid) {
        m_background.nineGrid.SetBounds(
            interior.left, interior.top, interior.right - interior.left, interior.bottom - interior.top);
        m_background.nineGrid.DrawState(graphics, 1);
        return;
    }
    if (!m_layers.backgroundImage)
        return;
    const int width = m_layers.background.width();
    const int height = m_layers.background.height();
    const Placement place = backgroundPlacement(m_background.layout, width, height, m_layers.backgroundImage.width(),
        m_layers.backgroundImage.height(), m_frame.width);
    if (m_background.layout == BackgroundLayout::Tiled) {
        Image image;
        TextureBrush texture;
        if (image.LoadFromBytes(m_background.bytes) && texture.Create(image)) {
            texture.TranslateTransform(static_cast<float>(place.x), static_cast<float>(place.y));
            graphics.FillRectangle(texture, 0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height));
        }
        return;
    }
    graphics.Flush(flat::FlushIntentionSync);
    alphaBlend(m_layers.background.dc(), place.x, place.y, place.width, place.height, m_layers.backgroundImage.dc(), 0, 0,
        m_layers.backgroundImage.width(), m_layers.backgroundImage.height(), m_background.opacity);
}

void SkinWindow::drawBorderLines(Graphics& graphics)
{
    const auto width = static_cast<float>(m_layers.background.width());
    const auto height = static_cast<float>(m_layers.background.height());
    if (m_layered) {
        const int radius = m_frame.rounded ? 8 : 0;
        graphics.SetSmoothingMode(flat::SmoothingModeAntiAlias);
        outline(graphics, 0, width, height, radius, m_frame.colour, 50);
        outline(graphics, 1, width, height, radius, 0, 100);
        outline(graphics, 1, width, height, radius, m_frame.colour, 150);
        outline(graphics, 2, width, height, radius, 0xFFFFFF, 100);
        return;
    }
    const int radius = m_frame.rounded ? 7 : 0;
    outline(graphics, 0, width, height, radius, 0, 80);
    outline(graphics, 0, width, height, radius, m_frame.colour, 220);
    outline(graphics, 1, width, height, radius, 0xFFFFFF, 100);
}

void SkinWindow::buildComposedSurface()
{
    if (!m_hwnd)
        return;
    const int width = m_layers.background ? m_layers.background.width() : m_size.layoutWidth;
    const int height = m_layers.background ? m_layers.background.height() : m_size.layoutHeight;
    Surface composed(width, height);
    if (composed) {
        HDC dc = composed.dc();
        if (m_fade.running && m_fade.snapshot)
            alphaBlend(dc, 0, 0, width, height, m_fade.snapshot.dc(), 0, 0, m_fade.snapshot.width(),
                m_fade.snapshot.height(), 255);
        if (m_layers.background)
            alphaBlend(dc, 0, 0, width, height, m_layers.background.dc(), 0, 0, width, height,
                m_fade.running ? m_fade.alpha : 255);
        composeControls(composed);
        refreshCaptionLayer(composed);
        if (m_layers.caption)
            alphaBlend(dc, 0, 0, width, height, m_layers.caption.dc(), 0, 0, width, height, 255);
    }
    m_layers.composed = std::move(composed);
    skin::setProperty(m_hwnd, skin::kPropComposedSurface, reinterpret_cast<INT_PTR>(m_layers.composed.dc()));
}

void SkinWindow::composeControls(Surface& composed)
{
    WindowRecord* entry = record();
    if (!entry)
        return;
    const auto border = static_cast<int>(skin::property(m_hwnd, skin::kPropClipBorder));
    const auto radius = static_cast<int>(skin::property(m_hwnd, skin::kPropClipRadius));
    HDC dc = composed.dc();
    const ClipGuard clip = clipTo(dc,
        UniqueRegion(CreateRoundRectRgn(
            border, border, composed.width() - border + 1, composed.height() - border + 1, radius, radius))
            .get());
    for (const ControlRecord& control : entry->controls) {
        if (!control.inUse() || !control.visible || !control.surface)
            continue;
        alphaBlend(dc, control.rect.left, control.rect.top, control.surface.width(), control.surface.height(),
            control.surface.dc(), 0, 0, control.surface.width(), control.surface.height(), 255);
    }
    for (HWND child : entry->childWindows) {
        if (!IsWindow(child) || !IsWindowVisible(child) || !GetPropA(child, skin::kPropFrameworkChild))
            continue;
        SkinWindow* childWindow = fromHandle(child);
        if (!childWindow)
            continue;
        childWindow->buildComposedSurface();
        const Surface& picture = childWindow->composedSurface();
        RECT bounds{};
        GetWindowRect(child, &bounds);
        MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&bounds), 2);
        alphaBlend(dc, bounds.left, bounds.top, picture.width(), picture.height(), picture.dc(), 0, 0,
            picture.width(), picture.height(), 255);
    }
}

void SkinWindow::presentComposed()
{
    if (!m_hwnd || !m_layers.composed)
        return;
    if (m_layered) {
        updateLayered(m_hwnd, m_layers.composed.dc());
        return;
    }
    copySurfaceExcludingChildren(windowDc(m_hwnd).get());
}

void SkinWindow::copySurfaceExcludingChildren(HDC dc)
{
    if (!m_layers.composed)
        return;
    excludeChildWindows(m_hwnd, dc);
    BitBlt(dc, 0, 0, m_layers.composed.width(), m_layers.composed.height(), m_layers.composed.dc(), 0, 0, SRCCOPY);
}

void SkinWindow::presentArea(const RECT& area)
{
    if (!m_hwnd)
        return;
    buildComposedSurface();
    if (m_layered || !m_layers.composed) {
        presentComposed();
        return;
    }
    const WindowDc dc = windowDc(m_hwnd);
    IntersectClipRect(dc.get(), area.left, area.top, area.right, area.bottom);
    BitBlt(dc.get(), 0, 0, m_layers.composed.width(), m_layers.composed.height(), m_layers.composed.dc(), 0, 0,
        SRCCOPY);
}

void SkinWindow::surfacePaint(HDC paintDc)
{
    if (m_firstShowPending) {
        // The effect plays the window's picture, so it needs one composed before it.
        if (m_effects.show != ShowEffect::None && !GetPropA(m_hwnd, skin::kPropShowEffectPlayed)) {
            compose();
            skin::setProperty(m_hwnd, skin::kPropShowEffectPlayed, 1);
            playShowEffect();
        }
        compose(true);
        showShadow(true);
        m_firstShowPending = false;
        skin::setProperty(m_hwnd, skin::kPropFirstShowDone, 1);
        return;
    }
    buildComposedSurface();
    if (m_layered)
        presentComposed();
    else
        copySurfaceExcludingChildren(paintDc);
}

void SkinWindow::showPaint()
{
    HWND parent = m_attachment.embeddedChild ? GetParent(m_hwnd) : nullptr;
    if (parent) {
        if (SkinWindow* parentWindow = fromHandle(parent)) {
            parentWindow->buildComposedSurface();
            parentWindow->presentComposed();
            return;
        }
    }
    buildComposedSurface();
    presentComposed();
}

void SkinWindow::applyWindowRegion()
{
    if (!m_hwnd || m_layered)
        return;
    RECT client{};
    GetClientRect(m_hwnd, &client);
    int ellipse = 0;
    if (m_skinLoaded)
        ellipse = m_skin.GetCornerRadius() - 1;
    else if (m_frame.drawn && m_frame.rounded)
        ellipse = 5;
    else
        return;
    UniqueRegion region(CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, ellipse, ellipse));
    // The system owns the region once it has taken it.
    if (region && SetWindowRgn(m_hwnd, region.get(), TRUE))
        region.release();
}

void SkinWindow::prepareBackground()
{
    m_layers.backgroundImage = m_background.bytes.empty() ? Surface() : Surface::fromImage(m_background.bytes);
}

bool SkinWindow::isOpaqueAt(int x, int y) const
{
    return (m_layers.composed.pixel(x, y) >> 24) != 0;
}
