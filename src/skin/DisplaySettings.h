#pragma once

#include <optional>

// What the user chose for the display that the framework follows.

// False when the user switched animations off ("show animations in Windows"); the show and
// hide effects are then skipped. Always true before Vista, which has no such setting.
bool animationsWanted();

// True while the user runs high contrast (HCF_HIGHCONTRASTON): windows then draw with the
// system's colours instead of their skins, gradients and glow.
bool highContrast();
// Wine always reports high contrast off and cannot switch it on, so tests set the answer
// here; nullopt gives the system's answer again.
void overrideHighContrast(std::optional<bool> on);
