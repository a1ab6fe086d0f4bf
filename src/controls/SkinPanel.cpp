#include "controls/SkinPanel.h"

#include <algorithm>

#include "controls/PanelShapes.h"
#include "controls/PicturePainter.h"
#include "drawing/Bitmap.h"
#include "drawing/Colour.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/LayeredDrawing.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/Pen.h"
#include "drawing/SolidBrush.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"

namespace {


bool buildPath(GraphicsPath& path, const PanelFigure& figure)
{
    using Kind = PanelFigure::Kind;
    if (figure.kind == Kind::None || !path.Create())
        return false;
    switch (figure.kind) {
    case Kind::Rectangle:
        return path.AddRectangle(figure.x, figure.y, figure.width, figure.height);
    case Kind::RoundedRectangle:
        addRoundedRectangle(path, figure.x, figure.y, figure.width, figure.height, figure.corner);
        return true;
    case Kind::Ellipse:
        return path.AddEllipse(figure.x, figure.y, figure.width, figure.height);
    case Kind::Line:
        return path.AddLine(figure.x, figure.y, figure.width, figure.height);
    default:
        return false;
    }
}

} // namespace

SkinPanel::~SkinPanel()
{
    destroyIfCreated();
}

int SkinPanel::create(HWND window, const PanelOptions& options)
{
    if (id() > 0)
        return id();
    ControlOptions base = placedOptions(options);
    base.backColour = options.backColour;
    base.backAlpha = options.backAlpha;
    base.skin = options.skin;
    base.kind = skin::kKindPanel;
    const int created = ControlBase::create(window, base);
    if (created == 0)
        return 0;
    m_look = Look {};
    m_look.shape = options.shape;
    m_look.borderColour = options.borderColour;
    m_look.borderStyle = options.borderStyle;
    m_look.borderWidth = options.borderWidth;
    m_look.image = options.image;
    m_look.imageMode = options.imageMode;
    m_look.cornerSize = options.cornerSize;
    m_look.fillColour = options.fillColour;
    m_look.fillAlpha = options.fillAlpha;
    m_look.shadowColour = options.shadowColour;
    m_look.shadowSize = shadowSizeFor(options.borderStyle);
    return created;
}

void SkinPanel::setGradient(int direction, COLORREF colour1, int alpha1, COLORREF colour2, int alpha2, bool redraw)
{
    m_look.gradientOn = true;
    m_look.gradientDirection = direction;
    m_look.colour1 = colour1;
    m_look.alpha1 = alpha1;
    m_look.colour2 = colour2;
    m_look.alpha2 = alpha2;
    if (redraw)
        this->redraw(skin::RedrawReason::Present);
}

void SkinPanel::setFill(std::int32_t colour, int alpha, bool redraw)
{
    m_look.gradientOn = false;
    m_look.fillColour = colour;
    m_look.fillAlpha = alpha;
    if (redraw)
        this->redraw(skin::RedrawReason::Present);
}

void SkinPanel::onDestroying()
{
    m_look = Look {};
}

void SkinPanel::redraw(skin::RedrawReason reason)
{
    Surface* surface = beginRendering();
    if (!surface)
        return;
    {
        Graphics graphics;
        if (graphics.CreateFromHDC(surface->dc())) {
            graphics.SetTextRenderingHint(flat::TextRenderingHintAntiAliasGridFit);
            draw(graphics);
        }
    }
    if (reason != skin::RedrawReason::Render)
        present();
}

void SkinPanel::draw(Graphics& graphics)
{
    graphics.SetInterpolationMode(flat::InterpolationModeHighQualityBicubic);
    graphics.SetSmoothingMode(flat::SmoothingModeAntiAlias);
    if (isEdgeBorder(m_look.borderStyle))
        drawEdges(graphics);
    else
        drawOutline(graphics);
}

void SkinPanel::drawEdges(Graphics& graphics)
{
    GraphicsPath path;
    if (!buildPath(path, outlineFigure(m_look.shape, m_look.borderStyle, width(), height(), m_look.cornerSize, 0)))
        return;
    fill(graphics, path);
    const EdgePens pens = edgePens(m_look.borderStyle);
    Pen outer;
    if (outer.Create(pens.outer, 2.0f))
        graphics.DrawPath(outer, path);
    GraphicsPath inner;
    Pen innerPen;
    if (buildPath(inner, innerEdgeFigure(m_look.shape, width(), height(), m_look.cornerSize))
        && innerPen.Create(pens.inner, 1.0f))
        graphics.DrawPath(innerPen, inner);
}

void SkinPanel::drawOutline(Graphics& graphics)
{
    GraphicsPath path;
    const PanelFigure figure
        = outlineFigure(m_look.shape, m_look.borderStyle, width(), height(), m_look.cornerSize, m_look.shadowSize);
    if (!buildPath(path, figure))
        return;
    fill(graphics, path);
    if (isShadowBorder(m_look.borderStyle))
        drawSoftShadow(graphics, path);
    Pen pen;
    if (m_look.borderStyle != static_cast<int>(PanelBorder::None)
        && pen.Create(toArgb(m_look.borderColour, 250), static_cast<float>(m_look.borderWidth))) {
        pen.SetDashStyle(dashStyleFor(m_look.borderStyle));
        graphics.DrawPath(pen, path);
    }
}

// The picture and its tint keep inside the shape; a line has no inside to fill.
void SkinPanel::fill(Graphics& graphics, const GraphicsPath& path)
{
    graphics.SetClipPath(path, flat::CombineModeReplace);
    PictureDrawing picture;
    picture.box = { 0, 0, width(), height() };
    picture.image = m_look.image;
    picture.mode = m_look.imageMode;
    picture.tintColour = backColour();
    picture.tintAlpha = backAlpha();
    picture.skin = skinLoaded() ? &m_skin : nullptr;
    drawPicture(graphics, picture);
    if (!isLineShape(m_look.shape)) {
        if (m_look.gradientOn) {
            const PanelGradient gradient = panelGradient(m_look.gradientDirection, width(), height(), m_look.colour1,
                m_look.alpha1, m_look.colour2, m_look.alpha2);
            LinearGradientBrush brush;
            if (brush.Create(
                    PointF(0, 0), PointF(gradient.endX, gradient.endY), gradient.startArgb, gradient.endArgb)) {
                if (gradient.middleMix)
                    brush.SetLinearBlend(0.5f, 0.5f);
                graphics.FillPath(brush, path);
            }
        } else if (m_look.fillColour >= 0 && m_look.fillAlpha >= 1) {
            SolidBrush brush;
            if (brush.Create(toArgb(static_cast<std::uint32_t>(m_look.fillColour), std::min(m_look.fillAlpha, 255))))
                graphics.FillPath(brush, path);
        }
    }
    graphics.ResetClip();
}

// The outline drawn one pixel wide into a picture shrunk by the shadow size and enlarged
// again, which spreads it into a soft band; only the band outside (outer shadow) or inside
// (inner shadow) the shape shows.
void SkinPanel::drawSoftShadow(Graphics& graphics, const GraphicsPath& path)
{
    const int size = m_look.shadowSize;
    if (size <= 0 || width() <= 0 || height() <= 0)
        return;
    // Rounded up, and enlarged by exactly the same factor, so the band stays centred on the
    // outline whatever the panel's size.
    const int reducedWidth = (width() + size - 1) / size;
    const int reducedHeight = (height() + size - 1) / size;
    Bitmap reduced;
    if (!reduced.Create(reducedWidth, reducedHeight, PixelFormat32bppPARGB))
        return;
    {
        Graphics small;
        Pen pen;
        if (!small.GetImageGraphicsContext(reduced) || !pen.Create(toArgb(m_look.shadowColour, 254), 1.0f))
            return;
        small.SetSmoothingMode(flat::SmoothingModeAntiAlias);
        small.ScaleWorldTransform(1.0f / size, 1.0f / size);
        // The pen scales with the drawing: one pixel of the reduced picture.
        pen.SetWidth(static_cast<float>(size));
        small.DrawPath(pen, path);
    }
    const bool outer = m_look.borderStyle == static_cast<int>(PanelBorder::OuterShadow);
    graphics.SetClipPath(path, outer ? flat::CombineModeExclude : flat::CombineModeReplace);
    graphics.SetInterpolationMode(flat::InterpolationModeHighQualityBicubic);
    graphics.DrawImage(
        reduced, 0.0f, 0.0f, static_cast<float>(reducedWidth * size), static_cast<float>(reducedHeight * size));
    graphics.ResetClip();
}
