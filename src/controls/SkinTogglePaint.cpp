#include "controls/SkinToggle.h"

#include <utility>

#include "controls/FocusRing.h"
#include "controls/SystemFace.h"
#include "drawing/Bitmap.h"
#include "drawing/Colour.h"
#include "drawing/Font.h"
#include "drawing/GlowText.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/LayeredDrawing.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/PathGradientBrush.h"
#include "drawing/Pen.h"
#include "drawing/SolidBrush.h"
#include "drawing/StringFormat.h"
#include "element/FrameworkResources.h"
#include "element/WindowRegistry.h"
#include "imaging/SkinPictures.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0;
constexpr COLORREF kDisabledText = 0x808080;
constexpr int kTextAlpha = 254;
// The box of the glyph strip: 13 pixels square, one in and two down in its 21 × 16 cell.
constexpr int kGlyphCellHeight = 16;
constexpr int kSystemBoxSide = 13;
constexpr int kSystemMarkInset = 3;

// The tick tinted once: the picture and the accent never change.
const ByteArray& tintedTick()
{
    static const ByteArray tinted = [] {
        Bitmap tick;
        if (!tick.LoadFromBytes(kTickPicture.bytes()))
            return ByteArray {};
        for (int y = 0; y < tick.GetHeight(); ++y)
            for (int x = 0; x < tick.GetWidth(); ++x)
                tick.SetPixel(x, y, tintTickPixel(tick.GetPixel(x, y), kIndicatorAccent));
        return tick.SaveToBytes(kPngFormat);
    }();
    return tinted;
}

void drawPicture(Graphics& graphics, const Image& picture, const RectF& where)
{
    graphics.DrawImage(picture, where.X, where.Y, where.Width, where.Height);
}

void fillEllipse(Graphics& graphics, const Brush& brush, const RectF& area)
{
    graphics.FillEllipse(brush, area.X, area.Y, area.Width, area.Height);
}

void outlineEllipse(Graphics& graphics, std::uint32_t argb, const RectF& area)
{
    Pen pen;
    if (pen.Create(argb, 1.0f))
        graphics.DrawEllipse(pen, area.X, area.Y, area.Width, area.Height);
}

StringFormat nearCaptionFormat()
{
    StringFormat format;
    if (format.Create(flat::StringFormatFlagsNoWrap)) {
        format.SetAlignment(flat::StringAlignmentNear);
        format.SetLineAlignment(flat::StringAlignmentCenter);
    }
    return format;
}

void clipToFace(Graphics& graphics, const RECT& face)
{
    graphics.SetClipRectI(face.left, face.top, face.right - face.left + 1, face.bottom - face.top + 1);
}

} // namespace

void SkinToggle::redraw(skin::RedrawReason reason)
{
    render(reason, false, glyph::kNone);
}

// Hover and leave cross-fade to the new look, except on the glyph check box, whose boxes
// change at once.
void SkinToggle::render(skin::RedrawReason reason, bool animating, int frame)
{
    if (m_switchStyle) {
        paintSwitch(reason);
        return;
    }
    const bool crossFade
        = (reason == skin::RedrawReason::Hot || reason == skin::RedrawReason::Leave) && !isGlyphCheckBox();
    Surface picture;
    Surface* target = nullptr;
    if (crossFade) {
        if (record())
            picture = createSurface();
        target = &picture;
    } else {
        target = beginRendering();
    }
    if (!target || !*target)
        return;
    const RECT face { 0, 0, width(), height() };
    {
        Graphics graphics;
        if (!graphics.CreateFromHDC(target->dc()))
            return;
        graphics.SetTextRenderingHint(flat::TextRenderingHintAntiAliasGridFit);
        const bool hot = reason == skin::RedrawReason::Hot;
        const bool pressed = reason == skin::RedrawReason::Pressed;
        if (m_buttonMode)
            paintFace(graphics, face, hot, pressed);
        else if (m_system && isGlyphCheckBox())
            paintSystemCheckBox(graphics, face, hot);
        else if (m_checkBoxStyle == CheckBoxStyle::Round)
            paintRoundIndicator(graphics, face, hot, pressed);
        else
            paintGlyphCheckBox(graphics, face, hot, animating, frame);
    }
    if (reason == skin::RedrawReason::Render)
        return;
    if (crossFade) {
        TransitionOptions fade;
        fade.kind = id();
        startTransition(std::move(picture), fade);
    } else {
        present();
    }
}

void SkinToggle::paintFace(Graphics& graphics, const RECT& face, bool hot, bool pressed) const
{
    const FontSpec& textFont = font();
    ButtonFace look;
    look.rect = face;
    look.caption = text();
    look.icon = m_icon;
    look.disabledIcon = m_icon;
    look.colour = m_colour;
    look.secondColour = m_colour;
    look.textColour = textFont.colour;
    look.disabledTextColour = kDisabledText;
    look.plainAlignment = 0;
    look.underlineOnHot = true;
    look.style = m_faceStyle;
    look.normalImage = m_faceImages[0];
    look.hotImage = m_faceImages[1];
    look.pressedImage = m_faceImages[2];
    look.disabledImage = m_faceImages[3];
    look.hot = hot;
    look.pressed = pressed;
    look.disabled = disabled();
    look.iconAboveCaption = m_iconAbove;
    look.skin = skinLoaded() ? &skin() : nullptr;
    look.face = textFont.face;
    look.size = textFont.size;
    look.fontStyle = textFont.style;
    look.glow = textFont.glow;
    look.glowColour = textFont.glowColour;
    look.glowSize = textFont.glowSize;
    look.captionOnImage = m_captionOnImage;
    look.checked = value() == 1;
    look.checkedPressed = m_checkedLooksPressed;
    look.system = m_system ? &*m_system : nullptr;
    paintButtonFace(graphics, look);
}

void SkinToggle::setSystemColours(const std::optional<SystemColours>& colours, bool present)
{
    m_system = colours;
    if (record())
        redraw(present ? skin::RedrawReason::Present : skin::RedrawReason::Render);
}

// The system's own check box: a window-coloured box in a one-pixel outline, the mark in the
// window's text colour; it does not animate.
void SkinToggle::paintSystemCheckBox(Graphics& graphics, const RECT& face, bool hot) const
{
    clipToFace(graphics, face);
    const SystemColours& colours = *m_system;
    const RectF cell = glyphRect(face, kGlyphCellWidth, kGlyphCellHeight);
    const FaceBox box { static_cast<int>(cell.X) + 1, static_cast<int>(cell.Y) + 2, kSystemBoxSide, kSystemBoxSide };
    SystemFaceLook look { colours.window, hot ? colours.highlight : colours.windowText, colours.windowText };
    if (disabled())
        look = { colours.buttonFace, colours.grayText, colours.grayText };
    paintSystemFace(graphics, box, look);
    if (value() == 1)
        drawCheckMark(graphics, box.x + kSystemMarkInset, box.y + kSystemMarkInset, look.ink);
    paintGlyphCaption(graphics, face);
}

void SkinToggle::paintGlyphCheckBox(Graphics& graphics, const RECT& face, bool hot, bool animating, int frame) const
{
    clipToFace(graphics, face);
    const GlyphFrames frames = glyphFrames({ disabled(), hot, value() == 1, animating, frame });
    const ImageCodec& strip = checkBoxStrip();
    for (const auto& [number, scale] :
        { std::pair { frames.box, 1.0f }, std::pair { frames.mark, frames.markScale } }) {
        Image glyphPicture;
        if (number == glyph::kNone || !glyphPicture.LoadFromBytes(strip.GetFrame(number)))
            continue;
        drawPicture(graphics, glyphPicture, glyphRect(face, glyphPicture.GetWidth(), glyphPicture.GetHeight(), scale));
    }
    paintGlyphCaption(graphics, face);
}

void SkinToggle::paintGlyphCaption(Graphics& graphics, const RECT& face) const
{
    const FontSpec& textFont = font();
    const bool glow = textFont.glow && !m_system;
    const COLORREF colour = !m_system ? textFont.colour : disabled() ? m_system->grayText : m_system->buttonText;
    const StringFormat format = nearCaptionFormat();
    const RectF layout = glyphCaptionRect(face, glow);
    Font captionFont;
    captionFont.Create(textFont.face, textFont.size, textFont.style, flat::UnitPixel);
    if (glow) {
        drawGlowText(graphics, text(), layout, colour, textFont.glowColour, glowTextStyle(textFont, format));
    } else {
        SolidBrush ink;
        if (captionFont && ink.Create(toArgb(colour, m_system ? 255 : kTextAlpha)))
            graphics.DrawString(text(), captionFont, ink, layout, format);
    }
    if (!m_showFocus || text().empty() || !captionFont || !showsFocusMark())
        return;
    // Measured where the caption is drawn, then raised by a pixel so the dots enclose it.
    // Windows centres the measured box as the caption is centred, Wine leaves it at the
    // top: centring it here gives the same box on both.
    RectF measured = graphics.MeasureString(text(), captionFont, layout, format);
    measured.Y = layout.Y + (layout.Height - measured.Height) / 2;
    if (glow)
        measured.Width += 2;
    drawFocusRing(graphics, RectF(measured.X, measured.Y - 1, measured.Width, measured.Height + 1),
        m_system ? toArgb(colour) : kFocusRingArgb);
}

void SkinToggle::paintRoundIndicator(Graphics& graphics, const RECT& face, bool hot, bool pressed) const
{
    clipToFace(graphics, face);
    // A disabled indicator never shows the hot look.
    const bool hotLook = hot && !disabled();
    int indicatorWidth = kRoundIndicatorWidth;
    if (m_imageMode) {
        indicatorWidth = paintIndicatorPicture(graphics, face, hotLook, pressed);
    } else {
        // Twelve-pixel circles are jagged without anti-aliasing.
        graphics.SetSmoothingMode(flat::SmoothingModeAntiAlias);
        paintPaintedIndicator(graphics, face, hotLook);
    }
    clipToFace(graphics, face);
    paintIndicatorCaption(graphics, face, indicatorWidth);
}

void SkinToggle::paintPaintedIndicator(Graphics& graphics, const RECT& face, bool hot) const
{
    const RoundIndicator indicator = roundIndicator(face);
    SolidBrush white;
    if (white.Create(toArgb(kWhite, kTextAlpha)))
        fillEllipse(graphics, white, indicator.fill);
    LinearGradientBrush shade;
    const auto left = static_cast<float>(face.left);
    const auto top = static_cast<float>(indicator.cellTop);
    if (shade.Create({ left, top }, { left, top + 12 }, toArgb(kBlack, 40), toArgb(kWhite, kTextAlpha)))
        fillEllipse(graphics, shade, indicator.fill);

    if (hot) {
        // The halo shows only outside the ring: the clip is the halo less the ring.
        GraphicsPath ring;
        GraphicsPath halo;
        if (ring.Create() && halo.Create()) {
            ring.AddEllipse(indicator.ring.X, indicator.ring.Y, indicator.ring.Width, indicator.ring.Height);
            addRoundedRectangle(halo, indicator.halo.X, indicator.halo.Y, indicator.halo.Width, indicator.halo.Height,
                indicator.haloCorner);
            graphics.SetClipPath(ring, flat::CombineModeIntersect);
            graphics.SetClipPath(halo, flat::CombineModeXor);
            for (const auto& [centre, focus] :
                { std::pair { toArgb(kWhite, kTextAlpha), 0.4f }, std::pair { toArgb(kIndicatorAccent, 255), 0.3f } }) {
                PathGradientBrush glow;
                if (glow.CreateFromPath(halo) && glow.SetCenterColor(centre)
                    && glow.SetSurroundColors({ toArgb(kWhite, 0) }) && glow.SetFocusScales(focus, focus))
                    graphics.FillPath(glow, halo);
            }
            graphics.ResetClip();
        }
        LinearGradientBrush tint;
        if (tint.Create(indicator.ringGradientStart, indicator.ringGradientEnd, toArgb(kIndicatorAccent, 90),
                toArgb(kWhite, 30)))
            fillEllipse(graphics, tint, indicator.ring);
    }
    outlineEllipse(graphics, toArgb(kBlack, 100), indicator.ring);
    outlineEllipse(graphics, toArgb(kWhite, kTextAlpha), indicator.highlight);

    Image tick;
    if (value() == 1 && tick.LoadFromBytes(tintedTick()))
        graphics.DrawImage(
            tick, static_cast<float>(indicator.tick.x), static_cast<float>(indicator.tick.y), 13.0f, 12.0f);
}

// The pictures follow the value: the hot one, else the normal or disabled one, with the
// pressed one over it. Returns the width of the picture under the pressed one.
int SkinToggle::paintIndicatorPicture(Graphics& graphics, const RECT& face, bool hot, bool pressed) const
{
    const TogglePictures& pictures = value() == 1 ? m_checkedImages : m_uncheckedImages;
    const auto draw = [&](const ByteArray& bytes) {
        Image picture;
        if (!picture.LoadFromBytes(bytes))
            return 0;
        const int pictureWidth = picture.GetWidth();
        const int pictureHeight = picture.GetHeight();
        graphics.DrawImage(picture, static_cast<float>(face.left),
            static_cast<float>(centredTop(face, pictureHeight)), static_cast<float>(pictureWidth),
            static_cast<float>(pictureHeight));
        return pictureWidth;
    };
    const int width = draw(hot ? pictures[1] : disabled() ? pictures[3] : pictures[0]);
    if (pressed)
        draw(pictures[2]);
    return width;
}

void SkinToggle::paintIndicatorCaption(Graphics& graphics, const RECT& face, int indicatorWidth) const
{
    const FontSpec& textFont = font();
    const StringFormat format = nearCaptionFormat();
    const RectF layout = indicatorCaptionRect(face, indicatorWidth, textFont.glow);
    if (textFont.glow) {
        GlowTextStyle style = glowTextStyle(textFont, format);
        style.glowSize = 4;
        drawGlowText(graphics, text(), layout, textFont.colour, textFont.glowColour, style);
        return;
    }
    Font captionFont;
    SolidBrush ink;
    if (captionFont.Create(textFont.face, textFont.size, textFont.style, flat::UnitPixel)
        && ink.Create(toArgb(textFont.colour, kTextAlpha)))
        graphics.DrawString(text(), captionFont, ink, layout, format);
}
