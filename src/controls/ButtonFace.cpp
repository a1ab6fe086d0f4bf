#include "controls/ButtonFace.h"

#include "controls/ButtonFaceLayout.h"
#include "controls/SystemFace.h"
#include "drawing/Bitmap.h"
#include "drawing/Colour.h"
#include "drawing/Font.h"
#include "drawing/GlowText.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/LayeredDrawing.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/Pen.h"
#include "drawing/SolidBrush.h"
#include "drawing/StringFormat.h"
#include "drawing/TextMeasure.h"
#include "imaging/NineGridImage.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0;
constexpr COLORREF kNoAccent = 0xFFFFFF;
constexpr COLORREF kHotCaptionColour = 0xFF0000;
constexpr std::uint32_t kTextAlpha = 254;

struct TextLook {
    COLORREF colour = 0;
    int fontStyle = 0;
    int alignment = flat::StringAlignmentCenter;
    int lineAlignment = flat::StringAlignmentCenter;
    int flags = 0;
    int trimming = -1;
};

// Paints one face: the rounded rectangles of the painted looks, a skin state instead of
// them, the pictures of the image style, the icon and the caption.
class FacePainter {
public:
    FacePainter(Graphics& graphics, const ButtonFace& face)
        : m_graphics(graphics)
        , m_face(face)
        , m_box { face.rect.left, face.rect.top, face.rect.right - face.rect.left, face.rect.bottom - face.rect.top }
        , m_look(faceLook(face.hot, face.pressed, face.disabled, face.checked, face.checkedPressed))
    {
        if (face.system)
            m_system = systemFaceLook(*face.system, m_look, face.disabled);
    }

    void paintImageStyle();
    void paintBackground();
    void paintCaption();

private:
    bool drawSkin(int state);
    void paintSystemImage();
    void paintNormal(void (FacePainter::*paint)(), bool hotOver);
    void paintNormalColour();
    void paintPlainFlat();
    void paintPressed();
    void paintHot();
    void fill(int dx, int dy, int dw, int dh, int corner, COLORREF colour, int alpha);
    void fillGradient(
        int dx, int dy, int dw, int dh, int corner, float fromY, float toY, std::uint32_t from, std::uint32_t to);
    void outline(int dx, int dy, int dw, int dh, int corner, COLORREF colour, int alpha);
    void path(GraphicsPath& shape, int dx, int dy, int dw, int dh, int corner) const;
    void drawText(const std::wstring& text, const FaceBox& box, const TextLook& look);
    bool hasAccent() const { return m_face.secondColour != kNoAccent; }
    bool hasIcon() const { return !m_face.icon.empty(); }

    Graphics& m_graphics;
    const ButtonFace& m_face;
    FaceBox m_box;
    FaceLook m_look;
    SystemFaceLook m_system;
};

void FacePainter::path(GraphicsPath& shape, int dx, int dy, int dw, int dh, int corner) const
{
    shape.Create();
    addRoundedRectangle(shape, static_cast<float>(m_box.x + dx), static_cast<float>(m_box.y + dy),
        static_cast<float>(m_box.width + dw), static_cast<float>(m_box.height + dh), corner);
}

void FacePainter::fill(int dx, int dy, int dw, int dh, int corner, COLORREF colour, int alpha)
{
    GraphicsPath shape;
    SolidBrush brush;
    path(shape, dx, dy, dw, dh, corner);
    if (brush.Create(toArgb(colour, static_cast<std::uint32_t>(alpha))))
        m_graphics.FillPath(brush, shape);
}

void FacePainter::fillGradient(
    int dx, int dy, int dw, int dh, int corner, float fromY, float toY, std::uint32_t from, std::uint32_t to)
{
    GraphicsPath shape;
    LinearGradientBrush brush;
    path(shape, dx, dy, dw, dh, corner);
    const auto x = static_cast<float>(m_box.x);
    if (brush.Create(PointF(x, fromY), PointF(x, toY), from, to))
        m_graphics.FillPath(brush, shape);
}

void FacePainter::outline(int dx, int dy, int dw, int dh, int corner, COLORREF colour, int alpha)
{
    GraphicsPath shape;
    Pen pen;
    path(shape, dx, dy, dw, dh, corner);
    if (pen.Create(toArgb(colour, static_cast<std::uint32_t>(alpha)), 1.0f))
        m_graphics.DrawPath(pen, shape);
}

bool FacePainter::drawSkin(int state)
{
    if (!m_face.skin || !m_face.skin->IsLoaded())
        return false;
    // The skin is the caller's; its bounds are set on a copy.
    NineGridImage sized = *m_face.skin;
    sized.SetBounds(m_box.x, m_box.y, m_box.width, m_box.height);
    sized.DrawState(m_graphics, state);
    return true;
}

void FacePainter::paintImageStyle()
{
    if (m_face.system) {
        paintSystemImage();
        return;
    }
    const int state = imageStateFor(m_face.hot, m_face.pressed, m_face.disabled, m_face.checked, m_face.checkedPressed);
    if (!drawSkin(state)) {
        const ByteArray* images[]
            = { &m_face.normalImage, &m_face.hotImage, &m_face.pressedImage, &m_face.disabledImage };
        Bitmap image;
        if (!images[state - 1]->empty() && image.LoadFromBytes(*images[state - 1])) {
            const FaceSize size = fitInto({ image.GetWidth(), image.GetHeight() }, { m_box.width, m_box.height });
            m_graphics.DrawImageI(image, m_box.x, m_box.y, size.width, size.height);
        }
    }
    if (!m_face.captionOnImage)
        return;
    TextLook look;
    look.colour = m_face.textColour;
    look.fontStyle = m_face.fontStyle;
    look.alignment = styledAlignment(m_face.alignment);
    look.trimming = flat::StringTrimmingEllipsisCharacter;
    drawText(m_face.caption, captionOnImageBox(m_box), look);
}

// The normal picture's shape, as the hot and pressed pictures may carry a plate of their own.
void FacePainter::paintSystemImage()
{
    paintSystemFace(m_graphics, m_box, m_system);
    Bitmap image;
    if (!m_face.normalImage.empty() && image.LoadFromBytes(m_face.normalImage)) {
        const FaceSize size = fitInto({ image.GetWidth(), image.GetHeight() }, { m_box.width, m_box.height });
        drawSilhouette(m_graphics, image, { m_box.x, m_box.y, size.width, size.height }, m_system.ink);
    }
    if (!m_face.captionOnImage)
        return;
    TextLook look;
    look.colour = m_system.ink;
    look.fontStyle = m_face.fontStyle;
    look.alignment = styledAlignment(m_face.alignment);
    look.trimming = flat::StringTrimmingEllipsisCharacter;
    drawText(m_face.caption, captionOnImageBox(m_box), look);
}

void FacePainter::paintNormal(void (FacePainter::*paint)(), bool hotOver)
{
    if (!m_face.skin || !m_face.skin->IsLoaded()) {
        (this->*paint)();
        return;
    }
    // The hot and pressed skin states replace the normal one rather than lie over it.
    if (m_face.disabled)
        drawSkin(4);
    else if (!hotOver && !m_look.pressed)
        drawSkin(1);
}

void FacePainter::paintBackground()
{
    if (m_face.system) {
        paintSystemFace(m_graphics, m_box, m_system);
        return;
    }
    if (m_face.skin && m_face.skin->IsLoaded()) {
        m_graphics.SetSmoothingMode(flat::SmoothingModeAntiAlias);
        m_graphics.SetPixelOffsetMode(flat::PixelOffsetModeHighQuality);
    }
    // The normal look lies under the pressed one; "hot" here is the mouse over an enabled face.
    const bool hotOver = m_face.hot && !m_face.disabled;
    if (m_face.style == FaceStyle::Colour && !hotOver)
        paintNormal(&FacePainter::paintNormalColour, hotOver);
    if (m_face.style == FaceStyle::Plain && m_face.plainFace && hasIcon())
        paintNormal(&FacePainter::paintPlainFlat, hotOver);
    if (m_look.pressed)
        paintPressed();
    else if (m_look.hot)
        paintHot();
}

void FacePainter::paintNormalColour()
{
    fill(1, 1, -2, -2, 3, kWhite, 200);
    fill(1, 1, -2, -2, 3, m_face.colour, 50);
    const std::uint32_t to = m_face.disabled ? toArgb(0x606060, 60) : toArgb(kBlack, 20);
    fillGradient(1, 1, -2, -2, 3, static_cast<float>(m_box.y - 1), static_cast<float>(m_box.y + m_box.height),
        toArgb(kWhite, 80), to);
    outline(0, 0, -1, -1, 5, kBlack, 100);
    if (m_face.checked)
        outline(0, 0, -1, -1, 5, m_face.colour, 100);
    outline(1, 1, -3, -3, 3, kWhite, 120);
}

void FacePainter::paintPlainFlat()
{
    outline(0, 0, -1, -1, 5, kBlack, 80);
    if ((m_face.hot && !m_face.disabled) || m_face.checked)
        outline(0, 0, -1, -1, 5, m_face.colour, 100);
    fill(1, 1, -3, -3, 3, kWhite, 100);
    const std::uint32_t from = m_face.disabled ? toArgb(0x808080, 80) : toArgb(m_face.colour, 60);
    const std::uint32_t to = m_face.disabled ? toArgb(0x606060, 60) : toArgb(m_face.colour, 60);
    fillGradient(
        1, 1, -3, -3, 3, static_cast<float>(m_box.y - 1), static_cast<float>(m_box.y + m_box.height), from, to);
    outline(1, 1, -3, -3, 3, kWhite, 100);
}

void FacePainter::paintPressed()
{
    const auto top = static_cast<float>(m_box.y);
    const auto bottom = static_cast<float>(m_box.y + m_box.height);
    if (m_face.style == FaceStyle::Colour) {
        if (drawSkin(3))
            return;
        fill(0, 0, -1, -1, 5, kWhite, 100);
        fill(0, 0, -1, -1, 5, m_face.colour, 60);
        fillGradient(0, 0, -1, -1, 5, top, bottom, toArgb(kBlack, 30), toArgb(kWhite, 100));
        outline(0, 0, -1, -1, 5, kBlack, 100);
        outline(1, 1, -3, -3, 4, kBlack, 30);
        if (hasAccent())
            outline(1, 1, -3, -3, 4, m_face.secondColour, 30);
    } else if (m_face.style == FaceStyle::Plain && m_face.underlineOnHot && hasIcon()) {
        if (drawSkin(3))
            return;
        fill(0, 0, -1, -1, 5, kWhite, 100);
        fillGradient(0, 0, -1, -1, 5, top, bottom, toArgb(kBlack, 50), toArgb(kWhite, 0));
        outline(0, 0, -1, -1, 5, kBlack, 60);
        outline(1, 1, -3, -3, 3, kWhite, 100);
    }
}

void FacePainter::paintHot()
{
    const auto top = static_cast<float>(m_box.y);
    if (m_face.style == FaceStyle::Colour) {
        if (drawSkin(2))
            return;
        fill(2, 2, -4, -4, 2, kWhite, 200);
        fill(2, 2, -4, -4, 2, m_face.secondColour, 60);
        fillGradient(2, 2, -4, -4, 2, top, static_cast<float>(m_box.y + m_box.height - 1), toArgb(kWhite, 100),
            toArgb(kBlack, 40));
        outline(0, 0, -1, -1, 8, kBlack, 20);
        if (hasAccent())
            outline(0, 0, -1, -1, 8, m_face.secondColour, 20);
        outline(1, 1, -3, -3, 5, kBlack, 120);
        outline(2, 2, -5, -5, 6, kWhite, 100);
    } else if (m_face.style == FaceStyle::Plain && m_face.underlineOnHot && hasIcon()) {
        if (drawSkin(2))
            return;
        fill(1, 1, -2, -2, 3, kWhite, 100);
        fillGradient(1, 1, -2, -2, 3, top, static_cast<float>(m_box.y + m_box.height), toArgb(m_face.colour, 30),
            toArgb(m_face.colour, 60));
        outline(0, 0, -1, -1, 5, kBlack, 80);
        outline(1, 1, -3, -3, 3, kWhite, 120);
    }
}

void FacePainter::drawText(const std::wstring& text, const FaceBox& box, const TextLook& look)
{
    if (text.empty() || box.width <= 0 || box.height <= 0)
        return;
    StringFormat format;
    if (!format.Create(look.flags))
        return;
    format.SetAlignment(look.alignment);
    format.SetLineAlignment(look.lineAlignment);
    if (look.trimming >= 0)
        format.SetTrimming(look.trimming);
    format.SetHotkeyPrefix(flat::HotkeyPrefixShow);
    const RectF layout(static_cast<float>(box.x), static_cast<float>(box.y), static_cast<float>(box.width),
        static_cast<float>(box.height));
    if (m_face.glow && !m_face.system) {
        GlowTextStyle style;
        style.glowSize = m_face.glowSize;
        style.face = m_face.face;
        style.fontStyle = look.fontStyle;
        style.size = m_face.size;
        style.format = &format;
        drawGlowText(m_graphics, text, layout, look.colour, m_face.glowColour, style);
        return;
    }
    Font font;
    SolidBrush brush;
    const std::uint32_t alpha = m_face.system ? 255 : kTextAlpha;
    if (font.Create(m_face.face, m_face.size, look.fontStyle) && brush.Create(toArgb(look.colour, alpha)))
        m_graphics.DrawString(text, font, brush, layout, format);
}

void FacePainter::paintCaption()
{
    const ByteArray& iconBytes = m_face.disabled && !m_face.disabledIcon.empty() ? m_face.disabledIcon : m_face.icon;
    Bitmap icon;
    if (iconBytes.empty() || !icon.LoadFromBytes(iconBytes)) {
        TextLook look;
        look.flags = flat::StringFormatFlagsNoWrap;
        look.trimming = flat::StringTrimmingEllipsisCharacter;
        look.alignment = styledAlignment(m_face.alignment);
        look.colour = m_face.textColour;
        look.fontStyle = m_face.fontStyle;
        if (m_face.system) {
            look.colour = m_system.ink;
        } else if (m_face.disabled) {
            look.colour = m_face.disabledTextColour;
        } else if (m_face.style == FaceStyle::Plain) {
            look.alignment = plainAlignment(m_face.plainAlignment);
            if (m_face.hot || m_face.checked) {
                look.fontStyle = m_face.underlineOnHot ? flat::FontStyleUnderline : 0;
                look.colour = kHotCaptionColour;
            }
        }
        drawText(m_face.caption, captionBox(m_box), look);
        return;
    }
    const FaceSize own { icon.GetWidth(), icon.GetHeight() };
    IconPlacement placement;
    TextLook look;
    // Beside an icon the caption keeps its colour; the disabled icon shows the state.
    look.colour = m_face.system ? m_system.ink : m_face.textColour;
    look.fontStyle = m_face.fontStyle;
    if (m_face.caption.empty()) {
        placement = placeIconOnly(m_box, own);
    } else if (m_face.iconAboveCaption) {
        const TextSize caption
            = measureTextSize(m_face.caption, m_face.face, m_face.size, m_face.fontStyle, m_box.width);
        placement = placeIconAbove(m_box, own, caption.height);
        look.lineAlignment = flat::StringAlignmentNear;
    } else {
        const int captionWidth = measureTextWidth(m_face.caption, m_face.face, m_face.size, m_face.fontStyle);
        placement = placeIconLeft(m_box, own, captionWidth);
        look.flags = flat::StringFormatFlagsNoWrap;
        look.alignment = flat::StringAlignmentNear;
    }
    drawText(m_face.caption, placement.caption, look);
    const FaceBox& at = placement.icon;
    if (at.width > 0 && at.height > 0)
        m_graphics.DrawImageI(icon, at.x, at.y, at.width, at.height);
}

} // namespace

void paintButtonFace(Graphics& graphics, const ButtonFace& face, RECT* clip)
{
    const FaceBox box { face.rect.left, face.rect.top, face.rect.right - face.rect.left,
        face.rect.bottom - face.rect.top };
    if (!face.keepClip) {
        const FaceBox area = faceClip(box);
        graphics.SetClipRectI(area.x, area.y, area.width, area.height, flat::CombineModeIntersect);
        if (clip)
            *clip = RECT { area.x, area.y, area.x + area.width, area.y + area.height };
    }
    FacePainter painter(graphics, face);
    if (face.style == FaceStyle::Images) {
        painter.paintImageStyle();
    } else {
        painter.paintBackground();
        painter.paintCaption();
    }
    graphics.SetSmoothingMode(flat::SmoothingModeAntiAlias);
    graphics.SetPixelOffsetMode(flat::PixelOffsetModeDefault);
    if (!face.keepClip)
        graphics.ResetClip();
}
