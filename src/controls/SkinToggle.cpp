#include "controls/SkinToggle.h"

#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"

namespace {

template <typename Options>
ControlOptions toggleOptions(const Options& options)
{
    ControlOptions base = placedOptions(options);
    base.interactive = true;
    base.kind = skin::kKindToggle;
    return base;
}

// Empty pictures take the normal one.
TogglePictures withFallbacks(TogglePictures pictures)
{
    for (std::size_t state = 1; state < pictures.size(); ++state)
        if (pictures[state].empty())
            pictures[state] = pictures[0];
    return pictures;
}

} // namespace

// The base destroys a control only after the class part is gone, which would leave the check
// timers running on a dead object, so the toggle destroys itself first.
SkinToggle::~SkinToggle()
{
    destroyIfCreated();
    stopCheckAnimation();
}

int SkinToggle::createImageToggle(HWND window, const ImageToggleOptions& options)
{
    if (id() > 0)
        return id();
    ControlOptions base = toggleOptions(options);
    base.text = options.caption;
    base.skin = options.skin;
    if (create(window, base) == 0)
        return 0;
    m_buttonMode = true;
    m_faceStyle = FaceStyle::Images;
    m_checkedLooksPressed = options.checkedLooksPressed;
    m_toolTipText = options.toolTipText;
    if (skinLoaded()) {
        m_captionOnImage = options.captionOnImage.value_or(true);
    } else if (!options.normalImage.empty()) {
        m_faceImages
            = withFallbacks({ options.normalImage, options.hotImage, options.pressedImage, options.disabledImage });
        m_captionOnImage = options.captionOnImage.value_or(false);
    }
    storeValue(options.value);
    if (!m_toolTipText.empty() && m_toolTip.create(window)) {
        // A toggle created inside a hidden container must not show its tip.
        const RECT rect = visible() ? windowRect() : RECT {};
        m_toolTip.addTool(id(), m_toolTipText, &rect);
    }
    redraw(skin::RedrawReason::Present);
    return id();
}

int SkinToggle::createIconToggle(HWND window, const IconToggleOptions& options)
{
    if (id() > 0)
        return id();
    ControlOptions base = toggleOptions(options);
    base.text = options.caption;
    base.skin = options.skin;
    if (create(window, base) == 0)
        return 0;
    m_buttonMode = true;
    m_faceStyle = FaceStyle::Plain;
    m_icon = options.icon;
    m_colour = options.colour;
    m_iconAbove = options.iconAboveCaption;
    m_checkedLooksPressed = options.checkedLooksPressed;
    storeValue(options.value);
    redraw(skin::RedrawReason::Present);
    return id();
}

int SkinToggle::createCheckBox(HWND window, const CheckBoxOptions& options)
{
    if (id() > 0)
        return id();
    ControlOptions base = toggleOptions(options);
    base.text = options.caption;
    if (create(window, base) == 0)
        return 0;
    m_checkBoxStyle = options.style;
    m_showFocus = true;
    // The first look is drawn at rest: an animation here would flash a tick on a box that
    // starts unchecked.
    storeValue(options.value);
    redraw(skin::RedrawReason::Present);
    return id();
}

int SkinToggle::createSwitch(HWND window, const SwitchOptions& options)
{
    if (id() > 0)
        return id();
    if (create(window, toggleOptions(options)) == 0)
        return 0;
    FontChange white;
    white.colour = 0xFFFFFF;
    setFont(white);
    setCursor(CursorKind::Hand);
    m_switchStyle = true;
    m_switchLook = options;
    storeValue(0);
    m_switch = switchLayout(width(), height(), false);
    redraw(skin::RedrawReason::Present);
    return id();
}

void SkinToggle::setToggleImages(const TogglePictures& checked, const TogglePictures& unchecked, bool redrawNow)
{
    m_checkBoxStyle = CheckBoxStyle::Round;
    m_imageMode = true;
    m_checkedImages = withFallbacks(checked);
    m_uncheckedImages = withFallbacks(unchecked);
    if (redrawNow && record())
        redraw(skin::RedrawReason::Present);
}

void SkinToggle::setValue(int value)
{
    storeValue(value);
    if (!record())
        return;
    completeTransitions();
    afterValueChange();
}

void SkinToggle::afterValueChange()
{
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, parentWindow(), OBJID_CLIENT, id());
    if (m_switchStyle) {
        m_switch = switchLayout(width(), height(), this->value() == 1);
        redraw(skin::RedrawReason::Present);
    } else if (isGlyphCheckBox()) {
        startCheckAnimation(value() == 1);
    } else {
        redraw(skin::RedrawReason::Present);
    }
}

// A new toggle during an animation stops it and plays its own sequence from the start.
void SkinToggle::startCheckAnimation(bool checking)
{
    stopCheckAnimation();
    m_frame = checking ? kCheckingFirstFrame : kUncheckingFirstFrame;
    render(skin::RedrawReason::Hot, true, m_frame);
    (checking ? m_checkTimer : m_uncheckTimer) = startTimer(kCheckAnimationIntervalMs);
}

void SkinToggle::stopCheckAnimation()
{
    stopTimer(m_checkTimer);
    stopTimer(m_uncheckTimer);
    m_checkTimer = 0;
    m_uncheckTimer = 0;
}

void SkinToggle::onTimer(UINT_PTR timer)
{
    if (timer == 0 || (timer != m_checkTimer && timer != m_uncheckTimer))
        return;
    const bool checking = timer == m_checkTimer;
    const AnimationStep step = nextAnimationFrame(checking, m_frame);
    m_frame = step.frame;
    if (step.last)
        stopCheckAnimation();
    render(skin::RedrawReason::Hot, true, m_frame);
}

void SkinToggle::updateToolRect(bool shown)
{
    if (m_toolTip)
        m_toolTip.setToolRect(id(), shown ? windowRect() : RECT {});
}

std::optional<LRESULT> SkinToggle::handleClassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEHOVER:
        updateToolRect(true);
        redraw(skin::RedrawReason::Hot);
        break;
    case WM_MOUSELEAVE:
        m_pressed = false;
        redraw(skin::RedrawReason::Leave);
        break;
    case WM_LBUTTONDOWN:
        m_pressed = true;
        if (m_buttonMode)
            completeTransitions();
        redraw(skin::RedrawReason::Pressed);
        break;
    case WM_LBUTTONUP:
        // Only a press that began on the control toggles it, and never once it is disabled:
        // the program may disable it while the button is held.
        if (m_pressed && !disabled()) {
            m_pressed = false;
            storeValue(1 - value());
            if (m_switchStyle || isGlyphCheckBox())
                afterValueChange();
            else
                redraw(skin::RedrawReason::Hot);
        }
        m_pressed = false;
        break;
    case WM_MOVE:
        if (m_toolTip) {
            const LRESULT result = handleCommonMessage(window, message, wParam, lParam);
            updateToolRect(visible());
            return result;
        }
        break;
    case WM_KILLFOCUS:
        // The common handling redraws a toggle that loses the focus.
        m_pressed = false;
        break;
    case WM_UPDATEUISTATE:
        if (m_showFocus && isFocused())
            redraw(skin::RedrawReason::Present);
        break;
    case WM_SETFOCUS:
        redraw(skin::RedrawReason::Present);
        break;
    case WM_SHOWWINDOW:
        // A hidden control's tool gets an empty rectangle, so its tip never shows.
        updateToolRect(wParam == 1);
        break;
    default:
        break;
    }
    return std::nullopt;
}

void SkinToggle::onDestroying()
{
    stopCheckAnimation();
    m_toolTip.destroy();
    resetToggle();
}

void SkinToggle::resetToggle()
{
    m_imageMode = false;
    m_checkedImages = {};
    m_uncheckedImages = {};
    m_checkBoxStyle = CheckBoxStyle::Round;
    m_frame = glyph::kNone;
    m_showFocus = false;
    m_buttonMode = false;
    m_faceStyle = FaceStyle::Plain;
    m_icon.clear();
    m_colour = 0xFFFFFF;
    m_iconAbove = false;
    m_checkedLooksPressed = false;
    m_faceImages = {};
    m_captionOnImage = false;
    m_toolTipText.clear();
    m_switchStyle = false;
    m_switchLook = {};
    m_switch = {};
    m_pressed = false;
    m_system.reset();
}
