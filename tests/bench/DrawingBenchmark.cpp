// Prints how long the drawing layer's hot operations take, in microseconds per call.
// Not a test: the figures depend on the machine.
#include <windows.h>

#include <cstdio>
#include <functional>

#include "drawing/Bitmap.h"
#include "drawing/Gdiplus.h"
#include "drawing/Graphics.h"
#include "drawing/TextMeasure.h"
#include "drawing/TextureBrush.h"
#include "imaging/ImageCodec.h"
#include "imaging/NineGridImage.h"
#include "imaging/SkinPictures.h"

namespace {
double microsecondsPerCall(int calls, const std::function<void()>& call)
{
    call();  // warm up caches and lazy loading
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < calls; ++i)
        call();
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / calls;
}
}

int main()
{
    if (!startGdiplus()) {
        std::fprintf(stderr, "GDI+ did not start\n");
        return 1;
    }
    ImageCodec buttons;
    buttons.LoadStrip(kButtonSkin.bytes(), 0x7F007F);
    NineGridImage skin;
    skin.LoadStates(buttons.GetFrame(1), buttons.GetFrame(2), buttons.GetFrame(3));
    skin.SetBounds(0, 0, 600, 40);
    Bitmap surface;
    surface.Create(600, 40);
    Graphics graphics;
    graphics.GetImageGraphicsContext(surface);
    std::printf("DrawState, button skin into 600x40: %8.1f us\n",
        microsecondsPerCall(300, [&] { skin.DrawState(graphics, 1); }));

    const ByteArray frame = buttons.GetFrame(1);
    std::printf("  of which decoding the frame:      %8.1f us\n", microsecondsPerCall(300, [&] {
        Bitmap b;
        b.LoadFromBytes(frame);
    }));
    Bitmap decoded;
    decoded.LoadFromBytes(frame);
    std::printf("  of which the tiled middle fill:   %8.1f us\n", microsecondsPerCall(300, [&] {
        TextureBrush brush;
        brush.Create(decoded, 6, 0, 1, 24);
        graphics.FillRectangle(brush, 4, 0, 591, 40);
    }));
    const double loadStrip = microsecondsPerCall(30, [] {
        ImageCodec strip;
        strip.LoadStrip(kCaptionButtons.bytes(), 0x7F007F);
    });
    const double decodeStrip = microsecondsPerCall(30, [] {
        Bitmap strip;
        strip.LoadFromBytes(kCaptionButtons.bytes());
    });
    std::printf("LoadStrip, 925x20 caption strip:    %8.1f us\n", loadStrip);
    std::printf("  one decode of the same PNG:       %8.1f us\n", decodeStrip);
    std::printf("  LoadStrip / decode:               %8.2f (goal <= 3)\n", loadStrip / decodeStrip);
    std::printf("  LoadStrip and every frame's PNG:  %8.1f us\n", microsecondsPerCall(10, [] {
        ImageCodec strip;
        for (int n = strip.LoadStrip(kCaptionButtons.bytes(), 0x7F007F); n >= 1; --n)
            strip.GetFrame(n);
    }));

    const std::wstring text(200, L'字');
    std::printf("measureTextSize, 200 characters:    %8.1f us\n",
        microsecondsPerCall(300, [&] { measureTextSize(text, L"宋体", 14, 0, 300); }));
    return 0;
}
