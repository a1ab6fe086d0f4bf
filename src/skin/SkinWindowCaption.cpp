#include "skin/SkinWindow.h"

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
        m_captionFont = *change.face;
    if (change.colour)
        m_captionColour = *change.colour;
    if (change.size)
        m_captionSize = *change.size;
    if (change.style)
        m_captionStyle = *change.style;
    if (change.glow)
        m_captionGlow = *change.glow;
    if (change.glowColour)
        m_captionGlowColour = *change.glowColour;
    if (!fontExists(change.face.value_or(std::wstring())))
        m_captionFont = fontExists(kYaHei) ? kYaHei : kSimSun;
    if (change.redrawNow && m_hwnd && registryIndexOf(m_hwnd) > 0)
        redrawCaptionLayer();
}

void SkinWindow::layoutCaption()
{
    const int textWidth = measureTextWidth(text(), m_captionFont, static_cast<float>(m_captionSize), m_captionStyle);
    m_captionRect = captionRect(m_borderWidth, !m_iconBytes.empty(), textWidth, m_layoutWidth, m_captionSize);
}

void SkinWindow::redrawCaptionLayer()
{
    m_captionLayer = Surface();
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
    const RECT& area = m_captionRect;
    Surface under(area.right - area.left, area.bottom - area.top);
    if (under)
        BitBlt(under.dc(), 0, 0, under.width(), under.height(), composed.dc(), area.left, area.top, SRCCOPY);
    if (m_captionLayer && m_captionLayer.width() == composed.width() && m_captionLayer.height() == composed.height() &&
        sameRect(area, m_captionLayerRect) && under.hasSamePixels(m_captionUnderlay))
        return;
    drawCaptionText(composed.width(), composed.height(), under);
    m_captionUnderlay = std::move(under);
    m_captionLayerRect = area;
}

void SkinWindow::drawCaptionText(int width, int height, const Surface& under)
{
    m_captionLayer = Surface(width, height);
    if (!m_captionLayer)
        return;
    const RECT& area = m_captionRect;
    if (under)
        alphaBlend(m_captionLayer.dc(), area.left, area.top, under.width(), under.height(), under.dc(), 0, 0,
            under.width(), under.height(), 255);
    if (m_drawTitle == 0 || text().empty())
        return;

    Graphics graphics;
    if (!graphics.CreateFromHDC(m_captionLayer.dc()))
        return;
    float textWidth = static_cast<float>(area.right - area.left);
    if (width > 100 && textWidth > width - 100)
        textWidth = static_cast<float>(width - 100);
    const float top = static_cast<float>(area.top) - (m_captionFont == kYaHei ? 3.0f : 0.0f);
    const RectF layout{static_cast<float>(area.left), top, textWidth, static_cast<float>(m_captionSize + 6)};
    StringFormat format;
    format.Create(flat::StringFormatFlagsNoWrap);
    if (m_captionGlow) {
        GlowTextStyle style;
        style.glowSize = 4;
        style.face = m_captionFont;
        style.fontStyle = m_captionStyle;
        style.size = static_cast<float>(m_captionSize);
        style.format = &format;
        drawGlowText(graphics, text(), layout, m_captionColour, m_captionGlowColour, style);
        return;
    }
    Font font;
    SolidBrush brush;
    if (font.Create(m_captionFont, static_cast<float>(m_captionSize), m_captionStyle) &&
        brush.Create(toArgb(m_captionColour, 254)))
        graphics.DrawString(text(), font, brush, layout, format);
}

void SkinWindow::drawCaptionIcon(Graphics& graphics)
{
    if (m_iconBytes.empty())
        return;
    const int x = m_borderWidth + 3;
    int y = m_captionRect.top + (m_captionRect.bottom - m_captionRect.top - kIconSize) / 2;
    if (!m_captionGlow)
        y -= 1;
    Bitmap icon;
    if (!icon.LoadFromBytes(m_iconBytes))
        return;
    if (icon.GetRawFormat() == kIconFormat) {
        HICON handle = icon.GetHICON();
        if (!handle)
            return;
        graphics.Flush(flat::FlushIntentionSync);
        DrawIconEx(m_backgroundLayer.dc(), x, y, handle, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
        DestroyIcon(handle);
        return;
    }
    graphics.DrawImage(icon, static_cast<float>(x), static_cast<float>(y), static_cast<float>(kIconSize),
        static_cast<float>(kIconSize));
}
