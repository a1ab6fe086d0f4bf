#include "controls/PictureLayout.h"

#include <algorithm>

#include "core/CoordinateLimits.h"

PicturePlacement placePicture(int mode, const PictureBox& original, int imageWidth, int imageHeight)
{
    const PictureBox box { limitCoordinate(original.x), limitCoordinate(original.y), limitCoordinate(original.width),
        limitCoordinate(original.height) };
    imageWidth = limitCoordinate(imageWidth);
    imageHeight = limitCoordinate(imageHeight);
    switch (static_cast<PictureMode>(mode)) {
    case PictureMode::TopLeft:
        return { box.x, box.y, imageWidth, imageHeight };
    case PictureMode::TopRight:
        return { box.x + box.width - imageWidth, box.y, imageWidth, imageHeight };
    case PictureMode::Centred:
        return { box.x + (box.width - imageWidth) / 2, box.y + (box.height - imageHeight) / 2, imageWidth,
            imageHeight };
    case PictureMode::Stretched:
        return { box.x, box.y, box.width, box.height };
    case PictureMode::Tiled:
        return { box.x, box.y, box.width, box.height, true };
    }
    return {};
}

int nextFadeAlpha(int alpha)
{
    const int next = std::min(alpha, 255) + kFadeStep;
    return next >= kFadeStep * (kFadeTicks - 1) ? 255 : next;
}

int clampSlideInterval(int intervalMs)
{
    return std::max(intervalMs, kMinimumSlideInterval);
}

int followingSlide(int index, int count)
{
    if (count < 1)
        return 0;
    return index >= count || index < 1 ? 1 : index + 1;
}

int clampSlide(int index, int count)
{
    if (count < 1)
        return 0;
    return std::clamp(index, 1, count);
}
