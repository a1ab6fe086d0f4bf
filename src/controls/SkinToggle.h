#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "controls/ButtonFace.h"
#include "controls/ToggleGeometry.h"
#include "controls/ToolTip.h"
#include "core/Bytes.h"
#include "element/ControlBase.h"

class Graphics;

// A button face that stays down while its value is 1, painted from four pictures.
struct ImageToggleOptions {
    int containerId = 0;
    int x = 0;
    int y = 0;
    int width = 80;
    int height = 25;
    std::wstring caption;
    // Omitted pictures take the normal one.
    ByteArray normalImage;
    ByteArray hotImage;
    ByteArray pressedImage;
    ByteArray disabledImage;
    // When loaded it replaces the pictures.
    const NineGridImage* skin = nullptr;
    // Omitted: the caption is drawn over a skin, not over pictures.
    std::optional<bool> captionOnImage;
    // Empty: no tooltip.
    std::wstring toolTipText;
    int value = 0;
    // A checked face looks pressed rather than hot.
    bool checkedLooksPressed = false;
};

// A plain button face with an icon that stays down while its value is 1.
struct IconToggleOptions {
    int containerId = 0;
    int x = 0;
    int y = 0;
    int width = 80;
    int height = 25;
    std::wstring caption;
    ByteArray icon;
    COLORREF colour = 0xFFFFFF;
    bool iconAboveCaption = false;
    const NineGridImage* skin = nullptr;
    int value = 0;
    bool checkedLooksPressed = false;
};

enum class CheckBoxStyle : int { Round = 0, Glyph = 1 };

struct CheckBoxOptions {
    int containerId = 0;
    int x = 0;
    int y = 0;
    int width = 80;
    int height = 25;
    std::wstring caption;
    int value = 0;
    CheckBoxStyle style = CheckBoxStyle::Glyph;
};

// How an on/off switch draws its two sides and its knob.
struct SwitchLook {
    std::wstring onText = L"开启";
    std::wstring offText = L"关闭";
    COLORREF onColour = 0x00CC00;
    COLORREF offColour = 0x0000FF;
    COLORREF knobColour = 0xFFFFFF;
    // Both given: they replace the painted switch.
    ByteArray onImage;
    ByteArray offImage;
};

// An on/off switch: a coloured capsule track with a round knob, or two pictures.
struct SwitchOptions : SwitchLook {
    int containerId = 0;
    int x = 0;
    int y = 0;
    int width = 65;
    int height = 26;
};

// The four pictures of one value: normal, hot, pressed, disabled.
using TogglePictures = std::array<ByteArray, 4>;

// A windowless control whose value flips between 0 and 1 with each click: an image or icon
// toggle button, a check box (glyph strip or round indicator, or eight pictures) or an
// on/off switch, chosen by the create that made it.
class SkinToggle : public ControlBase {
public:
    SkinToggle() = default;
    ~SkinToggle() override;

    // Each create returns the control's id (also when it was created before), or 0 when
    // `window` is not a framework window.
    int createImageToggle(HWND window, const ImageToggleOptions& options);
    int createIconToggle(HWND window, const IconToggleOptions& options);
    int createCheckBox(HWND window, const CheckBoxOptions& options = {});
    int createSwitch(HWND window, const SwitchOptions& options = {});

    // Replaces the round indicator by pictures: checked ones while the value is 1, unchecked
    // ones while it is 0. Empty pictures take the normal one of their value.
    void setToggleImages(const TogglePictures& checked, const TogglePictures& unchecked, bool redrawNow = false);

    // Stores the value (anything but 0 is 1) and shows it; a glyph check box animates.
    void setValue(int value) override;

    // The toggle buttons and the glyph check box; round indicators and switches keep their looks.
    void setSystemColours(const std::optional<SystemColours>& colours, bool present = true) override;

    bool showsFocus() const { return m_showFocus; }
    void setShowFocus(bool show) { m_showFocus = show; }

    void redraw(skin::RedrawReason reason) override;

    bool pressed() const { return m_pressed; }
    // The frame of the running check animation; 0 when it has ended without a mark.
    int animationFrame() const { return m_frame; }
    bool animating() const { return m_checkTimer != 0 || m_uncheckTimer != 0; }
    const SwitchLayout& switchGeometry() const { return m_switch; }
    const ToolTip& toolTip() const { return m_toolTip; }
    const std::wstring& toolTipText() const { return m_toolTipText; }

protected:
    std::optional<LRESULT> handleClassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void onDestroying() override;
    void onTimer(UINT_PTR id) override;

private:
    bool isGlyphCheckBox() const { return !m_buttonMode && !m_imageMode && m_checkBoxStyle == CheckBoxStyle::Glyph; }
    void storeValue(int value) { SkinElement::setValue(value != 0 ? 1 : 0); }
    void afterValueChange();
    void startCheckAnimation(bool checking);
    void stopCheckAnimation();
    void render(skin::RedrawReason reason, bool animating, int frame);
    void updateToolRect(bool shown);
    void resetToggle();

    void paintFace(Graphics& graphics, const RECT& face, bool hot, bool pressed) const;
    void paintGlyphCheckBox(Graphics& graphics, const RECT& face, bool hot, bool animating, int frame) const;
    void paintSystemCheckBox(Graphics& graphics, const RECT& face, bool hot) const;
    void paintGlyphCaption(Graphics& graphics, const RECT& face) const;
    void paintRoundIndicator(Graphics& graphics, const RECT& face, bool hot, bool pressed) const;
    void paintPaintedIndicator(Graphics& graphics, const RECT& face, bool hot) const;
    int paintIndicatorPicture(Graphics& graphics, const RECT& face, bool hot, bool pressed) const;
    void paintIndicatorCaption(Graphics& graphics, const RECT& face, int indicatorWidth) const;
    void paintSwitch(skin::RedrawReason reason);
    void paintSwitchTrack(Graphics& graphics) const;
    void paintSwitchKnob(Graphics& graphics) const;
    void paintSwitchCaption(Graphics& graphics) const;

    bool m_imageMode = false;
    TogglePictures m_checkedImages;
    TogglePictures m_uncheckedImages;
    CheckBoxStyle m_checkBoxStyle = CheckBoxStyle::Round;
    UINT_PTR m_checkTimer = 0;
    UINT_PTR m_uncheckTimer = 0;
    int m_frame = glyph::kNone;
    bool m_showFocus = false;
    bool m_buttonMode = false;
    FaceStyle m_faceStyle = FaceStyle::Plain;
    ByteArray m_icon;
    COLORREF m_colour = 0xFFFFFF;
    bool m_iconAbove = false;
    bool m_checkedLooksPressed = false;
    TogglePictures m_faceImages;
    bool m_captionOnImage = false;
    ToolTip m_toolTip;
    std::wstring m_toolTipText;
    bool m_switchStyle = false;
    SwitchLook m_switchLook;
    SwitchLayout m_switch;
    bool m_pressed = false;
    std::optional<SystemColours> m_system;
};
