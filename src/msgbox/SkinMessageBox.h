#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "controls/SkinButton.h"
#include "controls/SkinLabel.h"
#include "controls/SkinPanel.h"
#include "controls/SkinPicture.h"
#include "controls/SkinToggle.h"
#include "core/OneBasedArray.h"
#include "core/ThreadTimer.h"
#include "msgbox/MessageBoxCountdown.h"
#include "msgbox/MessageBoxLayout.h"
#include "msgbox/MessageBoxRequest.h"
#include "msgbox/MessageBoxStyle.h"
#include "skin/SkinWindow.h"

// The skinned, modal message box: a layered window with a gradient body, an optional icon,
// the wrapped message, one to three buttons in a bottom bar, an optional check box beside
// them and an optional countdown in the title. Each show makes a new window and new controls
// and tears them down when the window goes. Its result is the pressed button's platform
// identifier minus 1 (0 OK, 1 cancel, ...), or -1 when it closed without a button.
class SkinMessageBox {
public:
    static constexpr int kNoButton = -1;

    SkinMessageBox() = default;
    SkinMessageBox(const SkinMessageBox&) = delete;
    SkinMessageBox& operator=(const SkinMessageBox&) = delete;

    // Returns once the box has closed; -1 at once while the box is already open. checkResult,
    // when given, receives the check box's final value (its initial one without a window).
    int show(const MessageBoxRequest& request, int* checkResult = nullptr);

    // Loads what every box is drawn with: the button, icon and caption strips and the text
    // font. Boxes built afterwards skip that work, so a caller that has to wait anyway calls
    // this first.
    static void prepare();

    bool isOpen() const { return m_showing; }
    // The box's window while it is open; null otherwise.
    HWND openWindow() const { return m_openWindow; }

    // What the open box is made of, for those who look at it.
    const SkinWindow& window() const { return m_window; }
    // Buttons 1..3, left to right.
    const SkinButton& button(int index) const { return m_buttons[index]; }
    const SkinToggle& checkBox() const { return m_checkBox; }
    const MessageBoxLayout& layout() const { return m_layout; }

private:
    static constexpr CaptionButtonStyle kCaptionButtonStyle = CaptionButtonStyle::Standard;

    static void prepareStrips();

    // Also stores the check box's width.
    SIZE measureBox();
    POINT placeBox(SIZE box) const;

    // Fills the new window; its created callback.
    void buildContents(HWND window);
    void buildPanels();
    void buildIcon();
    void buildLabel();
    void buildButtons();
    void buildCheckBox();
    void startCountdown();

    // High contrast: the system's colours while it is on, nullopt while it is off.
    static std::optional<SystemColours> displayColours();
    // Gives the panels, the texts, the caption and every control of the window the look of
    // m_systemColours: the skinned one, or the system's colours.
    void applyLook();
    // The window's DisplayChanged handler: a box that has to change its look redraws whole.
    void onDisplayChanged();

    void onButton(int index);
    void onCountdownTick();
    // The window's destroy handler.
    void onClosed();

    // Keyboard, through the window's key events; 0 keeps a key from the window.
    int onKeyDown(const EventArgs& args);
    int onKeyUp(const EventArgs& args);
    // The buttons and the check box in reading order, as control ids.
    std::vector<int> focusCycle() const;
    void moveFocus(int step, bool buttonsOnly);
    // The 1-based button holding the focus, or 0.
    int focusedButton() const;
    int buttonCount() const { return static_cast<int>(m_layout.buttons.size()); }
    bool checkBoxFocused() const;

    // What a screen reader and the clipboard are given.
    void announceOpened();
    // Once per box, as it starts to close (or when it goes without closing).
    void announceClosed();
    void copyToClipboard() const;

    // What show was given; cleared again when the window goes.
    MessageBoxRequest m_request;
    MessageBoxStyle m_style;
    MessageBoxLayout m_layout;
    int m_checkBoxWidth = 0;
    bool m_showing = false;
    bool m_dialogEnded = false;
    HWND m_openWindow = nullptr;
    int m_result = kNoButton;
    int m_checkResult = 0;
    std::optional<SystemColours> m_systemColours;
    std::optional<MessageBoxCountdown> m_countdown;
    ThreadTimer m_countdownTimer;

    // The window goes last, after the controls it hosts.
    SkinWindow m_window;
    SkinPanel m_body;
    SkinPanel m_bottomBar;
    SkinPicture m_iconPicture;
    SkinLabel m_messageLabel;
    OneBasedArray<SkinButton> m_buttons { 3 };
    SkinToggle m_checkBox;
};
