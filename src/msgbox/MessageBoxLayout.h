#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "core/CoordinateLimits.h"
#include "msgbox/MessageBoxStyle.h"

// Where every part of the box goes, from its size alone. Widths and heights of texts are
// measured by the caller: the box is sized in two steps because the message wraps at a
// width that depends on the box's width.
struct MessageBoxLayout {
    static constexpr int kMaxWidth = 600;
    static constexpr int kMinHeight = 150;
    static constexpr int kButtonWidth = 80;
    static constexpr int kButtonHeight = 25;
    static constexpr int kBarHeight = 39;

    SIZE box {};
    RECT body {};
    RECT bottomBar {};
    std::optional<RECT> icon;
    RECT message {};
    std::vector<RECT> buttons; // inside the bar, left to right
    std::optional<RECT> checkBox; // inside the bar

    // checkBoxWidth is the check box's full width, as checkBoxWidth() gives it.
    static MessageBoxLayout arrange(SIZE box, const MessageBoxStyle& style, std::optional<int> checkBoxWidth);

    // Text widths are those measureTextWidth returns (floored plus one).
    static int checkBoxWidth(int captionWidth) { return limitCoordinate(captionWidth) + 20; }
    static int width(int messageWidth, int checkBoxCaptionWidth);
    // The width the message is measured and wrapped at.
    static int wrapWidth(int boxWidth) { return limitCoordinate(boxWidth) - 88; }
    static int height(int wrappedMessageHeight);

    // Centred on the owner's rectangle, or in the work area without one, then moved
    // inside the work area.
    static POINT position(SIZE box, const std::optional<RECT>& owner, const RECT& workArea);
    static BYTE opacity(int requested);

    RECT inWindow(const RECT& inBar) const;
};
