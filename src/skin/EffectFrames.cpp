#include "skin/EffectFrames.h"

#include <algorithm>
#include <functional>

#include "core/CoordinateLimits.h"

namespace {

constexpr int kFrames = 10;
constexpr int kTurnFrames = 20;

// Geometry is worked out in floating point and stored truncated toward zero.
int truncated(double value)
{
    return static_cast<int>(value);
}

EffectRect limited(const EffectRect& r)
{
    return { limitCoordinate(r.x), limitCoordinate(r.y), limitCoordinate(r.width), limitCoordinate(r.height) };
}

using Step = std::function<void(int frame, EffectRect& rect)>;

// A share of a size in hundredths, truncated. Whole numbers keep 0.3 × 150 at 45, which
// x87 arithmetic makes 44.
int percent(int size, int hundredths)
{
    return size * hundredths / 100;
}

// 30 % of the window, centred in it.
EffectRect centredThird(const EffectRect& window)
{
    EffectRect rect;
    rect.width = percent(window.width, 30);
    rect.height = percent(window.height, 30);
    rect.x = truncated(window.x + (window.width - rect.width) / 2.0);
    rect.y = truncated(window.y + (window.height - rect.height) / 2.0);
    return rect;
}

// Grows by a share of what is left each frame, about the centre.
void growCentred(EffectRect& rect, int dw, int dh)
{
    rect.x = truncated(rect.x - dw / 2.0);
    rect.y = truncated(rect.y - dh / 2.0);
    rect.width += dw;
    rect.height += dh;
}

// Frames 1..9 move from `start` by `step` and fade in by 25; frame 10 is the window itself.
std::vector<EffectFrame> showing(const EffectRect& window, EffectRect start, const Step& step, int sleepPerFrame)
{
    std::vector<EffectFrame> frames(kFrames);
    EffectRect rect = start;
    for (int i = 1; i <= kFrames; ++i) {
        EffectFrame& frame = frames[i - 1];
        if (i < kFrames) {
            step(i, rect);
            frame.rect = rect;
            frame.alpha = 25 * i;
        } else {
            frame.rect = window;
            frame.alpha = 255;
        }
        frame.sleepMs = sleepPerFrame * i;
    }
    return frames;
}

// Frames 1..10 move from the window by `step` and fade out by 25.
std::vector<EffectFrame> hiding(const EffectRect& window, const Step& step,
    const std::function<int(int frame)>& sleepAfter, FrameLook look = FrameLook::Stretched)
{
    std::vector<EffectFrame> frames(kFrames);
    EffectRect rect = window;
    for (int i = 1; i <= kFrames; ++i) {
        step(i, rect);
        EffectFrame& frame = frames[i - 1];
        frame.rect = rect;
        frame.alpha = 255 - 25 * i;
        frame.sleepMs = sleepAfter(i);
        frame.look = look;
    }
    return frames;
}

int foldSleep(int frame)
{
    return 20 - frame;
}

std::vector<EffectFrame> turning(const EffectRect& window, bool show)
{
    std::vector<EffectFrame> frames(kTurnFrames);
    for (int i = 1; i <= kTurnFrames; ++i) {
        EffectFrame& frame = frames[i - 1];
        frame.rect = window;
        frame.look = FrameLook::Turned;
        frame.angle = turnAngle(i, show);
        frame.sleepMs = show ? i : kTurnFrames + 1 - i;
    }
    // The turn ends on the window's own picture, where the next paint takes over.
    if (show)
        frames.back().look = FrameLook::Stretched;
    return frames;
}

// Hide effect 3 waits less and less: 77, 71, 62, 50, 35, 17, then 1.
std::vector<EffectFrame> fadingFaster(const EffectRect& window)
{
    std::vector<EffectFrame> frames = hiding(
        window, [](int, EffectRect&) {}, [](int) { return 0; });
    int delay = 80;
    for (int i = 1; i <= kFrames; ++i) {
        delay = std::max(1, delay - 3 * i);
        frames[i - 1].sleepMs = delay;
    }
    frames.back().alpha = 0;
    return frames;
}

void foldToMiddle(EffectRect& rect, int dh)
{
    rect.y = truncated(rect.y + dh / 2.0);
    rect.height -= dh;
}

// Folds to a band like effect 4 for seven frames, then the band narrows by a third a frame
// around its middle line while a light streak shrinks to the centre.
std::vector<EffectFrame> switchingOff(const EffectRect& window)
{
    const int dh = truncated(window.height / 10.0);
    std::vector<EffectFrame> frames = hiding(
        window, [dh](int, EffectRect& rect) { foldToMiddle(rect, dh); }, foldSleep, FrameLook::Blended);
    EffectRect band = frames[6].rect;
    for (int i = 8; i <= kFrames; ++i) {
        const int height = truncated(band.height - band.height / 3.0);
        band.y = truncated(band.y + (band.height - height) / 2.0);
        band.height = height;
        EffectFrame& frame = frames[i - 1];
        frame.rect = band;
        frame.alpha = 255;
        frame.look = FrameLook::Streak;
        frame.whiteAlpha = 210 - 20 * i;
        frame.streakWidth = truncated(band.width / static_cast<double>(i - 7));
        frame.streakLeft = static_cast<float>((band.width - frame.streakWidth) / 2.0);
        frame.streakTop = static_cast<float>(band.height / 2.0);
        frame.sleepMs = 50 - i;
    }
    return frames;
}

}  // namespace

int turnAngle(int frame, bool show)
{
    frame = limitCoordinate(frame);
    const int angle = show ? 9 * frame : 180 - 9 * frame;
    return angle > 90 ? angle + 180 : angle;
}

int showEffectMargin(ShowEffect effect)
{
    return effect == ShowEffect::GrowAndSettle ? 24 : 0;
}

std::vector<EffectFrame> showEffectFrames(const EffectRect& original, std::optional<ShowEffect> effect)
{
    const EffectRect window = limited(original);
    const int dw = truncated(window.width / 10.0);
    const int dh = truncated(window.height / 10.0);
    const EffectRect& w = window;
    switch (effect.value_or(kDefaultShowEffect)) {
    case ShowEffect::GrowFromCentre: {
        const EffectRect start = centredThird(w);
        const int growW = truncated((w.width - start.width) / 10.0);
        const int growH = truncated((w.height - start.height) / 10.0);
        return showing(
            w, start, [=](int, EffectRect& r) { growCentred(r, growW, growH); }, 2);
    }
    case ShowEffect::FadeIn:
        return showing(
            w, w, [](int, EffectRect&) {}, 4);
    case ShowEffect::GrowAndSettle: {
        // Grows past its mark in six frames, then settles back by 3 pixels a side.
        const EffectRect start = centredThird(w);
        const int growW = truncated((w.width - start.width) / 6.0);
        const int growH = truncated((w.height - start.height) / 6.0);
        return showing(
            w, start,
            [=](int i, EffectRect& r) {
                if (i > 6) {
                    r = { r.x + 3, r.y + 3, r.width - 6, r.height - 6 };
                    return;
                }
                growCentred(r, growW, growH);
                if (i == 6) {
                    r.width = w.width - 1;
                    r.height = w.height - 1;
                }
            },
            5);
    }
    case ShowEffect::UnrollRight:
        return showing(
            w, { w.x, w.y, 0, w.height }, [=](int, EffectRect& r) { r.width += dw; }, 2);
    case ShowEffect::UnrollLeft:
        return showing(
            w, { w.x + w.width, w.y, 0, w.height },
            [=](int, EffectRect& r) {
                r.x -= dw;
                r.width += dw;
            },
            2);
    case ShowEffect::UnrollUp:
        return showing(
            w, { w.x, w.y + w.height, w.width, 0 },
            [=](int, EffectRect& r) {
                r.y -= dh;
                r.height += dh;
            },
            2);
    case ShowEffect::UnrollDown:
        return showing(
            w, { w.x, w.y, w.width, 0 }, [=](int, EffectRect& r) { r.height += dh; }, 2);
    case ShowEffect::OpenFromMiddleRow:
        return showing(
            w, { w.x, truncated(w.y + w.height / 2.0), w.width, 0 },
            [=](int, EffectRect& r) {
                r.height += dh;
                r.y = truncated(r.y - dh / 2.0);
            },
            2);
    case ShowEffect::OpenFromMiddleColumn:
        return showing(
            w, { truncated(w.x + w.width / 2.0), w.y, 0, w.height },
            [=](int, EffectRect& r) {
                r.width += dw;
                r.x = truncated(r.x - dw / 2.0);
            },
            2);
    case ShowEffect::Turn:
        return turning(w, true);
    default:
        return {};
    }
}

std::vector<EffectFrame> hideEffectFrames(const EffectRect& original, HideEffect effect)
{
    const EffectRect window = limited(original);
    const int dw = truncated(window.width / 10.0);
    const int dh = truncated(window.height / 10.0);
    const EffectRect& w = window;
    switch (effect) {
    case HideEffect::ShrinkToCentre:
        return hiding(
            w,
            [=](int, EffectRect& r) {
                r.x = truncated(r.x + dw / 2.0);
                r.y = truncated(r.y + dh / 2.0);
                r.width -= dw;
                r.height -= dh;
            },
            foldSleep);
    case HideEffect::PulseAndFade: {
        // Shrinks by 2 % for five frames and grows back for five while it fades.
        const int d = percent(w.width, 2);
        const int e = percent(w.height, 2);
        return hiding(
            w,
            [=](int i, EffectRect& r) {
                const int sign = i <= 5 ? 1 : -1;
                r.x = truncated(r.x + sign * d / 2.0);
                r.y = truncated(r.y + sign * e / 2.0);
                r.width -= sign * d;
                r.height -= sign * e;
            },
            [](int i) { return 30 - 2 * i; });
    }
    case HideEffect::FadeOut:
        return fadingFaster(w);
    case HideEffect::FoldToMiddleRow:
        return hiding(
            w, [=](int, EffectRect& r) { foldToMiddle(r, dh); }, foldSleep, FrameLook::Blended);
    case HideEffect::RollUp:
        return hiding(
            w, [=](int, EffectRect& r) { r.height -= dh; }, foldSleep);
    case HideEffect::RollDown:
        return hiding(
            w,
            [=](int, EffectRect& r) {
                r.y += dh;
                r.height -= dh;
            },
            foldSleep);
    case HideEffect::RollLeft:
        return hiding(
            w, [=](int, EffectRect& r) { r.width -= dw; }, foldSleep);
    case HideEffect::RollRight:
        return hiding(
            w,
            [=](int, EffectRect& r) {
                r.x += dw;
                r.width -= dw;
            },
            foldSleep);
    case HideEffect::FoldToMiddleColumn:
        return hiding(
            w,
            [=](int, EffectRect& r) {
                r.x = truncated(r.x + dw / 2.0);
                r.width -= dw;
            },
            foldSleep);
    case HideEffect::Turn:
        return turning(w, false);
    case HideEffect::SwitchOff:
        return switchingOff(w);
    default:
        return {};
    }
}
