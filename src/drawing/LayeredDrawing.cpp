#include "drawing/LayeredDrawing.h"

#include <algorithm>

#include "drawing/GraphicsPath.h"

namespace {

BLENDFUNCTION sourceOver(int alpha)
{
    return BLENDFUNCTION{AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(alpha, 0, 255)), AC_SRC_ALPHA};
}

}  // namespace

bool alphaBlend(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
    int sourceWidth, int sourceHeight, int alpha)
{
    return GdiAlphaBlend(target, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
               sourceOver(alpha)) != FALSE;
}

bool updateLayered(HWND window, HDC source, const LayeredPlacement& placement)
{
    RECT target{};
    if (placement.target)
        target = *placement.target;
    else if (!GetWindowRect(window, &target))
        return false;
    POINT position{target.left, target.top};
    SIZE size{target.right - target.left, target.bottom - target.top};
    POINT sourceOrigin = placement.sourceOrigin;
    BLENDFUNCTION blend = sourceOver(placement.alpha.value_or(255));
    return UpdateLayeredWindow(window, nullptr, &position, &size, source, &sourceOrigin, 0, &blend, ULW_ALPHA)
        != FALSE;
}

void addRoundedRectangle(GraphicsPath& path, float x, float y, float width, float height, int radius)
{
    if (radius == 0) {
        path.AddRectangle(x, y, width, height);
        return;
    }
    const auto r = static_cast<float>(std::clamp(radius, 1, 100));
    const float right = x + width;
    const float bottom = y + height;
    path.AddArc(right - r, y, r, r, 270, 90);
    // Deliberately one pixel larger and shifted up-left: the established corner shape,
    // not a rounding slip.
    path.AddArc(right - r - 1, bottom - r - 1, r + 1, r + 1, 0, 90);
    path.AddArc(x, bottom - r, r, r, 90, 90);
    path.AddArc(x, y, r, r, 180, 90);
    path.CloseFigure();
}
