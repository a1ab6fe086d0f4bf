#include "skin/SkinWindow.h"

#include "core/Win32Handles.h"
#include "drawing/Bitmap.h"
#include "drawing/Colour.h"
#include "drawing/Font.h"
#include "drawing/GlowText.h"
#include "drawing/Graphics.h"
#include "drawing/LayeredDrawing.h"
#include "drawing/SolidBrush.h"
#include "drawing/StringFormat.h"
#include "drawing/TextMeasure.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "skin/WindowGeometry.h"

namespace {

constexpr wchar_t kIconFormat[] = L"{B96B3CB5-0728-11D3-9D7B-0000F81EF32E}";
constexpr wchar_t kYaHei[] = L"微软雅黑";
constexpr wchar_t kSimSun[] = L"宋体";
constexpr int kIconSize = 17;

bool sameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool fontExists(const std::wstring& face)
{
    Font probe;
    return !face.empty() && probe.Create(face, 12.0f);
}

}  // namespace

void SkinWindow::setCaptionFont(const CaptionFontChange& change)
{
    if (change.face)
        m_caption.face = *change.face;
    if (change.colour)
        m_caption.colour = *change.colour;
    if (change.size)
        m_caption.size = *change.size;
    if (change.style)
        m_caption.fontStyle = *change.style;
    if (change.glow)
        m_caption.glow = *change.glow;
    if (change.glowColour)
        m_caption.glowColour = *change.glowColour;
    if (!fontExists(change.face.value_or(std::wstring())))
        m_caption.face = fontExists(kYaHei) ? kYaHei : kSimSun;
    if (change.redrawNow && m_hwnd && registryIndexOf(m_hwnd) > 0)
        redrawCaptionLayer();
}

void SkinWindow::layoutCaption()
{
    const int textWidth = measureTextWidth(text(), m_caption.face, static_cast<float>(m_caption.size), m_caption.fontStyle);
    m_caption.rect = captionRect(m_frame.width, !m_caption.iconBytes.empty(), textWidth, m_size.layoutWidth, m_caption.size);
}

void SkinWindow::redrawCaptionLayer()
{
    m_layers.caption = Surface();
    if (!m_hwnd || !GetPropA(m_hwnd, skin::kPropFirstShowDone))
        return;
    buildComposedSurface();
    presentComposed();
}

// The caption is drawn over a copy of what lies under its rectangle once the background and
// the controls are composed, so it shows over a control as it shows over the bare
// background. While those pixels stay the same, so does the caption layer.
void SkinWindow::refreshCaptionLayer(const Surface& composed)
{
    const RECT& area = m_caption.rect;
    Surface under(area.right - area.left, area.bottom - area.top);
    if (under)
        BitBlt(under.dc(), 0, 0, under.width(), under.height(), composed.dc(), area.left, area.top, SRCCOPY);
    if (m_layers.caption && m_layers.caption.width() == composed.width() && m_layers.caption.height() == composed.height() &&
        sameRect(area, m_layers.captionRect) && under.hasSamePixels(m_layers.captionUnderlay))
        return;
    drawCaptionText(composed.width(), composed.height(), under);
    m_layers.captionUnderlay = std::move(under);
    m_layers.captionRect = area;
}

void SkinWindow::drawCaptionText(int width, int height, const Surface& under)
{
    m_layers.caption = Surface(width, height);
    if (!m_layers.caption)
        return;
    const RECT& area = m_caption.rect;
    if (under)
        alphaBlend(m_layers.caption.dc(), area.left, area.top, under.width(), under.height(), under.dc(), 0, 0,
            under.width(), under.height(), 255);
    if (!m_caption.drawTitle || text().empty())
        return;

    Graphics graphics;
    if (!graphics.CreateFromHDC(m_layers.caption.dc()))
        return;
    float textWidth = static_cast<float>(area.right - area.left);
    if (width > 100 && textWidth > width - 100)
        textWidth = static_cast<float>(width - 100);
    const float top = static_cast<float>(area.top) - (m_caption.face == kYaHei ? 3.0f : 0.0f);
    const RectF layout{static_cast<float>(area.left), top, textWidth, static_cast<float>(m_caption.size + 6)};
    StringFormat format;
    format.Create(flat::StringFormatFlagsNoWrap);
    if (m_caption.glow) {
        GlowTextStyle style;
        style.glowSize = 4;
        style.face = m_caption.face;
        style.fontStyle = m_caption.fontStyle;
        style.size = static_cast<float>(m_caption.size);
        style.format = &format;
        drawGlowText(graphics, text(), layout, m_caption.colour, m_caption.glowColour, style);
        return;
    }
    Font font;
    SolidBrush brush;
    if (font.Create(m_caption.face, static_cast<float>(m_caption.size), m_caption.fontStyle) &&
        brush.Create(toArgb(m_caption.colour, 254)))
        graphics.DrawString(text(), font, brush, layout, format);
}

void SkinWindow::drawCaptionIcon(Graphics& graphics)
{
    if (m_caption.iconBytes.empty())
        return;
    const int x = m_frame.width + 3;
    int y = m_caption.rect.top + (m_caption.rect.bottom - m_caption.rect.top - kIconSize) / 2;
    if (!m_caption.glow)
        y -= 1;
    Bitmap icon;
    if (!icon.LoadFromBytes(m_caption.iconBytes))
        return;
    if (icon.GetRawFormat() == kIconFormat) {
        const UniqueIcon handle(icon.GetHICON());
        if (!handle)
            return;
        graphics.Flush(flat::FlushIntentionSync);
        DrawIconEx(m_layers.background.dc(), x, y, handle.get(), kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
        return;
    }
    graphics.DrawImage(icon, static_cast<float>(x), static_cast<float>(y), static_cast<float>(kIconSize),
        static_cast<float>(kIconSize));
}
