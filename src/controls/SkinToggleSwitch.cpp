#include "controls/SkinToggle.h"

#include "drawing/Colour.h"
#include "drawing/Font.h"
#include "drawing/GlowText.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/Image.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/PathGradientBrush.h"
#include "drawing/Pen.h"
#include "drawing/SolidBrush.h"
#include "drawing/StringFormat.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0;
constexpr COLORREF kDisabledTrack = 0x808080;
// RGB(0, 136, 255): the blue rings around the knob.
constexpr COLORREF kKnobRing = 0xFF8800;

// Two half circles as high as the rectangle joined by straight runs.
bool addCapsule(GraphicsPath& path, float left, float top, float right, float bottom)
{
    const float diameter = bottom - top;
    return path.Create() && path.AddArc(right - diameter, top, diameter, diameter, 270, 180)
        && path.AddArc(left, top, diameter, diameter, 90, 180) && path.CloseFigure();
}

void fillPath(Graphics& graphics, const GraphicsPath& path, std::uint32_t argb)
{
    SolidBrush brush;
    if (brush.Create(argb))
        graphics.FillPath(brush, path);
}

void outlinePath(Graphics& graphics, const GraphicsPath& path, std::uint32_t argb)
{
    Pen pen;
    if (pen.Create(argb, 1.0f))
        graphics.DrawPath(pen, path);
}

// The ellipse `inset` pixels inside the knob's rectangle.
RectF knobEllipse(const RECT& knob, int inset)
{
    return { static_cast<float>(knob.left + inset), static_cast<float>(knob.top + inset),
        static_cast<float>(knob.right - knob.left - 2 * inset),
        static_cast<float>(knob.bottom - knob.top - 2 * inset) };
}

void outlineEllipse(Graphics& graphics, std::uint32_t argb, const RectF& area)
{
    Pen pen;
    if (pen.Create(argb, 1.0f))
        graphics.DrawEllipse(pen, area.X, area.Y, area.Width, area.Height);
}

} // namespace

void SkinToggle::paintSwitch(skin::RedrawReason reason)
{
    m_switch = switchLayout(width(), height(), value() == 1);
    Surface* target = beginRendering();
    if (!target || !*target)
        return;
    {
        Graphics graphics;
        if (!graphics.CreateFromHDC(target->dc()))
            return;
        graphics.SetTextRenderingHint(flat::TextRenderingHintSingleBitPerPixelGridFit);
        graphics.SetInterpolationMode(flat::InterpolationModeHighQuality);
        graphics.SetSmoothingMode(flat::SmoothingModeAntiAlias);
        Image picture;
        // Only both pictures together replace the painted switch.
        if (!m_switchLook.onImage.empty() && !m_switchLook.offImage.empty()) {
            if (picture.LoadFromBytes(value() == 1 ? m_switchLook.onImage : m_switchLook.offImage))
                graphics.DrawImage(picture, 0.0f, 0.0f, static_cast<float>(picture.GetWidth()),
                    static_cast<float>(picture.GetHeight()));
        } else {
            paintSwitchTrack(graphics);
            paintSwitchKnob(graphics);
            paintSwitchCaption(graphics);
        }
    }
    if (reason == skin::RedrawReason::Present)
        present();
}

void SkinToggle::paintSwitchTrack(Graphics& graphics) const
{
    const RECT& track = m_switch.track;
    const auto left = static_cast<float>(track.left);
    const auto top = static_cast<float>(track.top);
    const auto right = static_cast<float>(track.right);
    const auto bottom = static_cast<float>(track.bottom);
    GraphicsPath capsule;
    if (!addCapsule(capsule, left, top, right, bottom))
        return;
    const COLORREF state = disabled() ? kDisabledTrack : value() == 1 ? m_switchLook.onColour : m_switchLook.offColour;
    fillPath(graphics, capsule, toArgb(kWhite, 200));
    fillPath(graphics, capsule, toArgb(state, 200));
    LinearGradientBrush shade;
    if (shade.Create({ left, top }, { left, bottom }, toArgb(kBlack, 50), toArgb(kWhite, 50)))
        graphics.FillPath(shade, capsule);
    outlinePath(graphics, capsule, toArgb(kBlack, 130));
    GraphicsPath inner;
    if (addCapsule(inner, left + 1, top + 1, right - 1, bottom - 1))
        outlinePath(graphics, inner, toArgb(kWhite, 80));
}

void SkinToggle::paintSwitchKnob(Graphics& graphics) const
{
    const RECT& knob = m_switch.knob;
    const bool on = value() == 1;
    const RectF body = knobEllipse(knob, 3);
    for (const std::uint32_t argb : { toArgb(kWhite, 254), toArgb(m_switchLook.knobColour, 200) }) {
        SolidBrush brush;
        if (brush.Create(argb))
            graphics.FillEllipse(brush, body.X, body.Y, body.Width, body.Height);
    }
    GraphicsPath ellipse;
    PathGradientBrush shine;
    if (ellipse.Create() && ellipse.AddEllipse(body.X, body.Y, body.Width, body.Height) && shine.CreateFromPath(ellipse)
        && shine.SetCenterColor(on ? toArgb(kWhite, 220) : toArgb(kBlack, 20))
        && shine.SetSurroundColors({ on ? toArgb(kBlack, 80) : toArgb(kWhite, 220) })
        && shine.SetLinearBlend(1.0f, 1.0f) && shine.SetFocusScales(0.6f, 0.6f))
        graphics.FillEllipse(shine, body.X, body.Y, body.Width, body.Height);

    if (on) {
        outlineEllipse(graphics, toArgb(kWhite, 50), body);
        outlineEllipse(graphics, toArgb(kKnobRing, 80), knobEllipse(knob, 1));
    }
    outlineEllipse(graphics, toArgb(kKnobRing, 80), knobEllipse(knob, 2));
    outlineEllipse(graphics, toArgb(kBlack, 180), knobEllipse(knob, 3));
    outlineEllipse(graphics, toArgb(kKnobRing, 80), knobEllipse(knob, 4));
}

void SkinToggle::paintSwitchCaption(Graphics& graphics) const
{
    const bool on = value() == 1;
    const std::wstring& caption = on ? m_switchLook.onText : m_switchLook.offText;
    const RectF layout = switchCaptionRect(m_switch, width(), on);
    const FontSpec& textFont = font();
    StringFormat format;
    if (!format.GenericTypographic() || !format.SetAlignment(flat::StringAlignmentCenter)
        || !format.SetLineAlignment(flat::StringAlignmentCenter))
        return;
    if (textFont.glow) {
        drawGlowText(graphics, caption, layout, textFont.colour, textFont.glowColour, glowTextStyle(textFont, format));
        return;
    }
    Font captionFont;
    SolidBrush ink;
    if (captionFont.Create(textFont.face, textFont.size, textFont.style) && ink.Create(toArgb(textFont.colour, 254)))
        graphics.DrawString(caption, captionFont, ink, layout, format);
}
