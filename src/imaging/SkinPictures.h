#pragma once

#include "core/EmbeddedFile.h"

// The skin pictures the program carries, all PNG with alpha. Strips name their separator.
extern const EmbeddedFile kCheckBoxStrip;      // 131 × 16, magenta: 6 frames of 21 × 16
extern const EmbeddedFile kRadioStrip;         // 74 × 14, 0x7F007F: 5 frames of 14 × 14
extern const EmbeddedFile kButtonSkin;         // 41 × 24, 0x7F007F: 3 nine-grid frames of 13 × 24
extern const EmbeddedFile kMessageBoxIcons;    // 191 × 57, magenta: 4 frames of 47 × 57
extern const EmbeddedFile kCaptionButtons;     // 925 × 20, 0x7F007F: 26 frames of 28, 4 of 42
extern const EmbeddedFile kCaptionButtonsAlt;  // 554 × 20, magenta: 3 frames of 39, 15 of 28
extern const EmbeddedFile kLightStreak;        // 481 × 7
extern const EmbeddedFile kTickPicture;        // 13 × 12
