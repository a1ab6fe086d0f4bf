#include "element/ControlBase.h"

#include <algorithm>
#include <memory>

#include "drawing/Graphics.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "element/WindowRouting.h"

namespace {

// Clears the presenting flag however the presentation ends.
class PresentingGuard {
public:
    explicit PresentingGuard(HWND window)
        : m_window(window)
    {
        skin::setProperty(m_window, skin::kPropPresenting, 1);
    }
    ~PresentingGuard() { SetPropA(m_window, skin::kPropPresenting, nullptr); }
    PresentingGuard(const PresentingGuard&) = delete;
    PresentingGuard& operator=(const PresentingGuard&) = delete;

private:
    HWND m_window;
};

}  // namespace

void ControlBase::setFont(const FontChange& change)
{
    if (change.face)
        m_font.face = *change.face;
    if (change.colour)
        m_font.colour = *change.colour;
    if (change.size)
        m_font.size = *change.size;
    if (change.style)
        m_font.style = *change.style;
    if (change.glow)
        m_font.glow = *change.glow;
    if (change.glowColour)
        m_font.glowColour = *change.glowColour;
    if (change.glowSize)
        m_font.glowSize = *change.glowSize;
}

void ControlBase::setFontWithNarrowGlow(FontChange change)
{
    if (!change.glowSize)
        change.glowSize = 2;
    setFont(change);
}

void ControlBase::setBackground(std::int32_t colour, int alpha)
{
    m_backColour = colour;
    m_backAlpha = alpha;
    redrawIfCreated(skin::RedrawReason::Present);
}

void ControlBase::setBackColour(std::int32_t colour)
{
    m_backColour = colour;
    redrawIfCreated(skin::RedrawReason::Present);
}

void ControlBase::setBackAlpha(int alpha)
{
    m_backAlpha = alpha;
    redrawIfCreated(skin::RedrawReason::Present);
}

void ControlBase::setSkin(const NineGridImage& skin, bool present)
{
    m_skin = skin;
    m_skinLoaded = skin.IsLoaded();
    redrawIfCreated(present ? skin::RedrawReason::Present : skin::RedrawReason::Render);
}

bool ControlBase::setCursor(CursorKind kind, const std::wstring& file)
{
    if (!m_cursor.load(kind, file))
        return false;
    if (isHot())
        SetClassLongPtrW(parentWindow(), GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(m_cursor.get()));
    return true;
}

bool ControlBase::isFocused() const
{
    return id() > 0 && callWindowHandler(parentWindow(), skin::kMsgGetFocusedControl, 0, 0) == id();
}

bool ControlBase::showsFocusMark() const
{
    return isFocused() && (callWindowHandler(parentWindow(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

bool ControlBase::takeFocus()
{
    return id() > 0 && callWindowHandler(parentWindow(), skin::kMsgGiveFocus, static_cast<WPARAM>(id()), 0) == 1;
}

bool ControlBase::isHot() const
{
    return id() > 0 && callWindowHandler(parentWindow(), skin::kMsgGetHotControl, 0, 0) == id();
}

void ControlBase::present()
{
    HWND window = parentWindow();
    if (!window || GetPropA(window, skin::kPropPresenting) == reinterpret_cast<HANDLE>(1))
        return;
    PresentingGuard guard(window);
    if (!GetPropA(window, skin::kPropFirstShowDone))
        return;
    presentWindowArea(window, windowRect());
}

Surface* ControlBase::beginRendering()
{
    ControlRecord* own = record();
    if (!own)
        return nullptr;
    own->surface = createSurface();
    return &own->surface;
}

Surface ControlBase::createSurface() const
{
    return Surface(width(), height());
}

void ControlBase::stretchIntoSurface(HDC source, int width, int height)
{
    ControlRecord* own = record();
    if (!own || !source)
        return;
    if (!own->surface)
        own->surface = createSurface();
    StretchBlt(own->surface.dc(), 0, 0, this->width(), this->height(), source, 0, 0, width, height, SRCCOPY);
}

// Both clips are in control coordinates: the control draws into its own surface.
void ControlBase::excludeChildren(Graphics& graphics) const
{
    WindowRecord* window = windowRecord();
    if (!window)
        return;
    for (int child : children()) {
        const ControlRecord* entry = window->control(child);
        if (!entry || !entry->inUse() || !entry->visible)
            continue;
        const RECT& r = entry->rect;
        graphics.SetClipRectI(toControlX(r.left), toControlY(r.top), r.right - r.left, r.bottom - r.top,
            flat::CombineModeExclude);
    }
}

void ControlBase::excludeChildren(HDC dc) const
{
    WindowRecord* window = windowRecord();
    if (!window || !dc)
        return;
    for (int child : children()) {
        const ControlRecord* entry = window->control(child);
        if (!entry || !entry->inUse() || !entry->visible)
            continue;
        const RECT& r = entry->rect;
        ExcludeClipRect(dc, toControlX(r.left), toControlY(r.top), toControlX(r.right), toControlY(r.bottom));
    }
}

bool ControlBase::hasEmptyUpdateRegion() const
{
    return GetUpdateRect(parentWindow(), nullptr, FALSE) == FALSE;
}

UINT_PTR ControlBase::startTimer(UINT intervalMs)
{
    // The tick learns its own id only after the system has handed it out.
    auto timerId = std::make_shared<UINT_PTR>(0);
    ThreadTimer timer(intervalMs, [this, timerId] { onTimer(*timerId); });
    *timerId = timer.id();
    if (timer)
        m_classTimers.push_back(std::move(timer));
    return *timerId;
}

void ControlBase::stopTimer(UINT_PTR id)
{
    auto found = std::find_if(m_classTimers.begin(), m_classTimers.end(),
        [id](const ThreadTimer& timer) { return timer.id() == id; });
    if (found != m_classTimers.end())
        m_classTimers.erase(found);
}
