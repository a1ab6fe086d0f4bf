#include "skin/CaptionButtonSet.h"

#include "core/CoordinateLimits.h"
#include "skin/WindowOptions.h"

namespace {

struct StyleButton {
    int bit;
    CaptionButtonLook look;
};

// Display order, left to right.
const StyleButton kStandardButtons[] = {
    { kCaptionSkin, { kCaptionTextSkin, 6, 7, 8, 9 } },
    { kCaptionMenu, { kCaptionTextMenu, 11, 12, 13, 14 } },
    { kCaptionMinimise, { kCaptionTextMinimise, 15, 16, 17, 18 } },
    { kCaptionMaximise, { kCaptionTextMaximise, 19, 20, 21, 22 } },
    { kCaptionClose, { kCaptionTextClose, 27, 28, 29, 30 } },
};

const StyleButton kAlternativeButtons[] = {
    { kCaptionSkin, { kCaptionTextSkin, 16, 17, 18, std::nullopt } },
    { kCaptionMenu, { kCaptionTextMenu, 13, 14, 15, std::nullopt } },
    { kCaptionMinimise, { kCaptionTextMinimise, 10, 11, 12, std::nullopt } },
    { kCaptionMaximise, { kCaptionTextMaximise, 4, 5, 6, std::nullopt } },
    { kCaptionClose, { kCaptionTextClose, 1, 2, 3, std::nullopt } },
};

constexpr int kSmallButtonWidth = 28;

int closeButtonWidth(CaptionButtonStyle style)
{
    return style == CaptionButtonStyle::Standard ? 42 : (style == CaptionButtonStyle::Alternative ? 39 : 0);
}

} // namespace

std::vector<CaptionButtonLook> captionButtonsFor(int mask, CaptionButtonStyle style)
{
    std::vector<CaptionButtonLook> buttons;
    if (style != CaptionButtonStyle::Standard && style != CaptionButtonStyle::Alternative)
        return buttons;
    mask |= kCaptionClose;
    for (const StyleButton& button : style == CaptionButtonStyle::Standard ? kStandardButtons : kAlternativeButtons)
        if (mask & button.bit)
            buttons.push_back(button.look);
    return buttons;
}

int captionStripWidth(int mask, CaptionButtonStyle style)
{
    const int close = closeButtonWidth(style);
    if (close == 0)
        return 0;
    int width = close;
    for (int bit : { kCaptionMaximise, kCaptionMinimise, kCaptionMenu, kCaptionSkin })
        if (mask & bit)
            width += kSmallButtonWidth;
    return width;
}

POINT captionStripOrigin(int clientWidth, int stripWidth, int borderWidth, CaptionButtonStyle style)
{
    clientWidth = limitCoordinate(clientWidth);
    stripWidth = limitCoordinate(stripWidth);
    borderWidth = limitCoordinate(borderWidth);
    // The frames carry a little margin of their own; without a border the strip sits flush.
    const bool bordered = borderWidth >= 1;
    const int x = clientWidth - stripWidth - borderWidth + (bordered ? 2 : 0);
    const int rise = style == CaptionButtonStyle::Alternative ? (bordered ? 3 : 1) : (bordered ? 2 : 0);
    return { x, borderWidth - rise };
}

std::optional<CaptionSwapFrames> captionMaximiseFrames(CaptionButtonStyle style)
{
    if (style == CaptionButtonStyle::Standard)
        return CaptionSwapFrames { 19, 20 };
    if (style == CaptionButtonStyle::Alternative)
        return CaptionSwapFrames { 4, 5 };
    return std::nullopt;
}

std::optional<CaptionSwapFrames> captionRestoreFrames(CaptionButtonStyle style)
{
    if (style == CaptionButtonStyle::Standard)
        return CaptionSwapFrames { 23, 24 };
    if (style == CaptionButtonStyle::Alternative)
        return CaptionSwapFrames { 7, 8 };
    return std::nullopt;
}
