#include "element/ControlBase.h"

#include <algorithm>

#include "drawing/GdiHandles.h"
#include "element/WindowRegistry.h"

namespace {

constexpr int kOpacityStep = 25;
// Past this a fade step would barely differ from the picture itself, so it is copied whole.
constexpr int kLastBlendedOpacity = 200;

SIZE parentWindowSize(HWND window)
{
    HWND parent = window ? GetParent(window) : nullptr;
    RECT rect{};
    if (!parent || !GetWindowRect(parent, &rect))
        return {0, 0};
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

// Without a record the control is not in a framework window; the picture is simply freed.
void ControlBase::startTransition(Surface picture, const TransitionOptions& options)
{
    ControlRecord* own = record();
    if (!own)
        return;
    const bool sameKindRunning = std::any_of(m_animations.begin(), m_animations.end(),
        [&](const ControlAnimation& running) { return !running.finished && running.kind == options.kind; });
    if (sameKindRunning)
        completeTransitions(options.kind);
    if (!own->surface)
        own->surface = createSurface();

    auto slot = std::find_if(
        m_animations.begin(), m_animations.end(), [](const ControlAnimation& animation) { return animation.finished; });
    ControlAnimation& animation = slot != m_animations.end() ? *slot : m_animations.emplace_back();
    const SIZE parent = parentWindowSize(parentWindow());
    animation.kind = options.kind;
    animation.finished = false;
    animation.picture = std::move(picture);
    animation.opacity = options.startOpacity;
    animation.radius = options.radius;
    animation.x = options.x;
    animation.y = options.y;
    animation.width = options.width > 0 ? options.width : width();
    animation.height = options.height > 0 ? options.height : height();
    animation.parentWidth = parent.cx;
    animation.parentHeight = parent.cy;

    stepTransitions();
    present();
    if (!m_animationTimer)
        m_animationTimer = ThreadTimer(options.intervalMs, [this] { onAnimationTick(); });
}

void ControlBase::completeTransitions(std::optional<int> kind)
{
    if (kind) {
        for (ControlAnimation& animation : m_animations) {
            if (!animation.finished && animation.kind == *kind) {
                animation.opacity = 255;
                stepAnimation(animation);
                break;
            }
        }
        return;
    }
    const bool wasRunning = static_cast<bool>(m_animationTimer);
    m_animationTimer.stop();
    for (ControlAnimation& animation : m_animations) {
        if (!animation.finished) {
            animation.opacity = 255;
            stepAnimation(animation);
        }
    }
    m_animations.clear();
    if (wasRunning)
        present();
}

int ControlBase::runningTransitions() const
{
    return static_cast<int>(std::count_if(m_animations.begin(), m_animations.end(),
        [](const ControlAnimation& animation) { return !animation.finished; }));
}

void ControlBase::stepTransitions()
{
    for (std::size_t index = 0; index < m_animations.size(); ++index) {
        ControlAnimation& animation = m_animations[index];
        if (animation.finished)
            continue;
        stepAnimation(animation);
        // The window was resized under the fade: the picture no longer fits, so draw afresh.
        if (parentSizeChanged(animation)) {
            stopAllTransitionsAndRedraw();
            return;
        }
    }
}

void ControlBase::stepAnimation(ControlAnimation& animation)
{
    ControlRecord* own = record();
    if (!own || !own->surface || !animation.picture) {
        animation.picture = Surface();
        animation.finished = true;
        return;
    }
    HDC target = own->surface.dc();
    ClipGuard clip;
    if (animation.radius > 0) {
        clip = clipTo(target,
            UniqueRegion(CreateRoundRectRgn(0, 0, width() + 1, height() + 1, animation.radius, animation.radius)).get());
    }
    if (animation.opacity > kLastBlendedOpacity)
        animation.opacity = 255;
    bool copyWhole = animation.opacity >= 255;
    if (!copyWhole) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(animation.opacity), AC_SRC_ALPHA};
        copyWhole = !GdiAlphaBlend(target, animation.x, animation.y, animation.width, animation.height,
            animation.picture.dc(), animation.x, animation.y, animation.width, animation.height, blend);
        if (!copyWhole)
            animation.opacity += kOpacityStep;
    }
    if (copyWhole) {
        BitBlt(target, animation.x, animation.y, animation.width, animation.height, animation.picture.dc(), animation.x,
            animation.y, SRCCOPY);
        animation.picture = Surface();
        animation.finished = true;
    }
}

bool ControlBase::parentSizeChanged(const ControlAnimation& animation) const
{
    const SIZE parent = parentWindowSize(parentWindow());
    return parent.cx != animation.parentWidth || parent.cy != animation.parentHeight;
}

// Every tick presents, so each blended frame reaches the screen.
void ControlBase::onAnimationTick()
{
    stepTransitions();
    if (!m_animationTimer)
        return;
    if (runningTransitions() == 0) {
        m_animationTimer.stop();
        m_animations.clear();
    }
    present();
}

void ControlBase::stopAllTransitionsAndRedraw()
{
    m_animationTimer.stop();
    m_animations.clear();
    redraw(skin::RedrawReason::Present);
}
