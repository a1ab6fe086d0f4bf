#include "controls/CaptionButtonBar.h"

#include "controls/ButtonFace.h"
#include "drawing/Graphics.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"

namespace {

constexpr COLORREF kDisabledTextColour = 0x808080;

} // namespace

CaptionButtonBar::~CaptionButtonBar()
{
    destroyIfCreated();
}

int CaptionButtonBar::create(HWND window, const ImageCodec& strip, const CaptionBarOptions& options)
{
    if (id() != 0)
        return id();
    if (registryIndexOf(window) <= 0)
        return 0;
    ControlOptions base;
    base.containerId = options.containerId;
    base.x = options.x;
    base.y = options.y;
    base.width = options.width.value_or(strip.GetStripWidth());
    base.height = options.height.value_or(strip.GetStripHeight());
    base.interactive = true;
    base.kind = skin::kKindCaptionButtons;
    m_strip = strip;
    m_spacing = options.spacing;
    m_checkMode = options.checkMode;
    m_vertical = options.vertical;
    const int newId = ControlBase::create(window, base);
    if (newId == 0) {
        resetBar();
        return 0;
    }
    setFont(
        { std::wstring(L"宋体"), COLORREF(0), 12.0f, std::nullopt, std::nullopt, COLORREF(0xFFFFFF), std::nullopt });
    m_hoverSize = hostParentSize();
    return newId;
}

int CaptionButtonBar::addItem(const CaptionItemOptions& options)
{
    const int count = itemCount();
    int position = options.position;
    if (position == -1 || position > count)
        position = count + 1;
    else if (position < 1)
        return 0;
    CaptionItem added;
    added.checked = m_checkMode && options.checked;
    added.width = options.width.value_or(m_strip.GetFrameWidth(options.normalFrame));
    added.height = options.height.value_or(m_strip.GetFrameHeight(options.normalFrame));
    added.caption = options.caption;
    added.toolTipText = options.toolTipText;
    added.normalFrame = options.normalFrame;
    added.hotFrame = options.hotFrame.value_or(options.normalFrame);
    added.pressedFrame = options.pressedFrame.value_or(options.normalFrame);
    added.disabledFrame = options.disabledFrame.value_or(options.normalFrame);
    added.value = options.value;
    m_items.insert(m_items.begin() + (position - 1), std::move(added));
    layoutAndRedraw();
    return position;
}

bool CaptionButtonBar::setItemDisabled(int index, bool disabled)
{
    if (!validIndex(index))
        return false;
    item(index).disabled = disabled;
    if (record())
        redraw(skin::RedrawReason::Present);
    return true;
}

bool CaptionButtonBar::setItemLook(int index, const CaptionItemLook& look)
{
    if (!validIndex(index))
        return false;
    CaptionItem& changed = item(index);
    changed.normalFrame = look.normalFrame.value_or(changed.normalFrame);
    changed.hotFrame = look.hotFrame.value_or(changed.hotFrame);
    changed.pressedFrame = look.pressedFrame.value_or(changed.pressedFrame);
    changed.disabledFrame = look.disabledFrame.value_or(changed.disabledFrame);
    if (look.caption)
        changed.caption = *look.caption;
    if (look.toolTipText)
        changed.toolTipText = *look.toolTipText;
    layoutAndRedraw();
    return true;
}

bool CaptionButtonBar::removeItem(int index)
{
    if (!validIndex(index))
        return false;
    m_items.erase(m_items.begin() + (index - 1));
    // Indexes after the removed one shift; a remembered one could name the wrong item.
    m_hotItem = m_shownHotItem = m_pressedItem = 0;
    layoutAndRedraw();
    return true;
}

bool CaptionButtonBar::setItemValue(int index, int value)
{
    if (!validIndex(index))
        return false;
    item(index).value = value;
    return true;
}

int CaptionButtonBar::itemValue(int index) const
{
    return validIndex(index) ? item(index).value : 0;
}

CaptionItem CaptionButtonBar::itemInfo(int index) const
{
    return validIndex(index) ? item(index) : CaptionItem {};
}

std::wstring CaptionButtonBar::itemToolTipText(int index) const
{
    return validIndex(index) ? item(index).toolTipText : std::wstring();
}

bool CaptionButtonBar::setItemChecked(int index, bool checked)
{
    if (!m_checkMode || !validIndex(index))
        return false;
    if (item(index).checked != checked) {
        item(index).checked = checked;
        drawItem(index, true, false, false, checked);
    }
    return true;
}

bool CaptionButtonBar::itemChecked(int index) const
{
    return m_checkMode && validIndex(index) && item(index).checked;
}

bool CaptionButtonBar::uncheckItems(std::optional<int> index)
{
    if (!m_checkMode)
        return false;
    for (int i = 1; i <= itemCount(); ++i) {
        if ((index && *index != i) || !item(i).checked)
            continue;
        item(i).checked = false;
        drawItem(i, true);
    }
    return true;
}

void CaptionButtonBar::layout()
{
    std::vector<CaptionCell> cells;
    cells.reserve(m_items.size());
    for (const CaptionItem& each : m_items)
        cells.push_back({ each.width, each.height, each.disabled });
    m_hitRects = layoutCaptionCells(cells, width(), height(), m_spacing, m_vertical);
}

void CaptionButtonBar::layoutAndRedraw()
{
    layout();
    if (record())
        redraw(skin::RedrawReason::Present);
}

RECT CaptionButtonBar::itemRect(int index) const
{
    if (!validIndex(index) || static_cast<size_t>(index) > m_hitRects.size())
        return {};
    return m_hitRects[static_cast<size_t>(index - 1)];
}

int CaptionButtonBar::itemAt(int x, int y) const
{
    std::vector<CaptionCell> cells;
    cells.reserve(m_items.size());
    for (const CaptionItem& each : m_items)
        cells.push_back({ each.width, each.height, each.disabled });
    return captionCellAt(cells, m_hitRects, toControlX(x), toControlY(y));
}

Surface CaptionButtonBar::renderItem(int index, bool hot, bool pressed) const
{
    if (!validIndex(index))
        return {};
    const CaptionItem& shown = item(index);
    Surface picture(shown.width, shown.height);
    Graphics graphics;
    if (!picture || !graphics.CreateFromHDC(picture.dc()))
        return picture;
    graphics.SetTextRenderingHint(flat::TextRenderingHintAntiAliasGridFit);
    ButtonFace face;
    face.rect = { 0, 0, shown.width, shown.height };
    face.caption = shown.caption;
    face.style = FaceStyle::Images;
    face.normalImage = m_strip.GetFrame(shown.normalFrame);
    face.hotImage = m_strip.GetFrame(shown.hotFrame);
    face.pressedImage = m_strip.GetFrame(shown.pressedFrame);
    face.disabledImage = m_strip.GetFrame(shown.disabledFrame);
    face.hot = hot;
    face.pressed = m_checkMode ? shown.checked : pressed;
    face.disabled = shown.disabled;
    face.textColour = font().colour;
    face.disabledTextColour = kDisabledTextColour;
    face.face = font().face;
    face.size = font().size;
    face.fontStyle = font().style;
    face.glow = font().glow;
    face.glowColour = font().glowColour;
    face.glowSize = font().glowSize;
    face.captionOnImage = true;
    face.system = m_system ? &*m_system : nullptr;
    paintButtonFace(graphics, face);
    graphics.Delete();
    GdiFlush();
    return picture;
}

void CaptionButtonBar::copyIntoSurface(const Surface& picture, const RECT& rect)
{
    ControlRecord* own = record();
    if (!own || !picture)
        return;
    if (!own->surface)
        own->surface = createSurface();
    BitBlt(own->surface.dc(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, picture.dc(), 0, 0,
        SRCCOPY);
}

void CaptionButtonBar::drawItem(int index, bool present, bool fade, bool hot, bool pressed)
{
    if (!validIndex(index) || !record())
        return;
    if (m_hitRects.size() != m_items.size())
        layout();
    Surface picture = renderItem(index, hot, pressed);
    const RECT rect = itemRect(index);
    // While the window waits to be painted anyway, a fade would only show stale pixels.
    if (fade && hasEmptyUpdateRegion()) {
        TransitionOptions options;
        options.kind = index;
        options.x = rect.left;
        options.y = rect.top;
        options.width = rect.right - rect.left;
        options.height = rect.bottom - rect.top;
        // A fade reads its picture at the same place it writes, so the item sits at its spot.
        Surface whole = createSurface();
        if (whole)
            BitBlt(whole.dc(), rect.left, rect.top, options.width, options.height, picture.dc(), 0, 0, SRCCOPY);
        startTransition(std::move(whole), options);
        return;
    }
    copyIntoSurface(picture, rect);
    if (present || fade)
        this->present();
}

void CaptionButtonBar::setSystemColours(const std::optional<SystemColours>& colours, bool present)
{
    m_system = colours;
    if (record())
        redraw(present ? skin::RedrawReason::Present : skin::RedrawReason::Render);
}

void CaptionButtonBar::redraw(skin::RedrawReason reason)
{
    if (!beginRendering())
        return;
    // The control may have been resized since the items were laid out.
    layout();
    for (int i = 1; i <= itemCount(); ++i)
        drawItem(i);
    if (reason != skin::RedrawReason::Render)
        present();
}
