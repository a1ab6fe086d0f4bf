#include "EffectTestSupport.h"

#include <cstring>

#include "TestSupport.h"
#include "drawing/Bitmap.h"
#include "drawing/LayeredDrawing.h"
#include "element/SkinConstants.h"
#include "skin/EffectPlayer.h"

FrameRecorder::FrameRecorder(bool skipSleeps)
{
    EffectPlayer::setSleepsSkipped(skipSleeps);
    EffectPlayer::setFrameObserver([this](int number, const EffectFrame& frame, const Surface& pushed) {
        PushedFrame copy { number, frame, Surface(frame.rect.width, frame.rect.height) };
        BitBlt(copy.pixels.dc(), 0, 0, frame.rect.width, frame.rect.height, pushed.dc(), 0, 0, SRCCOPY);
        frames.push_back(std::move(copy));
    });
}

FrameRecorder::~FrameRecorder()
{
    EffectPlayer::setFrameObserver(nullptr);
    EffectPlayer::setSleepsSkipped(false);
}

WindowOptions boxOptions(int showEffect, int hideEffect)
{
    WindowOptions options;
    options.x = 100;
    options.y = 50;
    options.width = 321;
    options.height = 150;
    options.title = L"KX启动修复成功";
    options.backgroundColour = 0xFFFFFF;
    options.border = true;
    options.borderColour = 0x606060;
    options.roundedBorder = true;
    options.showEffect = ShowEffect(showEffect);
    options.hideEffect = HideEffect(hideEffect);
    options.captionButtons = 1;
    return options;
}

HWND openAndShow(SkinWindow& window, const WindowOptions& options)
{
    const HWND handle = window.createWindow(options);
    if (handle)
        pumpUntil([handle] { return GetPropA(handle, skin::kPropFirstShowDone) != nullptr; }, 5000);
    return handle;
}

ByteArray contactSheet(const std::vector<PushedFrame>& frames, const EffectRect& window)
{
    constexpr int kGap = 8;
    const int cellWidth = window.width + kGap;
    const int cellHeight = window.height + kGap;
    const int columns = 10;
    const int rows = static_cast<int>((frames.size() + columns - 1) / columns);
    Surface sheet(columns * cellWidth + kGap, rows * cellHeight + kGap);
    if (!sheet || frames.empty())
        return {};
    GdiFlush();
    for (int i = 0; i < sheet.width() * sheet.height(); ++i)
        sheet.bits()[i] = 0xFF707070;
    for (const PushedFrame& pushed : frames) {
        const int cell = pushed.number - 1;
        const int left = kGap + (cell % columns) * cellWidth;
        const int top = kGap + (cell / columns) * cellHeight;
        // The cell's own outline: where the window stands.
        for (int x = left - 1; x <= left + window.width; ++x) {
            sheet.setPixel(x, top - 1, 0xFF505050);
            sheet.setPixel(x, top + window.height, 0xFF505050);
        }
        const EffectRect& rect = pushed.frame.rect;
        alphaBlend(sheet.dc(), left + rect.x - window.x, top + rect.y - window.y, rect.width, rect.height,
            pushed.pixels.dc(), 0, 0, rect.width, rect.height, pushed.frame.alpha);
    }
    GdiFlush();
    Bitmap bitmap;
    if (!bitmap.CreateFromScan0(sheet.width(), sheet.height(), sheet.width() * 4, PixelFormat32bppPARGB,
            reinterpret_cast<std::uint8_t*>(sheet.bits())))
        return {};
    return bitmap.SaveToBytes(kPngFormat);
}
