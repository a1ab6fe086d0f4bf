#include "controls/ButtonFaceLayout.h"

#include <algorithm>

#include "core/CoordinateLimits.h"

namespace {

FaceBox limited(const FaceBox& face)
{
    return { limitCoordinate(face.x), limitCoordinate(face.y), limitCoordinate(face.width),
        limitCoordinate(face.height) };
}

FaceSize limited(FaceSize size)
{
    return { limitCoordinate(size.width), limitCoordinate(size.height) };
}

constexpr int kIconLeftMargin = 8;
constexpr int kIconAboveMargin = 12;
constexpr int kIconCaptionGap = 4;

// A height limit on an icon fitted to the face; a square icon keeps its sides equal.
FaceSize limitHeight(FaceSize icon, bool square, int limit)
{
    limit = std::max(limit, 0);
    if (square) {
        const int side = std::min(icon.width, limit);
        return { side, side };
    }
    return { icon.width, std::min(icon.height, limit) };
}

} // namespace

FaceLook faceLook(bool hot, bool pressed, bool disabled, bool checked, bool checkedPressed)
{
    FaceLook look;
    look.pressed = (pressed && !disabled) || (checked && checkedPressed);
    look.hot = !look.pressed && (hot || checked) && !disabled;
    return look;
}

int imageStateFor(bool hot, bool pressed, bool disabled, bool checked, bool checkedPressed)
{
    if (disabled)
        return 4;
    if (pressed || (checked && checkedPressed))
        return 3;
    if (hot || checked)
        return 2;
    return 1;
}

FaceSize fitInto(FaceSize picture, FaceSize limit)
{
    if (picture.width == picture.height) {
        const int side = std::max(0, std::min({ picture.width, limit.width, limit.height }));
        return { side, side };
    }
    return { std::max(0, std::min(picture.width, limit.width)), std::max(0, std::min(picture.height, limit.height)) };
}

FaceBox faceClip(const FaceBox& original)
{
    const FaceBox face = limited(original);
    return { face.x, face.y, face.width + 1, face.height + 1 };
}

FaceBox captionBox(const FaceBox& original)
{
    const FaceBox face = limited(original);
    return { face.x + 2, face.y - 1, face.width - 4, face.height + 4 };
}

FaceBox captionOnImageBox(const FaceBox& original)
{
    const FaceBox face = limited(original);
    return { face.x + 3, face.y, face.width - 6, face.height };
}

int styledAlignment(int alignment)
{
    return alignment == 1 || alignment == 2 ? alignment : 0;
}

int plainAlignment(int alignment)
{
    if (alignment == 1)
        return 0;
    return alignment == 2 ? 2 : 1;
}

IconPlacement placeIconOnly(const FaceBox& original, FaceSize icon)
{
    const FaceBox face = limited(original);
    icon = fitInto(limited(icon), { face.width, face.height });
    IconPlacement placement;
    placement.icon = { face.x + (face.width - icon.width) / 2, face.y + (face.height - icon.height) / 2, icon.width + 1,
        icon.height + 1 };
    return placement;
}

IconPlacement placeIconLeft(const FaceBox& original, FaceSize icon, int captionWidth)
{
    const FaceBox face = limited(original);
    icon = limited(icon);
    captionWidth = limitCoordinate(captionWidth);
    const bool square = icon.width == icon.height;
    icon = limitHeight(fitInto(icon, { face.width, face.height }), square, face.height - kIconLeftMargin);
    int left = face.x;
    if (captionWidth + icon.width + 2 <= face.width - 4)
        left = face.x + (face.width - (captionWidth + icon.width + 3)) / 2;
    IconPlacement placement;
    placement.icon = { left, face.y + (face.height - icon.height) / 2, icon.width, icon.height };
    const int captionLeft = left + icon.width + 2;
    placement.caption = { captionLeft, face.y, face.x + face.width - captionLeft, face.height };
    return placement;
}

IconPlacement placeIconAbove(const FaceBox& original, FaceSize icon, int captionHeight)
{
    const FaceBox face = limited(original);
    icon = limited(icon);
    captionHeight = limitCoordinate(captionHeight);
    const bool square = icon.width == icon.height;
    icon = limitHeight(
        fitInto(icon, { face.width, face.height }), square, face.height - kIconAboveMargin - captionHeight);
    const int block = icon.height + kIconCaptionGap + captionHeight;
    IconPlacement placement;
    placement.icon
        = { face.x + (face.width - icon.width) / 2, face.y + (face.height - block) / 2, icon.width, icon.height };
    const int iconBottom = placement.icon.y + icon.height;
    placement.caption = { face.x + 2, iconBottom + kIconCaptionGap, face.width - 4, face.height - icon.height - 8 };
    return placement;
}
