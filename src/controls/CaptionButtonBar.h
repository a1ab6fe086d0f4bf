#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "controls/CaptionBarLayout.h"
#include "controls/ToolTip.h"
#include "element/ControlBase.h"
#include "imaging/ImageCodec.h"

// One button of a caption strip; its four looks are frames of the strip, numbered from 1.
struct CaptionItem {
    bool checked = false;
    bool disabled = false;
    int width = 0;
    int height = 0;
    std::wstring caption;
    // Doubles as the item's command name for the window.
    std::wstring toolTipText;
    int normalFrame = 0;
    int hotFrame = 0;
    int pressedFrame = 0;
    int disabledFrame = 0;
    int value = 0;
};

struct CaptionBarOptions {
    int containerId = 0;
    int x = 0;
    int y = 0;
    // The strip's size when not given.
    std::optional<int> width;
    std::optional<int> height;
    int spacing = 0;
    // Items keep a checked state, and a checked item is drawn pressed.
    bool checkMode = false;
    bool vertical = false;
};

struct CaptionItemOptions {
    int normalFrame = 1;
    // The normal frame when not given.
    std::optional<int> hotFrame;
    std::optional<int> pressedFrame;
    std::optional<int> disabledFrame;
    std::wstring caption;
    std::wstring toolTipText;
    // -1 or past the end appends; 1..count inserts before that item; anything else adds nothing.
    int position = -1;
    // The normal frame's size when not given.
    std::optional<int> width;
    std::optional<int> height;
    // Only kept in check mode.
    bool checked = false;
    int value = 0;
};

// A new look for an item; what is not given keeps its value.
struct CaptionItemLook {
    std::optional<int> normalFrame;
    std::optional<int> hotFrame;
    std::optional<int> pressedFrame;
    std::optional<int> disabledFrame;
    std::optional<std::wstring> caption;
    std::optional<std::wstring> toolTipText;
};

// A row (or column) of small image buttons cut from one sprite strip, such as a window's
// caption buttons. Items fade to their hot frame under the mouse, show the pressed frame
// while the button is down and report a click through the click callback. One tooltip
// follows the hovered item.
class CaptionButtonBar : public ControlBase {
public:
    // (control id, item index)
    using ClickCallback = std::function<void(int, int)>;

    CaptionButtonBar() = default;
    ~CaptionButtonBar() override;

    // The bar's id (also when created before), or 0 when `window` is not a framework window.
    int create(HWND window, const ImageCodec& strip, const CaptionBarOptions& options = {});

    // The new item's index, or 0 for a position that adds nothing.
    int addItem(const CaptionItemOptions& options);
    // Each returns false for a bad index and changes nothing then.
    bool setItemDisabled(int index, bool disabled = true);
    bool setItemLook(int index, const CaptionItemLook& look);
    bool removeItem(int index);
    bool setItemValue(int index, int value);
    // Only in check mode.
    bool setItemChecked(int index, bool checked);
    bool itemChecked(int index) const;
    // Clears one item, or all of them; false unless in check mode.
    bool uncheckItems(std::optional<int> index = std::nullopt);
    // Empty for a bad index.
    std::wstring itemToolTipText(int index) const;
    // 0 for a bad index.
    int itemValue(int index) const;
    // A copy of the item; an empty one for a bad index.
    CaptionItem itemInfo(int index) const;

    void layout();
    void drawItem(int index, bool present = false, bool fade = false, bool hot = false, bool pressed = false);
    // The enabled item under a point in window client coordinates, or 0.
    int itemAt(int x, int y) const;
    void setClickCallback(ClickCallback callback) { m_clickCallback = std::move(callback); }
    // Each item shows its normal frame's shape on a system face.
    void setSystemColours(const std::optional<SystemColours>& colours, bool present = true) override;

    void redraw(skin::RedrawReason reason) override;
    // The item's face as drawItem paints it.
    Surface renderItem(int index, bool hot, bool pressed) const;

    int itemCount() const { return static_cast<int>(m_items.size()); }
    // In the control's own coordinates; empty for a bad index.
    RECT itemRect(int index) const;
    int shownHotItem() const { return m_shownHotItem; }
    bool checkMode() const { return m_checkMode; }
    bool vertical() const { return m_vertical; }
    int spacing() const { return m_spacing; }
    const ImageCodec& strip() const { return m_strip; }
    const ToolTip& toolTip() const { return m_toolTip; }

protected:
    std::optional<LRESULT> handleClassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void onDestroying() override;

private:
    bool validIndex(int index) const { return index >= 1 && index <= itemCount(); }
    CaptionItem& item(int index) { return m_items[static_cast<size_t>(index - 1)]; }
    const CaptionItem& item(int index) const { return m_items[static_cast<size_t>(index - 1)]; }
    void layoutAndRedraw();
    void copyIntoSurface(const Surface& picture, const RECT& rect);
    void onMouseMove(int x, int y);
    void onMouseLeave();
    void followWithToolTip(int index, LPARAM mouseAt);
    SIZE hostParentSize() const;
    void resetBar();

    ImageCodec m_strip;
    std::vector<CaptionItem> m_items;
    std::vector<RECT> m_hitRects;
    int m_hotItem = 0;
    int m_shownHotItem = 0;
    int m_pressedItem = 0;
    ClickCallback m_clickCallback;
    int m_spacing = 0;
    ToolTip m_toolTip;
    bool m_checkMode = false;
    bool m_vertical = false;
    SIZE m_hoverSize {};
    std::optional<SystemColours> m_system;
};
