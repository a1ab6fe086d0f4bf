#include "msgbox/SkinMessageBox.h"

#include "imaging/ImageCodec.h"
#include "imaging/NineGridImage.h"
#include "imaging/SkinPictures.h"

namespace {

constexpr COLORREF kButtonColour = 0xDDCA22;
constexpr std::uint32_t kButtonSkinSeparator = 0x7F007F;

// The strips are cut once per program and keep only bytes, no GDI+ objects; each box
// decodes just the frames it shows.
const ImageCodec& buttonStrip()
{
    static const ImageCodec strip = cutStrip(kButtonSkin.bytes(), kButtonSkinSeparator);
    return strip;
}

const ImageCodec& iconStrip()
{
    static const ImageCodec strip = cutStrip(kMessageBoxIcons.bytes());
    return strip;
}

NineGridImage buttonSkin()
{
    const ImageCodec& strip = buttonStrip();
    NineGridImage skin;
    skin.LoadStates(strip.GetFrame(1), ByteView(strip.GetFrame(2)), ByteView(strip.GetFrame(3)));
    return skin;
}

} // namespace

void SkinMessageBox::prepareStrips()
{
    // The button frames are in every box; each icon frame is cut when a box first shows it.
    for (int state = 1; state <= 3; ++state)
        buttonStrip().GetFrame(state);
    iconStrip();
    SkinWindow::prepareCaptionButtons(kCaptionClose, kCaptionButtonStyle);
}

void SkinMessageBox::buildContents(HWND window)
{
    m_openWindow = window;
    CaptionFontChange caption;
    caption.size = 13;
    caption.glowColour = 0xFFFFFF;
    m_window.setCaptionFont(caption);

    buildPanels();
    buildIcon();
    buildLabel();
    buildButtons();
    buildCheckBox();
    applyLook();
    startCountdown();

    m_window.setEventHandler(ElementEvent::Destroyed, [this](const EventArgs&) {
        onClosed();
        return 0;
    });
    m_window.setEventHandler(ElementEvent::KeyDown, [this](const EventArgs& args) { return onKeyDown(args); });
    m_window.setEventHandler(ElementEvent::KeyUp, [this](const EventArgs& args) { return onKeyUp(args); });
    m_window.setEventHandler(ElementEvent::DisplayChanged, [this](const EventArgs&) {
        onDisplayChanged();
        return 0;
    });
    // As on the platform's box, the default button has the focus from the start.
    m_window.giveFocus(m_buttons[m_style.defaultButton].id());
    announceOpened();
}

void SkinMessageBox::buildPanels()
{
    PanelOptions body;
    body.x = m_layout.body.left;
    body.y = m_layout.body.top;
    body.width = m_layout.body.right - m_layout.body.left;
    body.height = m_layout.body.bottom - m_layout.body.top;
    body.shape = 0;
    body.borderStyle = 0;
    m_body.create(m_openWindow, body);

    PanelOptions bar = body;
    bar.x = m_layout.bottomBar.left;
    bar.y = m_layout.bottomBar.top;
    bar.width = m_layout.bottomBar.right - m_layout.bottomBar.left;
    bar.height = m_layout.bottomBar.bottom - m_layout.bottomBar.top;
    bar.fillColour = 0xFFFFFF;
    bar.fillAlpha = 200;
    m_bottomBar.create(m_openWindow, bar);
}

void SkinMessageBox::buildIcon()
{
    MessageBeep(m_style.beep);
    if (!m_layout.icon)
        return;
    PictureOptions picture;
    picture.x = m_layout.icon->left;
    picture.y = m_layout.icon->top;
    picture.width = m_layout.icon->right - m_layout.icon->left;
    picture.height = m_layout.icon->bottom - m_layout.icon->top;
    picture.image = iconStrip().GetFrame(static_cast<int>(m_style.icon));
    picture.mode = 0;
    m_iconPicture.create(m_openWindow, picture);
}

void SkinMessageBox::buildLabel()
{
    FontChange font;
    font.size = 14.0f;
    font.style = 0;
    font.glowColour = 0xC0C0C0;
    m_messageLabel.setFont(font);
    LabelOptions label;
    label.x = m_layout.message.left;
    label.y = m_layout.message.top;
    label.width = m_layout.message.right - m_layout.message.left;
    label.height = m_layout.message.bottom - m_layout.message.top;
    label.caption = m_request.message;
    label.multiline = true;
    m_messageLabel.create(m_openWindow, label);
}

void SkinMessageBox::buildButtons()
{
    const NineGridImage skin = buttonSkin();
    for (int index = 1; index <= buttonCount(); ++index) {
        const RECT& place = m_layout.buttons[static_cast<size_t>(index - 1)];
        ColourButtonOptions button;
        button.containerId = m_bottomBar.id();
        button.x = place.left;
        button.y = place.top;
        button.width = MessageBoxLayout::kButtonWidth;
        button.caption = m_style.buttons[static_cast<size_t>(index - 1)].caption;
        button.colour = kButtonColour;
        button.skin = &skin;
        m_buttons[index].createColour(m_openWindow, button);
    }
    for (int index = 1; index <= static_cast<int>(m_buttons.size()); ++index) {
        m_buttons[index].setEventHandler(ElementEvent::Click, [this, index](const EventArgs&) {
            onButton(index);
            return 0;
        });
    }
}

void SkinMessageBox::buildCheckBox()
{
    if (!m_layout.checkBox)
        return;
    CheckBoxOptions check;
    check.containerId = m_bottomBar.id();
    check.x = m_layout.checkBox->left;
    check.y = m_layout.checkBox->top;
    check.width = m_layout.checkBox->right - m_layout.checkBox->left;
    check.height = m_layout.checkBox->bottom - m_layout.checkBox->top;
    check.caption = m_request.checkBoxText;
    check.value = m_request.checkBoxInitial;
    m_checkBox.createCheckBox(m_openWindow, check);
}
