#pragma once

#include <windows.h>

#include <deque>

#include "controls/SkinButton.h"
#include "controls/SkinLabel.h"
#include "controls/SkinPanel.h"
#include "controls/SkinPicture.h"
#include "controls/SkinToggle.h"
#include "imaging/NineGridImage.h"
#include "skin/SkinWindow.h"

// A window with every control in each of its looks and states, for the eye and for timing.
// Built with the tests, never shipped.
class ControlsGallery {
public:
    static constexpr int kWidth = 900;
    static constexpr int kHeight = 640;

    // Creates the window hidden or shown; null when the system refuses.
    HWND create(bool visible = true);
    // Puts the controls that show a state (hot, pressed, focused) into it and waits until
    // their fades have ended.
    void showStates();

    SkinWindow& window() { return m_window; }
    // The button whose hover fade is timed.
    SkinButton& hoverButton() { return m_buttons.front(); }

private:
    void fill(HWND window);
    void addButtons(HWND window);
    void addToggles(HWND window);
    void addLabels(HWND window);
    void addPictures(HWND window);
    void addPanels(HWND window);
    void addHeading(HWND window, int y, const wchar_t* text);

    SkinWindow m_window;
    NineGridImage m_buttonSkin;
    // Deques: controls stay put while more are added.
    std::deque<SkinButton> m_buttons;
    std::deque<SkinToggle> m_toggles;
    std::deque<SkinLabel> m_labels;
    std::deque<SkinPicture> m_pictures;
    std::deque<SkinPanel> m_panels;
    // Ids of controls that show a state, by the state they show.
    std::deque<int> m_hot;
    std::deque<int> m_pressed;
    int m_focused = 0;
};
