// A skinned window with a few tiles, for looking at the framework and for driving it with
// real input in the end-to-end test, and a gallery of every control. Built with the tests,
// never shipped.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "core/Runtime.h"
#include "demo/ControlsGallery.h"
#include "demo/DemoTile.h"
#include "drawing/Bitmap.h"
#include "drawing/Colour.h"
#include "drawing/Graphics.h"
#include "drawing/LinearGradientBrush.h"
#include "imaging/SkinPictures.h"
#include "skin/Framework.h"
#include "skin/SkinWindow.h"

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 320;
constexpr int kVerticalGradient = 1;
constexpr COLORREF kDeepBlue = RGB(12, 34, 110);
constexpr COLORREF kTeal = RGB(0, 128, 128);
constexpr COLORREF kLightBlue = RGB(150, 200, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The background is made here rather than committed, so the demo needs no asset of its own.
ByteArray gradientPicture(int width, int height)
{
    Bitmap picture;
    if (!picture.Create(width, height))
        return {};
    {
        Graphics graphics;
        LinearGradientBrush brush;
        if (!graphics.GetImageGraphicsContext(picture) ||
            !brush.CreateFromRectI(flat::GpRect(0, 0, width, height), toArgb(kDeepBlue), toArgb(kTeal),
                kVerticalGradient))
            return {};
        graphics.FillRectangleI(brush, 0, 0, width, height);
    }
    return picture.SaveToBytes(kPngFormat);
}

ByteArray copyOf(ByteView bytes)
{
    return ByteArray(bytes.data, bytes.data + bytes.size);
}

bool hasArgument(const wchar_t* wanted)
{
    for (int i = 1; i < __argc; ++i)
        if (std::wcscmp(__wargv[i], wanted) == 0)
            return true;
    return false;
}

// The value after an argument, or "".
std::wstring argumentValue(const wchar_t* name)
{
    for (int i = 1; i + 1 < __argc; ++i)
        if (std::wcscmp(__wargv[i], name) == 0)
            return __wargv[i + 1];
    return {};
}

void printHandle(HWND hwnd)
{
    if (!hasArgument(L"--print-hwnd"))
        return;
    std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(hwnd)));
    std::fflush(stdout);
}

int runLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

// Every control in its looks and states. With --save PATH the composed picture goes to the
// file and the program ends.
int runGallery()
{
    ControlsGallery gallery;
    gallery.window().setEventHandler(ElementEvent::Destroyed, [](const EventArgs&) {
        PostQuitMessage(0);
        return 0;
    });
    const HWND hwnd = gallery.create();
    if (!hwnd)
        return 1;
    gallery.showStates();
    printHandle(hwnd);
    const std::wstring savePath = argumentValue(L"--save");
    if (!savePath.empty()) {
        const ByteArray picture = gallery.window().windowPicture(ControlsGallery::kWidth, ControlsGallery::kHeight);
        const bool saved = !picture.empty() && writeFile(savePath, {ByteView{picture.data(), picture.size()}});
        DestroyWindow(hwnd);
        return saved ? 0 : 2;
    }
    return runLoop();
}

struct Demo {
    SkinWindow window;
    DemoTile drag{RGB(225, 140, 40)};
    DemoTile confirm{RGB(40, 120, 215)};
    DemoTile cancel{RGB(95, 105, 125)};
    DemoTile unavailable{RGB(40, 120, 215)};

    void createTiles(HWND hwnd)
    {
        place(drag, hwnd, {0, 40, 70, 400, 110, L"拖动我"}, false, false, 20.0f);
        place(unavailable, hwnd, {0, 24, 262, 110, 36, L"不可用"}, false, true, 16.0f);
        place(confirm, hwnd, {0, 256, 262, 96, 36, L"确定"}, true, false, 16.0f);
        place(cancel, hwnd, {0, 364, 262, 96, 36, L"取消"}, true, false, 16.0f);
        // Posted rather than closed here: the click arrives inside the window's own input
        // handling, which must not see its window and controls destroyed under it.
        const auto close = [hwnd](const EventArgs&) {
            PostMessageW(hwnd, WM_CLOSE, 0, 0);
            return 0;
        };
        confirm.setEventHandler(ElementEvent::Click, close);
        cancel.setEventHandler(ElementEvent::Click, close);
    }

    static void place(DemoTile& tile, HWND hwnd, ControlOptions options, bool interactive, bool disabled,
        float textSize)
    {
        options.interactive = interactive;
        options.disabled = disabled;
        tile.create(hwnd, options);
        FontChange font;
        font.colour = kWhite;
        font.size = textSize;
        tile.setFont(font);
    }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    initialiseFramework();
    if (hasArgument(L"--gallery"))
        return runGallery();

    Demo demo;
    WindowOptions options;
    options.width = kWidth;
    options.height = kHeight;
    options.title = L"kxfix 皮肤窗口演示";
    options.iconImage = copyOf(kTickPicture.bytes());
    options.backgroundImage = gradientPicture(kWidth, kHeight);
    options.backgroundLayout = BackgroundLayout::Stretched;
    options.border = true;
    options.roundedBorder = true;
    options.borderColour = kLightBlue;
    // Every caption button, for the eye: skin, menu, minimise, maximise and close.
    options.captionButtons = 31;
    options.createdCallback = [&demo](HWND hwnd) { demo.createTiles(hwnd); };
    demo.window.setEventHandler(ElementEvent::Destroyed, [](const EventArgs&) {
        PostQuitMessage(0);
        return 0;
    });

    const HWND hwnd = demo.window.createWindow(options);
    if (!hwnd)
        return 1;
    printHandle(hwnd);
    return runLoop();
}
