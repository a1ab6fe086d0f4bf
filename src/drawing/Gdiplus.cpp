#include "drawing/Gdiplus.h"

#include "drawing/GdiplusFlat.h"

bool startGdiplus()
{
    static const bool started = [] {
        ULONG_PTR token = 0;
        flat::GdiplusStartupInput input;  // version 1, no debug callback, codecs and thread on
        return flat::GdiplusStartup(&token, &input, nullptr) == flat::Ok;
    }();
    return started;
}
