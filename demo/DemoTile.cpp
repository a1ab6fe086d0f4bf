#include "demo/DemoTile.h"

#include "drawing/Colour.h"
#include "drawing/Font.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/Pen.h"
#include "drawing/SolidBrush.h"
#include "drawing/StringFormat.h"

namespace {

constexpr float kCornerDiameter = 12.0f;
constexpr COLORREF kDisabledFace = RGB(128, 128, 128);
constexpr COLORREF kDisabledText = RGB(200, 200, 200);

// Moves each channel `percent` of the way towards `target`.
COLORREF mix(COLORREF colour, COLORREF target, int percent)
{
    const auto channel = [&](int shift) {
        const int from = colour >> shift & 0xFF;
        const int to = target >> shift & 0xFF;
        return static_cast<COLORREF>(from + (to - from) * percent / 100) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

void addRoundedRectangle(GraphicsPath& path, float x, float y, float width, float height)
{
    const float d = kCornerDiameter;
    path.AddArc(x, y, d, d, 180.0f, 90.0f);
    path.AddArc(x + width - d, y, d, d, 270.0f, 90.0f);
    path.AddArc(x + width - d, y + height - d, d, d, 0.0f, 90.0f);
    path.AddArc(x, y + height - d, d, d, 90.0f, 90.0f);
    path.CloseFigure();
}

}  // namespace

COLORREF DemoTile::faceColour() const
{
    if (disabled())
        return kDisabledFace;
    // A label-like tile never shows a press: the press starts a window drag instead.
    if (m_pressed && interactive())
        return mix(m_face, RGB(0, 0, 0), 25);
    if (isHot())
        return mix(m_face, RGB(255, 255, 255), 20);
    return m_face;
}

void DemoTile::redraw(skin::RedrawReason reason)
{
    Surface* surface = beginRendering();
    if (!surface)
        return;
    {
        // The graphics must be gone, and its drawing flushed, before the picture is presented.
        Graphics graphics;
        if (!graphics.CreateFromHDC(surface->dc()))
            return;
        graphics.SetSmoothingMode(flat::SmoothingModeAntiAlias);
        graphics.SetTextRenderingHint(flat::TextRenderingHintAntiAlias);

        // Half-pixel insets put the 1px outline on pixel centres, so it stays crisp.
        const float width = static_cast<float>(surface->width());
        const float height = static_cast<float>(surface->height());
        GraphicsPath path;
        path.Create();
        addRoundedRectangle(path, 0.5f, 0.5f, width - 1.0f, height - 1.0f);

        const COLORREF face = faceColour();
        SolidBrush fill;
        fill.Create(toArgb(face));
        graphics.FillPath(fill, path);
        Pen outline;
        outline.Create(toArgb(mix(face, RGB(255, 255, 255), 45)), 1.0f);
        graphics.DrawPath(outline, path);

        const FontSpec& style = font();
        Font textFont;
        StringFormat format;
        SolidBrush ink;
        if (textFont.Create(style.face, style.size, style.style, flat::UnitPixel) && format.Create() &&
            ink.Create(toArgb(disabled() ? kDisabledText : style.colour))) {
            format.SetAlignment(flat::StringAlignmentCenter);
            format.SetLineAlignment(flat::StringAlignmentCenter);
            graphics.DrawString(text(), textFont, ink, RectF(0.0f, 0.0f, width, height), format);
        }
    }
    if (reason == skin::RedrawReason::Present)
        present();
}

std::optional<LRESULT> DemoTile::handleClassMessage(HWND, UINT message, WPARAM, LPARAM)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        m_pressed = true;
        redraw(skin::RedrawReason::Present);
        break;
    case WM_LBUTTONUP:
        m_pressed = false;
        redraw(skin::RedrawReason::Present);
        break;
    case WM_MOUSEHOVER:
        redraw(skin::RedrawReason::Present);
        break;
    case WM_MOUSELEAVE:
        // A press that leaves the tile is abandoned, so it must not stay drawn as pressed.
        m_pressed = false;
        redraw(skin::RedrawReason::Present);
        break;
    default:
        break;
    }
    return std::nullopt;
}
