#include "imaging/SkinPictures.h"

namespace {
constexpr PictureSets sets(const EmbeddedFile& at1x, const EmbeddedFile& at150, const EmbeddedFile& at200)
{
    return { { { kSkinSets[0], &at1x }, { kSkinSets[1], &at150 }, { kSkinSets[2], &at200 } } };
}
} // namespace

const PictureSets kCheckBoxStripSets = sets(kCheckBoxStrip, kCheckBoxStrip150, kCheckBoxStrip200);
const PictureSets kRadioStripSets = sets(kRadioStrip, kRadioStrip150, kRadioStrip200);
const PictureSets kButtonSkinSets = sets(kButtonSkin, kButtonSkin150, kButtonSkin200);
const PictureSets kMessageBoxIconsSets = sets(kMessageBoxIcons, kMessageBoxIcons150, kMessageBoxIcons200);
const PictureSets kCaptionButtonsSets = sets(kCaptionButtons, kCaptionButtons150, kCaptionButtons200);
const PictureSets kCaptionButtonsAltSets = sets(kCaptionButtonsAlt, kCaptionButtonsAlt150, kCaptionButtonsAlt200);
const PictureSets kLightStreakSets = sets(kLightStreak, kLightStreak150, kLightStreak200);
const PictureSets kTickPictureSets = sets(kTickPicture, kTickPicture150, kTickPicture200);
