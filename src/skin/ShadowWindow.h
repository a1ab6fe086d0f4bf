#pragma once

#include <windows.h>

#include "drawing/Surface.h"
#include "imaging/NineGridImage.h"

// The soft drop shadow of a skinned window that is not layered: a disabled, click-through,
// layered tool window owned by the skinned window, kept its shadow width larger than the
// owner on every side, showing a nine-grid image with the owner's own area cut out. Each
// shadow draws from a record of its own; a destroyed shadow's record is reused by the next.
class ShadowWindow {
public:
    // The procedure of the shadow window class.
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    // A hidden shadow for `owner`, drawn from a copy of `image`, its width and corner radius
    // taken from the image; null when the system refuses. Not re-entrant from inside the
    // shadow's own creation.
    static HWND create(HWND owner, const NineGridImage& image);

    // Moves the owner's shadow round the owner; with `visibilityOnly`, shows or hides it
    // instead. An owner without a shadow is left alone.
    static void followOwner(HWND owner, bool show, bool visibilityOnly);

    // Where the parts of a shadow's picture lie: the picture's size, and the owner's area at
    // (shadowWidth, shadowWidth), rounded by `radius`, and its window region if it has one.
    struct Layout {
        int width = 0;
        int height = 0;
        int ownerWidth = 0;
        int ownerHeight = 0;
        int shadowWidth = 0;
        int radius = 0;
        HRGN ownerRegion = nullptr;
    };

    // The shadow's picture: `image` (when given) stretched over the whole picture, with the
    // owner's area left clear.
    static Surface picture(NineGridImage* image, const Layout& layout);

    // Records made so far; one is free once its shadow has been destroyed.
    static int recordCount();
    static bool recordFree(int index);

private:
    static void attach(HWND shadow, const CREATESTRUCTW& creation);
    static void render(HWND shadow);
    static void detach(HWND shadow);
};
