#include "controls/SkinButton.h"

#include "controls/FocusRing.h"
#include "controls/SystemFace.h"
#include "drawing/Colour.h"
#include "drawing/Graphics.h"
#include "drawing/Image.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"

namespace {

constexpr COLORREF kDisabledTextColour = 0x808080;
constexpr int kColourFadeCorner = 5;
constexpr int kFocusInset = 3;

} // namespace

SkinButton::~SkinButton()
{
    destroyIfCreated();
}

bool SkinButton::mayCreate(HWND window) const
{
    return id() == 0 && registryIndexOf(window) > 0;
}

int SkinButton::createColour(HWND window, const ColourButtonOptions& options)
{
    if (!mayCreate(window))
        return id() > 0 ? id() : 0;
    m_style = FaceStyle::Colour;
    m_colour = options.colour;
    m_secondColour = options.secondColour.value_or(options.colour);
    ControlOptions base = placedOptions(options);
    base.text = options.caption;
    base.skin = options.skin;
    return finishCreate(window, base, skin::kKindColourButton, options.toolTipText);
}

int SkinButton::createPlain(HWND window, const PlainButtonOptions& options)
{
    if (!mayCreate(window))
        return id() > 0 ? id() : 0;
    m_style = FaceStyle::Plain;
    m_icon = options.icon;
    m_colour = options.colour;
    m_secondColour = options.colour;
    m_iconAbove = options.iconAbove;
    m_plainFace = options.plainFace;
    m_underlineOnHot = options.underlineOnHot || options.plainFace;
    ControlOptions base = placedOptions(options);
    base.text = options.caption;
    base.skin = options.skin;
    return finishCreate(window, base, skin::kKindSkinButton, options.toolTipText);
}

int SkinButton::createImages(HWND window, const ImageButtonOptions& options)
{
    if (!mayCreate(window))
        return id() > 0 ? id() : 0;
    m_style = FaceStyle::Images;
    m_normalImage = options.normalImage;
    m_hotImage = options.hotImage.value_or(options.normalImage);
    m_pressedImage = options.pressedImage.value_or(options.normalImage);
    m_disabledImage = options.disabledImage.value_or(options.normalImage);
    ControlOptions base;
    base.containerId = options.containerId;
    base.x = options.x;
    base.y = options.y;
    if (!options.width || !options.height) {
        Image normal;
        normal.LoadFromBytes(m_normalImage);
        base.width = options.width.value_or(normal.GetWidth());
        base.height = options.height.value_or(normal.GetHeight());
    } else {
        base.width = *options.width;
        base.height = *options.height;
    }
    return finishCreate(window, base, skin::kKindImageButton, options.toolTipText);
}

int SkinButton::finishCreate(HWND window, ControlOptions options, int kind, const std::wstring& toolTipText)
{
    options.kind = kind;
    options.interactive = true;
    const int newId = ControlBase::create(window, options);
    if (newId == 0) {
        resetButton();
        return 0;
    }
    m_toolTipText = toolTipText;
    // The tip shows nowhere until the button is shown, moved or hovered.
    const RECT nowhere {};
    if (!m_toolTipText.empty() && m_toolTip.create(window))
        m_toolTip.addTool(newId, m_toolTipText, &nowhere);
    return newId;
}

ButtonFace SkinButton::face(bool hot, bool pressed) const
{
    ButtonFace f;
    f.rect = { 0, 0, width(), height() };
    f.caption = text();
    f.icon = m_icon;
    f.disabledIcon = m_icon;
    f.colour = m_colour;
    f.textColour = font().colour;
    f.disabledTextColour = kDisabledTextColour;
    f.plainAlignment = 0;
    f.underlineOnHot = m_underlineOnHot;
    f.style = m_style;
    f.normalImage = m_normalImage;
    f.hotImage = m_hotImage;
    f.pressedImage = m_pressedImage;
    f.disabledImage = m_disabledImage;
    f.hot = hot;
    f.pressed = pressed;
    f.disabled = disabled();
    f.iconAboveCaption = m_iconAbove;
    f.skin = skinLoaded() ? &skin() : nullptr;
    f.face = font().face;
    f.size = font().size;
    f.fontStyle = font().style;
    f.glow = font().glow;
    f.glowColour = font().glowColour;
    f.glowSize = font().glowSize;
    f.plainFace = m_plainFace && !hot && !pressed;
    f.secondColour = m_secondColour;
    f.system = m_system ? &*m_system : nullptr;
    return f;
}

void SkinButton::paint(Surface& surface, bool hot, bool pressed) const
{
    Graphics graphics;
    if (!surface || !graphics.CreateFromHDC(surface.dc()))
        return;
    graphics.SetTextRenderingHint(flat::TextRenderingHintAntiAliasGridFit);
    paintButtonFace(graphics, face(hot, pressed));
    // Keyboard users must see which button Space presses, also on a system face of any colour.
    if (!showsFocusMark() || disabled())
        return;
    const std::uint32_t ring = m_system
        ? toArgb(systemFaceLook(*m_system, faceLook(hot, pressed, false, false, false), false).ink)
        : kFocusRingArgb;
    drawFocusRing(graphics,
        RectF(kFocusInset, kFocusInset, static_cast<float>(width() - 2 * kFocusInset - 1),
            static_cast<float>(height() - 2 * kFocusInset - 1)),
        ring);
}

void SkinButton::redraw(skin::RedrawReason reason)
{
    Surface* surface = beginRendering();
    if (!surface)
        return;
    paint(*surface, reason == skin::RedrawReason::Hot, reason == skin::RedrawReason::Pressed);
    if (reason != skin::RedrawReason::Render)
        present();
}

Surface SkinButton::renderState(bool hot) const
{
    Surface surface = createSurface();
    paint(surface, hot, false);
    return surface;
}

void SkinButton::fadeTo(bool hot)
{
    TransitionOptions options;
    options.radius = m_style == FaceStyle::Colour ? kColourFadeCorner : 0;
    startTransition(renderState(hot), options);
}

bool SkinButton::setImages(std::optional<ByteArray> normal, std::optional<ByteArray> hot,
    std::optional<ByteArray> pressed, std::optional<ByteArray> disabled)
{
    if (m_style != FaceStyle::Images)
        return false;
    if (normal)
        m_normalImage = std::move(*normal);
    if (hot)
        m_hotImage = std::move(*hot);
    if (pressed)
        m_pressedImage = std::move(*pressed);
    if (disabled)
        m_disabledImage = std::move(*disabled);
    if (record())
        redraw(skin::RedrawReason::Present);
    return true;
}

void SkinButton::setColours(COLORREF colour, std::optional<COLORREF> secondColour)
{
    m_colour = colour;
    m_secondColour = secondColour.value_or(colour);
    if (record())
        redraw(skin::RedrawReason::Present);
}

void SkinButton::setSystemColours(const std::optional<SystemColours>& colours, bool present)
{
    m_system = colours;
    if (record())
        redraw(present ? skin::RedrawReason::Present : skin::RedrawReason::Render);
}

void SkinButton::placeToolTip(const RECT& rect)
{
    if (!m_toolTipText.empty())
        m_toolTip.setToolRect(id(), rect);
}

std::optional<LRESULT> SkinButton::handleClassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEHOVER:
    case skin::kMsgClicked:
        m_hot = true;
        placeToolTip(windowRect());
        fadeTo(true);
        break;
    case WM_MOUSELEAVE:
        m_hot = false;
        fadeTo(false);
        break;
    case WM_LBUTTONDOWN:
        completeTransitions();
        redraw(skin::RedrawReason::Pressed);
        break;
    case WM_SHOWWINDOW:
        placeToolTip(wParam != 0 ? windowRect() : RECT {});
        break;
    case WM_MOVE:
        if (!m_toolTipText.empty()) {
            const LRESULT result = handleCommonMessage(window, message, wParam, lParam);
            placeToolTip(windowRect());
            return result;
        }
        break;
    case WM_UPDATEUISTATE:
        if (!isFocused())
            break;
        [[fallthrough]];
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        completeTransitions();
        redraw(m_hot ? skin::RedrawReason::Hot : skin::RedrawReason::Present);
        break;
    case WM_KEYUP:
        // A disabled button may still hold the focus; it raises no click.
        if (wParam == VK_SPACE && !disabled())
            fireEvent(ElementEvent::Click, { id() });
        break;
    default:
        break;
    }
    return std::nullopt;
}

void SkinButton::onDestroying()
{
    resetButton();
}

void SkinButton::resetButton()
{
    m_toolTip.destroy();
    m_toolTipText.clear();
    m_style = FaceStyle::Plain;
    m_plainFace = false;
    m_colour = 0xFFFFFF;
    m_secondColour = 0xFFFFFF;
    m_icon.clear();
    m_iconAbove = false;
    m_underlineOnHot = true;
    m_normalImage.clear();
    m_hotImage.clear();
    m_pressedImage.clear();
    m_disabledImage.clear();
    m_hot = false;
    m_system.reset();
}
