#include "BoxDriver.h"

#include "TestSupport.h"
#include "core/ThreadTimer.h"
#include "element/WindowRegistry.h"
#include "skin/EffectPlayer.h"

BoxOutcome runBox(
    SkinMessageBox& box, const BoxArgs& args, const std::function<void(SkinMessageBox&)>& drive, DWORD limitMs)
{
    // The effects still draw and push every frame; only their waits go, or a hundred boxes
    // would spend a minute in them.
    EffectPlayer::setSleepsSkipped(true);
    BoxOutcome outcome;
    ThreadTimer driver;
    driver = ThreadTimer(20, [&] {
        const HWND window = box.openWindow();
        if (outcome.driven || !window || !IsWindowVisible(window))
            return;
        outcome.driven = true;
        driver.stop();
        settle();
        drive(box);
    });
    ThreadTimer watchdog(limitMs, [&] {
        if (box.openWindow()) {
            outcome.timedOut = true;
            PostMessageW(box.openWindow(), WM_CLOSE, 0, 0);
        }
    });
    const MessageBoxRequest request { args.owner, args.message, args.style, args.title, args.checkBox, args.checkText,
        args.checkInitial, args.opacity, args.captions, args.countdown };
    outcome.result = box.show(request, &outcome.check);
    EffectPlayer::setSleepsSkipped(false);
    return outcome;
}

void settle(DWORD ms)
{
    pumpUntil([] { return false; }, ms);
}

void pressKey(HWND window, UINT key, bool shift)
{
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, 0xC0000001);
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
}

void clickAt(HWND window, POINT at)
{
    const LPARAM where = MAKELPARAM(at.x, at.y);
    SendMessageW(window, WM_MOUSEMOVE, 0, where);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageW(window, WM_LBUTTONUP, 0, where);
}

POINT centreOf(const RECT& rect)
{
    return { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
}

std::uint32_t composedPixel(const SkinMessageBox& box, int x, int y)
{
    return box.window().composedSurface().pixel(x, y);
}

std::vector<RECT> controlRects(const SkinMessageBox& box, int kind)
{
    std::vector<RECT> rects;
    WindowRecord* record = box.window().record();
    for (int id = 1; record && id <= record->controlCount(); ++id) {
        const ControlRecord* control = record->control(id);
        if (control && control->inUse() && control->kind == kind)
            rects.push_back(control->rect);
    }
    return rects;
}
