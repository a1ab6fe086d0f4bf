#pragma once

// What the user chose for the display that the framework follows.

// False when the user switched animations off ("show animations in Windows"); the show and
// hide effects are then skipped. Always true before Vista, which has no such setting.
bool animationsWanted();
