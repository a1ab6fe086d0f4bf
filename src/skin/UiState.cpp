#include "skin/UiState.h"

namespace {

constexpr WORD kHidden = UISF_HIDEFOCUS | UISF_HIDEACCEL;
constexpr WORD kKnown = kHidden | UISF_ACTIVE;

}  // namespace

WORD initialUiState(bool keyboardCuesAlways)
{
    return keyboardCuesAlways ? 0 : kHidden;
}

std::optional<WORD> changedUiState(WORD state, WPARAM change, bool keyboardCuesAlways)
{
    const WORD flags = HIWORD(change);
    if ((flags & ~kKnown) != 0)
        return std::nullopt;
    // With keyboard cues always on, nothing hides them.
    const WORD hideable = keyboardCuesAlways ? static_cast<WORD>(flags & UISF_ACTIVE) : flags;
    switch (LOWORD(change)) {
    case UIS_SET:
        return static_cast<WORD>(state | hideable);
    case UIS_CLEAR:
        return static_cast<WORD>(state & ~flags);
    case UIS_INITIALIZE: {
        // The framework does not follow the last input's device: the named cues, or both
        // when none is named, start over as in a new window.
        const WORD named = (flags & kHidden) != 0 ? static_cast<WORD>(flags & kHidden) : kHidden;
        return static_cast<WORD>((state & ~named) | (initialUiState(keyboardCuesAlways) & named));
    }
    default:
        return std::nullopt;
    }
}

WORD cuesShownByKey(WPARAM key)
{
    switch (key) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return UISF_HIDEFOCUS;
    case VK_MENU:
        return kHidden;
    default:
        return 0;
    }
}
