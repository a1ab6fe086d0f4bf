#pragma once

#include <windows.h>

#include <optional>

// The keyboard cues a window hides (UISF_HIDEFOCUS, UISF_HIDEACCEL) and the state bit
// UISF_ACTIVE, kept as the system's dialogs keep them: hidden until the keyboard is used,
// unless the user asked for keyboard cues always.
WORD initialUiState(bool keyboardCuesAlways);

// The state after a WM_CHANGEUISTATE or WM_UPDATEUISTATE whose wParam is `change` (the action
// in the low word, the flags in the high word); nothing for an action or flag the system
// does not know.
std::optional<WORD> changedUiState(WORD state, WPARAM change, bool keyboardCuesAlways);

// The cues a key shows when pressed: Tab and the arrows the focus, Alt the focus and the
// access keys; 0 for any other key.
WORD cuesShownByKey(WPARAM key);
