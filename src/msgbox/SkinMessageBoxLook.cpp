#include "msgbox/SkinMessageBox.h"

#include "element/WindowRegistry.h"
#include "skin/DisplaySettings.h"

namespace {

constexpr COLORREF kGradientBlue = 0xB26600;

} // namespace

std::optional<SystemColours> SkinMessageBox::displayColours()
{
    return highContrast() ? std::optional(SystemColours::current()) : std::nullopt;
}

void SkinMessageBox::applyLook()
{
    const SystemColours* system = m_systemColours ? &*m_systemColours : nullptr;
    if (system) {
        m_body.setFill(static_cast<std::int32_t>(system->window), 255);
        m_bottomBar.setFill(static_cast<std::int32_t>(system->buttonFace), 255);
    } else {
        m_body.setGradient(1, kGradientBlue, 60, 0xFFFFFF, 240);
        // The gradient takes the place of the bar's solid fill.
        m_bottomBar.setGradient(1, 0xFFFFFF, 200, kGradientBlue, 20);
    }
    FontChange message;
    message.colour = system ? system->windowText : 0;
    message.glow = !system;
    m_messageLabel.setFont(message);
    CaptionFontChange caption;
    caption.colour = message.colour;
    caption.glow = !system;
    m_window.setCaptionFont(caption);
    // Every control of the window, the caption's close button among them.
    WindowRecord* entry = m_window.record();
    for (int id = 1; entry && id <= entry->controlCount(); ++id) {
        ControlRecord* control = entry->control(id);
        if (control && control->inUse() && control->object)
            control->object->setSystemColours(m_systemColours, false);
    }
}

void SkinMessageBox::onDisplayChanged()
{
    std::optional<SystemColours> colours = displayColours();
    if (!m_openWindow || colours == m_systemColours)
        return;
    m_systemColours = colours;
    applyLook();
    // Every control drawn again first, so the one picture put on screen is whole.
    m_window.compose(false, true);
    BackgroundChange background;
    background.colour = static_cast<std::int32_t>(m_systemColours ? m_systemColours->window : 0xFFFFFF);
    m_window.setBackground(background);
}
