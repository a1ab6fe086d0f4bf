#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "element/ControlBase.h"

class Graphics;

struct LabelOptions {
    int containerId = 0;
    int x = 0;
    int y = 0;
    int width = 100;
    int height = 30;
    std::wstring caption;
    // 0 near, 1 centre, 2 far.
    int hAlign = 0;
    // Wraps and keeps the caption's line breaks.
    bool multiline = false;
    bool ellipsis = false;
    // -1: no background fill.
    std::int32_t backColour = -1;
    int backAlpha = 0;
    const NineGridImage* skin = nullptr;
};

// A caption in the control's text style over an optional background fill and skin.
class SkinLabel : public ControlBase {
public:
    SkinLabel() = default;
    ~SkinLabel() override;

    // The label's id (also when it was created before), or 0 when `window` is not a
    // framework window. The caption is centred vertically.
    int create(HWND window, const LabelOptions& options = {});

    // Alignments 0 near, 1 centre, 2 far: a valid value is stored and shown, any other is
    // ignored. Both return the alignment in force.
    int hAlign(std::optional<int> value = std::nullopt);
    int vAlign(std::optional<int> value = std::nullopt);
    bool multiline() const { return m_multiline; }
    bool ellipsis() const { return m_ellipsis; }

    // Reasons 0 (render) and 9 (render and show) draw; others are not the label's.
    void redraw(skin::RedrawReason reason) override;

protected:
    void onDestroying() override;

private:
    void paintFace(Graphics& graphics);
    void clipToSkin(Graphics& graphics) const;
    void drawCaption(Graphics& graphics) const;

    int m_hAlign = 0;
    int m_vAlign = 0;
    bool m_multiline = false;
    bool m_ellipsis = false;
};
