#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "controls/ButtonFace.h"
#include "controls/ToolTip.h"
#include "core/Bytes.h"
#include "element/ControlBase.h"

struct ColourButtonOptions {
    int containerId = 0;
    int x = 0;
    int y = 0;
    int width = 60;
    int height = 25;
    std::wstring caption;
    COLORREF colour = 0xFFFFFF;
    // With an image it replaces the painted face; not kept.
    const NineGridImage* skin = nullptr;
    // Empty: no tooltip.
    std::wstring toolTipText;
    // The accent of the hot and pressed looks; the colour when not given.
    std::optional<COLORREF> secondColour;
};

struct PlainButtonOptions {
    int containerId = 0;
    int x = 0;
    int y = 0;
    int width = 60;
    int height = 25;
    std::wstring caption;
    ByteArray icon;
    COLORREF colour = 0xFFFFFF;
    bool iconAbove = false;
    bool underlineOnHot = true;
    const NineGridImage* skin = nullptr;
    std::wstring toolTipText;
    // A flat face under the icon; forces underlineOnHot.
    bool plainFace = false;
};

struct ImageButtonOptions {
    int containerId = 0;
    int x = 0;
    int y = 0;
    // The normal picture's size when not given.
    std::optional<int> width;
    std::optional<int> height;
    ByteArray normalImage;
    // The normal picture when not given.
    std::optional<ByteArray> hotImage;
    std::optional<ByteArray> pressedImage;
    std::optional<ByteArray> disabledImage;
    std::wstring toolTipText;
};

// The push button: a painted, skinned or four-picture face that fades to its hot look while
// the mouse is over it, shows its pressed look while the left button is down, and raises the
// click event. It may carry a tooltip.
class SkinButton : public ControlBase {
public:
    SkinButton() = default;
    ~SkinButton() override;

    // Each returns the button's id (also when created before), or 0 when `window` is not a
    // framework window.
    int createColour(HWND window, const ColourButtonOptions& options = {});
    int createPlain(HWND window, const PlainButtonOptions& options = {});
    int createImages(HWND window, const ImageButtonOptions& options);

    void redraw(skin::RedrawReason reason) override;
    // A new picture of the face, hot or not: what a cross-fade fades to.
    Surface renderState(bool hot) const;

    // Only for the four-picture style (false otherwise); pictures not given stay.
    bool setImages(std::optional<ByteArray> normal, std::optional<ByteArray> hot = std::nullopt,
        std::optional<ByteArray> pressed = std::nullopt, std::optional<ByteArray> disabled = std::nullopt);
    void setColours(COLORREF colour, std::optional<COLORREF> secondColour = std::nullopt);
    COLORREF colour() const { return m_colour; }
    void setSystemColours(const std::optional<SystemColours>& colours, bool present = true) override;

    FaceStyle style() const { return m_style; }
    bool hot() const { return m_hot; }
    const std::wstring& toolTipText() const { return m_toolTipText; }
    const ToolTip& toolTip() const { return m_toolTip; }

protected:
    std::optional<LRESULT> handleClassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void onDestroying() override;

private:
    bool mayCreate(HWND window) const;
    int finishCreate(HWND window, ControlOptions options, int kind, const std::wstring& toolTipText);
    ButtonFace face(bool hot, bool pressed) const;
    void paint(Surface& surface, bool hot, bool pressed) const;
    void fadeTo(bool hot);
    void placeToolTip(const RECT& rect);
    void resetButton();

    FaceStyle m_style = FaceStyle::Plain;
    bool m_plainFace = false;
    COLORREF m_colour = 0xFFFFFF;
    COLORREF m_secondColour = 0xFFFFFF;
    ByteArray m_icon;
    bool m_iconAbove = false;
    bool m_underlineOnHot = true;
    ByteArray m_normalImage;
    ByteArray m_hotImage;
    ByteArray m_pressedImage;
    ByteArray m_disabledImage;
    bool m_hot = false;
    std::optional<SystemColours> m_system;
    ToolTip m_toolTip;
    std::wstring m_toolTipText;
};
