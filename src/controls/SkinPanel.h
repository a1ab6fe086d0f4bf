#pragma once

#include <windows.h>

#include <cstdint>

#include "core/Bytes.h"
#include "element/ControlBase.h"

class Graphics;
class GraphicsPath;

struct PanelOptions {
    int containerId = 0;
    int x = 0;
    int y = 0;
    int width = 200;
    int height = 160;
    // An optional picture placed inside the shape, by PictureMode.
    ByteArray image;
    int imageMode = 0;
    // A tint over the picture, inside the shape; -1: none.
    std::int32_t backColour = -1;
    int backAlpha = 0;
    // PanelShape: 0 rectangle, 1 rounded rectangle, 2 and 3 lines, 4 ellipse.
    int shape = 1;
    COLORREF borderColour = 0;
    // PanelBorder: 0 none, 1 solid, 2..5 dashes and dots, 6 sunken, 7 raised, 8 outer and
    // 9 inner soft shadow.
    int borderStyle = 1;
    int borderWidth = 1;
    int cornerSize = 5;
    // -1: no solid fill.
    std::int32_t fillColour = -1;
    int fillAlpha = 0;
    COLORREF shadowColour = 0;
    const NineGridImage* skin = nullptr;
};

// One vector shape with an optional picture, a solid or two-colour fill and an outline. It
// has no caption and takes no input.
class SkinPanel : public ControlBase {
public:
    SkinPanel() = default;
    ~SkinPanel() override;

    // The panel's id (also when it was created before), or 0 when `window` is not a
    // framework window.
    int create(HWND window, const PanelOptions& options = {});

    // Fills with a gradient instead of the solid fill from now on; see panelGradient for the
    // directions.
    void setGradient(int direction, COLORREF colour1, int alpha1, COLORREF colour2, int alpha2, bool redraw = false);
    // A solid fill from now on, in place of the gradient; -1: none.
    void setFill(std::int32_t colour, int alpha, bool redraw = false);

    // Draws the panel at (0, 0) of `graphics`.
    void draw(Graphics& graphics);
    void redraw(skin::RedrawReason reason) override;

    int shape() const { return m_look.shape; }
    int borderStyle() const { return m_look.borderStyle; }
    bool gradientOn() const { return m_look.gradientOn; }

protected:
    void onDestroying() override;

private:
    void drawEdges(Graphics& graphics);
    void drawOutline(Graphics& graphics);
    void fill(Graphics& graphics, const GraphicsPath& path);
    void drawSoftShadow(Graphics& graphics, const GraphicsPath& path);

    // Everything the panel draws from; a destroyed panel starts again from the defaults.
    struct Look {
        int shape = 1;
        COLORREF borderColour = 0;
        int borderStyle = 1;
        int borderWidth = 1;
        ByteArray image;
        int imageMode = 0;
        int cornerSize = 5;
        std::int32_t fillColour = -1;
        int fillAlpha = 0;
        COLORREF shadowColour = 0;
        int shadowSize = 0;
        bool gradientOn = false;
        COLORREF colour1 = 0;
        int alpha1 = 0;
        COLORREF colour2 = 0;
        int alpha2 = 0;
        int gradientDirection = 0;
    };
    Look m_look;
};
