#pragma once

#include <array>

#include "core/EmbeddedFile.h"
#include "imaging/SkinSetChoice.h"

// The skin pictures the program carries, all PNG with alpha. Strips name their separator.
extern const EmbeddedFile kCheckBoxStrip;      // 131 × 16, magenta: 6 frames of 21 × 16
extern const EmbeddedFile kRadioStrip;         // 74 × 14, 0x7F007F: 5 frames of 14 × 14
extern const EmbeddedFile kButtonSkin;         // 41 × 24, 0x7F007F: 3 nine-grid frames of 13 × 24
extern const EmbeddedFile kMessageBoxIcons;    // 191 × 57, magenta: 4 frames of 47 × 57
extern const EmbeddedFile kCaptionButtons;     // 925 × 20, 0x7F007F: 26 frames of 28, 4 of 42
extern const EmbeddedFile kCaptionButtonsAlt;  // 554 × 20, magenta: 3 frames of 39, 15 of 28
extern const EmbeddedFile kLightStreak;        // 481 × 7
extern const EmbeddedFile kTickPicture;        // 13 × 12

// The same pictures drawn at 1.5x (150) and 2x (200): every frame's width and height is
// scaled() from 1x, separators and nine-grid markers stay one column wide.
extern const EmbeddedFile kCheckBoxStrip150, kCheckBoxStrip200;
extern const EmbeddedFile kRadioStrip150, kRadioStrip200;
extern const EmbeddedFile kButtonSkin150, kButtonSkin200;
extern const EmbeddedFile kMessageBoxIcons150, kMessageBoxIcons200;
extern const EmbeddedFile kCaptionButtons150, kCaptionButtons200;
extern const EmbeddedFile kCaptionButtonsAlt150, kCaptionButtonsAlt200;
extern const EmbeddedFile kLightStreak150, kLightStreak200;
extern const EmbeddedFile kTickPicture150, kTickPicture200;

// One picture at each skin set, in the order of kSkinSets, so a SkinSetChoice indexes it.
struct ScaledPicture {
    DisplayScale scale;
    const EmbeddedFile* file;
};
using PictureSets = std::array<ScaledPicture, kSkinSetCount>;

extern const PictureSets kCheckBoxStripSets;
extern const PictureSets kRadioStripSets;
extern const PictureSets kButtonSkinSets;
extern const PictureSets kMessageBoxIconsSets;
extern const PictureSets kCaptionButtonsSets;
extern const PictureSets kCaptionButtonsAltSets;
extern const PictureSets kLightStreakSets;
extern const PictureSets kTickPictureSets;
