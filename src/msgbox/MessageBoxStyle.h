#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// One button of the box: its caption and the value the box returns when it is pressed.
struct MessageBoxButton {
    std::wstring caption;
    int result = 0;
};

// Frames of the icon strip; None shows no icon.
enum class MessageBoxIcon { None = 0, Question = 1, Information = 2, Exclamation = 3 };

// What a style word asks of the box, decoded as the platform's message box reads it.
struct MessageBoxStyle {
    static constexpr int kNoButton = -1;

    std::vector<MessageBoxButton> buttons; // left to right
    MessageBoxIcon icon = MessageBoxIcon::None;
    UINT beep = MB_ICONASTERISK;
    int defaultButton = 1; // 1-based, the button focused when the box opens
    std::optional<int> escapeResult; // empty: Esc does nothing

    // Custom captions replace the defaults only when there is one for every button.
    static MessageBoxStyle decode(int style, const std::vector<std::wstring>& customCaptions = {});
    // The result of the 1-based button, or kNoButton when the set has no such button.
    int resultOf(int button) const;
};
