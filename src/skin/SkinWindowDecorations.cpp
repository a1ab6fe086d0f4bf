#include "skin/SkinWindow.h"

#include "skin/DisplaySettings.h"
#include "skin/EffectFrames.h"
#include "skin/EffectPlayer.h"
#include "skin/ShadowWindow.h"

// The decorations that come from classes of their own: the drop shadow of non-layered
// framed windows and the show and hide effects. The window calls them at the right moments.

namespace {

EffectRect windowRectOf(HWND window)
{
    RECT bounds {};
    GetWindowRect(window, &bounds);
    return { bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top };
}

void setLayeredStyle(HWND window, bool layered)
{
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    const LONG_PTR changed = layered ? style | WS_EX_LAYERED : style & ~static_cast<LONG_PTR>(WS_EX_LAYERED);
    if (changed != style)
        SetWindowLongPtrW(window, GWL_EXSTYLE, changed);
}

// Marks the window as playing an effect for as long as it lives.
class PlayingEffect {
public:
    explicit PlayingEffect(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    PlayingEffect(const PlayingEffect&) = delete;
    PlayingEffect& operator=(const PlayingEffect&) = delete;
    ~PlayingEffect() { m_flag = false; }

private:
    bool& m_flag;
};

}  // namespace

void SkinWindow::createShadow()
{
    if (!m_layered && m_skinLoaded)
        ShadowWindow::create(m_hwnd, m_skin);
}

void SkinWindow::shadowFollow()
{
    if (m_hwnd)
        ShadowWindow::followOwner(m_hwnd, false, false);
}

void SkinWindow::showShadow(bool shown)
{
    if (m_hwnd)
        ShadowWindow::followOwner(m_hwnd, shown, true);
}

void SkinWindow::playShowEffect()
{
    if (!animationsWanted())
        return;
    const std::vector<EffectFrame> frames = showEffectFrames(windowRectOf(m_hwnd), m_effects.show);
    if (frames.empty() || !m_layers.composed)
        return;
    EffectPlayer player(m_layers.composed, showEffectMargin(m_effects.show));
    PlayingEffect playing(m_effects.playing);
    // A window that is not layered plays through a borrowed layered style.
    if (!m_layered)
        setLayeredStyle(m_hwnd, true);
    player.play(m_hwnd, frames);
    if (!m_layered) {
        setLayeredStyle(m_hwnd, false);
        InvalidateRect(m_hwnd, nullptr, TRUE);
    }
}

void SkinWindow::playHideEffect()
{
    // A window nobody sees would only keep its closer waiting.
    if (!m_hwnd || !IsWindowVisible(m_hwnd) || IsIconic(m_hwnd) || !animationsWanted())
        return;
    const std::vector<EffectFrame> frames = hideEffectFrames(windowRectOf(m_hwnd), m_effects.hide);
    if (frames.empty())
        return;
    buildComposedSurface();
    if (!m_layers.composed)
        return;
    EffectPlayer player(m_layers.composed);
    PlayingEffect playing(m_effects.playing);
    setLayeredStyle(m_hwnd, true);
    player.play(m_hwnd, frames);
}
