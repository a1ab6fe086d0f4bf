#include "controls/SkinLabel.h"

#include <algorithm>

#include "controls/LabelLayout.h"
#include "drawing/Colour.h"
#include "drawing/Font.h"
#include "drawing/GlowText.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/LayeredDrawing.h"
#include "drawing/SolidBrush.h"
#include "drawing/StringFormat.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"

namespace {


} // namespace

SkinLabel::~SkinLabel()
{
    destroyIfCreated();
}

int SkinLabel::create(HWND window, const LabelOptions& options)
{
    if (id() > 0)
        return id();
    ControlOptions base = placedOptions(options);
    base.text = options.caption;
    base.backColour = options.backColour;
    base.backAlpha = options.backAlpha;
    base.skin = options.skin;
    base.kind = skin::kKindLabel;
    const int created = ControlBase::create(window, base);
    if (created == 0)
        return 0;
    m_hAlign = isAlignment(options.hAlign) ? options.hAlign : 0;
    m_vAlign = 1;
    m_multiline = options.multiline;
    m_ellipsis = options.ellipsis;
    return created;
}

int SkinLabel::hAlign(std::optional<int> value)
{
    if (value && isAlignment(*value)) {
        m_hAlign = *value;
        redraw(skin::RedrawReason::Present);
    }
    return m_hAlign;
}

int SkinLabel::vAlign(std::optional<int> value)
{
    if (value && isAlignment(*value)) {
        m_vAlign = *value;
        redraw(skin::RedrawReason::Present);
    }
    return m_vAlign;
}

void SkinLabel::onDestroying()
{
    m_hAlign = 0;
    m_vAlign = 0;
    m_multiline = false;
    m_ellipsis = false;
}

void SkinLabel::redraw(skin::RedrawReason reason)
{
    if (reason != skin::RedrawReason::Render && reason != skin::RedrawReason::Present)
        return;
    Surface* surface = beginRendering();
    if (!surface)
        return;
    {
        Graphics graphics;
        if (graphics.CreateFromHDC(surface->dc()))
            paintFace(graphics);
    }
    if (reason == skin::RedrawReason::Present)
        present();
}

void SkinLabel::paintFace(Graphics& graphics)
{
    graphics.SetTextRenderingHint(flat::TextRenderingHintAntiAliasGridFit);
    if (skinLoaded())
        clipToSkin(graphics);
    if (backColour() >= 0 && backAlpha() >= 1) {
        SolidBrush fill;
        if (fill.Create(toArgb(static_cast<std::uint32_t>(backColour()), std::min(backAlpha(), 255))))
            graphics.FillRectangleI(fill, 0, 0, width(), height());
    }
    if (skinLoaded()) {
        graphics.ResetClip();
        m_skin.SetBounds(0, 0, width(), height());
        m_skin.DrawState(graphics, disabled() ? kSkinDisabled : isHot() ? kSkinHot : kSkinNormal);
        clipToSkin(graphics);
    }
    drawCaption(graphics);
}

// The skin's shadow band and rounded corners stay free of fill and text.
void SkinLabel::clipToSkin(Graphics& graphics) const
{
    const int inset = skin().GetShadowWidth();
    GraphicsPath path;
    if (!path.Create())
        return;
    addRoundedRectangle(path, static_cast<float>(inset), static_cast<float>(inset),
        static_cast<float>(width() - 2 * inset), static_cast<float>(height() - 2 * inset), skin().GetCornerRadius());
    graphics.SetClipPath(path);
}

void SkinLabel::drawCaption(Graphics& graphics) const
{
    std::wstring caption = labelCaption(text(), m_multiline);
    if (caption.empty())
        return;
    const LabelTextFormat layout = labelTextFormat(m_hAlign, m_vAlign, m_multiline, m_ellipsis);
    StringFormat format;
    if (!format.Create(layout.flags))
        return;
    if (layout.trimming)
        format.SetTrimming(*layout.trimming);
    format.SetAlignment(layout.alignment);
    format.SetLineAlignment(layout.lineAlignment);

    const FontSpec& textStyle = font();
    Font textFont;
    if (!textFont.Create(textStyle.face, textStyle.size, textStyle.style))
        return;
    const RectF box { 0.0f, 0.0f, static_cast<float>(width()), static_cast<float>(height()) };
    // The single line is trimmed here rather than left to GDI+, whose ellipsis trimming
    // some implementations ignore.
    if (!m_multiline) {
        const RectF unbounded { 0.0f, 0.0f, 1.0e5f, box.Height };
        caption = fitWithEllipsis(caption, box.Width, [&](const std::wstring& candidate) {
            return graphics.MeasureString(candidate, textFont, unbounded, format).Width;
        });
    }
    if (textStyle.glow) {
        drawGlowText(graphics, caption, box, textStyle.colour, textStyle.glowColour, glowTextStyle(textStyle, format));
        return;
    }
    SolidBrush brush;
    if (brush.Create(toArgb(textStyle.colour, 254)))
        graphics.DrawString(caption, textFont, brush, box, format);
}
