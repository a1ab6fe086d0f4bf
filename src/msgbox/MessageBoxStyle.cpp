#include "msgbox/MessageBoxStyle.h"

namespace {
// The box returns the platform's button identifiers minus one.
constexpr int kOk = IDOK - 1;
constexpr int kCancel = IDCANCEL - 1;
constexpr int kAbort = IDABORT - 1;
constexpr int kRetry = IDRETRY - 1;
constexpr int kIgnore = IDIGNORE - 1;
constexpr int kYes = IDYES - 1;
constexpr int kNo = IDNO - 1;

bool includes(int style, int mask)
{
    return (style & mask) == mask;
}

// The first set whose bits the style includes wins, so 7 reads as 3 and 6 as 2; the
// three-button set keeps Cancel on the left.
std::vector<MessageBoxButton> buttonSet(int style)
{
    if (includes(style, MB_YESNOCANCEL))
        return { { L"取消", kCancel }, { L"是", kYes }, { L"否", kNo } };
    if (includes(style, MB_ABORTRETRYIGNORE))
        return { { L"放弃", kAbort }, { L"重试", kRetry }, { L"忽略", kIgnore } };
    if (includes(style, MB_RETRYCANCEL))
        return { { L"重试", kRetry }, { L"取消", kCancel } };
    if (includes(style, MB_YESNO))
        return { { L"是", kYes }, { L"否", kNo } };
    if (includes(style, MB_OKCANCEL))
        return { { L"确定", kOk }, { L"取消", kCancel } };
    return { { L"确定", kOk } };
}

// Information is tested first, so 0x50 shows "i"; 0x30 and 0x10 both show "!".
void decodeIcon(int style, MessageBoxStyle& decoded)
{
    if (includes(style, MB_ICONINFORMATION)) {
        decoded.icon = MessageBoxIcon::Information;
        decoded.beep = MB_ICONASTERISK;
    } else if (includes(style, MB_ICONEXCLAMATION) || includes(style, MB_ICONHAND)) {
        decoded.icon = MessageBoxIcon::Exclamation;
        decoded.beep = MB_ICONEXCLAMATION;
    } else if (includes(style, MB_ICONQUESTION)) {
        decoded.icon = MessageBoxIcon::Question;
        decoded.beep = MB_ICONEXCLAMATION;
    } else {
        decoded.icon = MessageBoxIcon::None;
        decoded.beep = MB_ICONASTERISK;
    }
}

// Esc gives Cancel where there is one and OK on a box with OK alone; like the platform,
// Yes/No and Abort/Retry/Ignore ignore it.
std::optional<int> escapeFor(const std::vector<MessageBoxButton>& buttons)
{
    for (const MessageBoxButton& b : buttons) {
        if (b.result == kCancel)
            return kCancel;
    }
    if (buttons.size() == 1 && buttons.front().result == kOk)
        return kOk;
    return std::nullopt;
}
} // namespace

MessageBoxStyle MessageBoxStyle::decode(int style, const std::vector<std::wstring>& customCaptions)
{
    MessageBoxStyle decoded;
    decoded.buttons = buttonSet(style);
    if (customCaptions.size() == decoded.buttons.size()) {
        for (size_t i = 0; i < customCaptions.size(); ++i)
            decoded.buttons[i].caption = customCaptions[i];
    }
    decodeIcon(style, decoded);
    // A default button the set does not have falls back to the first, as on the platform.
    const int named = ((style & MB_DEFMASK) >> 8) + 1;
    decoded.defaultButton = named <= static_cast<int>(decoded.buttons.size()) ? named : 1;
    decoded.escapeResult = escapeFor(decoded.buttons);
    return decoded;
}

int MessageBoxStyle::resultOf(int button) const
{
    if (button < 1 || button > static_cast<int>(buttons.size()))
        return kNoButton;
    return buttons[static_cast<size_t>(button - 1)].result;
}
