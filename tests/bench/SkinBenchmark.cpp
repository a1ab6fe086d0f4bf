// Prints how long a skinned window takes to compose and to show, in microseconds.
// Not a test: the figures depend on the machine.
#include <windows.h>

#include <cstdio>
#include <functional>

#include "demo/ControlsGallery.h"
#include "drawing/Colour.h"
#include "drawing/GlowText.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"
#include "drawing/LayeredDrawing.h"
#include "drawing/SolidBrush.h"
#include "drawing/Surface.h"
#include "skin/Framework.h"
#include "element/WindowRouting.h"
#include "skin/EffectFrames.h"
#include "skin/EffectPlayer.h"
#include "skin/SkinWindow.h"

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

double microsecondsOnce(const std::function<void()>& call)
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    call();
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart);
}

void pumpPending()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

WindowOptions boxLike()
{
    WindowOptions options;
    options.width = 420;
    options.height = 300;
    options.title = L"KX启动修复成功";
    options.backgroundColour = RGB(240, 240, 240);
    options.border = true;
    options.roundedBorder = true;
    options.borderColour = RGB(60, 120, 200);
    return options;
}

// Times what each tick of a hover cross-fade does: the WM_TIMER messages dispatched until
// the fade has ended. Prints the mean per frame and the number of frames.
void timeHoverFade(ControlsGallery& gallery)
{
    SkinButton& button = gallery.hoverButton();
    const HWND window = gallery.window().handle();
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    for (UINT message : {UINT(WM_MOUSEHOVER), UINT(WM_MOUSELEAVE)}) {
        sendToControl(button.id(), window, message, 0, 0);
        double total = 0;
        int frames = 0;
        MSG pending;
        const DWORD limit = GetTickCount() + 10000;
        while (button.runningTransitions() > 0 && static_cast<int>(limit - GetTickCount()) > 0) {
            if (!PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE)) {
                WaitMessage();
                continue;
            }
            QueryPerformanceCounter(&start);
            DispatchMessageW(&pending);
            QueryPerformanceCounter(&end);
            if (pending.message == WM_TIMER) {
                total += double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart);
                ++frames;
            }
        }
        std::printf("  hover %s, per frame:                  %9.1f us over %d frames\n",
            message == WM_MOUSEHOVER ? "in " : "out", frames ? total / frames : 0.0, frames);
    }
}

// Plays every effect on a 321 × 150 layered window (the message box's size) and prints its
// whole time beside the sum of its waits. What is left over is the frames' cost: drawing
// them (timed on their own) and pushing them to the screen (the rest).
void timeEffects()
{
    WindowOptions options = boxLike();
    options.width = 321;
    options.height = 150;
    SkinWindow window;
    const HWND handle = window.createWindow(options);
    pumpPending();
    window.compose(true);
    RECT bounds{};
    GetWindowRect(handle, &bounds);
    const EffectRect rect{bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top};
    const Surface& picture = window.composedSurface();
    std::printf("effects on a 321x150 window, ms:  total   waits   per frame: drawing  pushing\n");
    for (bool show : {true, false}) {
        for (int effect = 1; effect <= (show ? 10 : 11); ++effect) {
            const std::vector<EffectFrame> frames
                = show ? showEffectFrames(rect, ShowEffect(effect)) : hideEffectFrames(rect, HideEffect(effect));
            int waits = 0;
            int pushed = 0;
            for (const EffectFrame& frame : frames) {
                waits += frame.sleepMs;
                pushed += frame.rect.width > 0 && frame.rect.height > 0 ? 1 : 0;
            }
            EffectPlayer player(picture, show ? showEffectMargin(ShowEffect(effect)) : 0);
            const double total = microsecondsOnce([&] { player.play(handle, frames); }) / 1000;
            const double drawing = microsecondsPerCall(5, [&] {
                for (const EffectFrame& frame : frames)
                    player.drawFrame(frame);
            }) / 1000 / pushed;
            const double pushing = (total - waits) / pushed - drawing;
            std::printf("  %s %2d:                  %7.1f  %6d             %6.2f   %6.2f  (%d frames)\n",
                show ? "show" : "hide", effect, total, waits, drawing, pushing, pushed);
        }
    }
    DestroyWindow(handle);
}

}  // namespace

int main()
{
    initialiseFramework();
    timeEffects();
    // Destroying a shown layered window costs Wine about 2 s without a window manager, the
    // plain window below included; that is the test display, not the framework.
    std::printf("420x300 window, by caption and surface:\n");
    for (int variant = 0; variant < 4; ++variant) {
        WindowOptions options = boxLike();
        if (variant & 1)
            options.title.clear();
        options.showInTaskbar = variant < 2;
        if (variant & 2) {
            options.border = false;
            options.backgroundColour = -1;
        }
        double create = 0, paint = 0, destroy = 0;
        {
            SkinWindow probe;
            create = microsecondsOnce([&] { probe.createWindow(options); });
            paint = microsecondsOnce(pumpPending);
            destroy = microsecondsOnce([&] { DestroyWindow(probe.handle()); });
        }
        std::printf("  %s title, %s fill and border: create %9.1f, first paint %9.1f, destroy %9.1f us\n",
            variant & 1 ? "no" : "a ", variant & 2 ? "no" : "a ", create, paint, destroy);
    }

    {
        WNDCLASSW plainClass{};
        plainClass.lpfnWndProc = DefWindowProcW;
        plainClass.hInstance = GetModuleHandleW(nullptr);
        plainClass.lpszClassName = L"benchPlain";
        RegisterClassW(&plainClass);
        HWND plain = CreateWindowExW(WS_EX_LAYERED, L"benchPlain", L"", WS_POPUP | WS_VISIBLE, 0, 0, 420, 300,
            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        Surface picture(420, 300);
        updateLayered(plain, picture.dc());
        pumpPending();
        std::printf("  plain layered window, destroy:          %9.1f us\n",
            microsecondsOnce([&] { DestroyWindow(plain); }));
    }

    SkinWindow window;
    window.createWindow(boxLike());
    pumpPending();
    std::printf("compose and present it:                   %9.1f us\n",
        microsecondsPerCall(10, [&] { window.compose(true); }));

    Surface layer(420, 300);
    Graphics graphics;
    graphics.CreateFromHDC(layer.dc());
    GraphicsPath rounded;
    rounded.Create();
    addRoundedRectangle(rounded, 0, 0, 420, 300, 8);
    SolidBrush fill;
    fill.Create(toArgb(RGB(240, 240, 240), 255));
    std::printf("  fill under a rounded clip:              %9.1f us\n", microsecondsPerCall(10, [&] {
        graphics.SetClipPath(rounded);
        graphics.FillRectangle(fill, 0.0f, 0.0f, 420.0f, 300.0f);
        graphics.ResetClip();
    }));
    std::printf("  fill without a clip:                    %9.1f us\n", microsecondsPerCall(10, [&] {
        graphics.FillRectangle(fill, 0.0f, 0.0f, 420.0f, 300.0f);
    }));
    std::printf("  glow caption:                           %9.1f us\n", microsecondsPerCall(10, [&] {
        GlowTextStyle style;
        style.size = 13;
        drawGlowText(graphics, L"KX启动修复成功", {6, 6, 320, 19}, 0xFFFFFF, 0x808080, style);
    }));
    Surface other(420, 300);
    std::printf("  one alpha blend of the whole surface:   %9.1f us\n", microsecondsPerCall(10, [&] {
        alphaBlend(other.dc(), 0, 0, 420, 300, layer.dc(), 0, 0, 420, 300, 255);
    }));
    DestroyWindow(window.handle());

    ControlsGallery gallery;
    double create = microsecondsOnce([&] { gallery.create(); });
    pumpPending();
    std::printf("controls gallery %dx%d, create:         %9.1f us\n", ControlsGallery::kWidth,
        ControlsGallery::kHeight, create);
    std::printf("  compose it, every control redrawn:      %9.1f us\n",
        microsecondsPerCall(5, [&] { gallery.window().compose(true, true); }));
    std::printf("  compose it, controls as they are:       %9.1f us\n",
        microsecondsPerCall(5, [&] { gallery.window().compose(true); }));
    timeHoverFade(gallery);
    DestroyWindow(gallery.window().handle());
    return 0;
}
