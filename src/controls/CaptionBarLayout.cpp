#include "controls/CaptionBarLayout.h"

#include <algorithm>

std::vector<RECT> layoutCaptionCells(
    const std::vector<CaptionCell>& cells, int width, int height, int spacing, bool vertical)
{
    std::vector<RECT> rects;
    rects.reserve(cells.size());
    int along = 0;
    for (const CaptionCell& cell : cells) {
        if (!rects.empty())
            along = (vertical ? rects.back().bottom : rects.back().right) + spacing;
        RECT rect {};
        if (vertical) {
            rect.left = (width - cell.width) / 2;
            rect.top = along;
        } else {
            rect.left = along;
            rect.top = (height - cell.height) / 2;
        }
        rect.right = rect.left + cell.width;
        rect.bottom = rect.top + cell.height;
        rects.push_back(rect);
    }
    return rects;
}

int captionCellAt(const std::vector<CaptionCell>& cells, const std::vector<RECT>& rects, int x, int y)
{
    const size_t count = std::min(cells.size(), rects.size());
    for (size_t i = 0; i < count; ++i) {
        const RECT& r = rects[i];
        if (!cells[i].disabled && x >= r.left && x <= r.right && y >= r.top && y <= r.bottom)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

SIZE captionStripSize(const std::vector<CaptionCell>& cells, int spacing, bool vertical)
{
    SIZE size {};
    for (size_t i = 0; i < cells.size(); ++i) {
        const CaptionCell& cell = cells[i];
        const int gap = i > 0 ? spacing : 0;
        if (vertical) {
            size.cx = std::max<LONG>(size.cx, cell.width);
            size.cy += gap + cell.height;
        } else {
            size.cx += gap + cell.width;
            size.cy = std::max<LONG>(size.cy, cell.height);
        }
    }
    return size;
}
