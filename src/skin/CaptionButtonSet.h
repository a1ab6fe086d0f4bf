#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The texts of the caption buttons; they double as the buttons' command names.
inline const wchar_t kCaptionTextClose[] = L"关闭";
inline const wchar_t kCaptionTextMinimise[] = L"最小化";
inline const wchar_t kCaptionTextMaximise[] = L"最大化";
inline const wchar_t kCaptionTextRestore[] = L"还原";
inline const wchar_t kCaptionTextSkin[] = L"换肤";
inline const wchar_t kCaptionTextMenu[] = L"菜单";

// The two sets of caption button pictures; any other number has no buttons.
enum class CaptionButtonStyle : int {
    None = -1,
    // A 42-pixel close button.
    Standard = 0,
    // Its own strip with a 39-pixel close button, and no disabled frames.
    Alternative = 1,
};

// One caption button: its strip frames and its text.
struct CaptionButtonLook {
    const wchar_t* text = L"";
    int normalFrame = 0;
    int hotFrame = 0;
    int pressedFrame = 0;
    std::optional<int> disabledFrame;
};

// The normal and hot frames a maximise button swaps when it turns into restore and back.
struct CaptionSwapFrames {
    int normal = 0;
    int hot = 0;
};

// The buttons of a mask, left to right: skin, menu, minimise, maximise, close. Close is
// always there; a style without buttons has none.
std::vector<CaptionButtonLook> captionButtonsFor(int mask, CaptionButtonStyle style);

// The strip's width for a mask; 0 for a style without buttons.
int captionStripWidth(int mask, CaptionButtonStyle style);

// The strip's place in a client area of that width.
POINT captionStripOrigin(int clientWidth, int stripWidth, int borderWidth, CaptionButtonStyle style);

std::optional<CaptionSwapFrames> captionMaximiseFrames(CaptionButtonStyle style);
std::optional<CaptionSwapFrames> captionRestoreFrames(CaptionButtonStyle style);

// Every caption button stands 21 pixels tall: the 20-pixel frames and a spare row.
constexpr int kCaptionStripHeight = 21;
