#include "controls/CaptionBarLayout.h"

#include <algorithm>

#include "core/CoordinateLimits.h"

std::vector<RECT> layoutCaptionCells(
    const std::vector<CaptionCell>& cells, int width, int height, int spacing, bool vertical)
{
    width = limitCoordinate(width);
    height = limitCoordinate(height);
    spacing = limitCoordinate(spacing);
    std::vector<RECT> rects;
    rects.reserve(cells.size());
    int along = 0;
    for (const CaptionCell& cell : cells) {
        if (!rects.empty())
            along = limitCoordinate((vertical ? rects.back().bottom : rects.back().right) + spacing);
        const int cellWidth = limitCoordinate(cell.width);
        const int cellHeight = limitCoordinate(cell.height);
        RECT rect {};
        if (vertical) {
            rect.left = (width - cellWidth) / 2;
            rect.top = along;
        } else {
            rect.left = along;
            rect.top = (height - cellHeight) / 2;
        }
        rect.right = rect.left + cellWidth;
        rect.bottom = rect.top + cellHeight;
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
        const int gap = i > 0 ? limitCoordinate(spacing) : 0;
        const int cellWidth = limitCoordinate(cell.width);
        const int cellHeight = limitCoordinate(cell.height);
        if (vertical) {
            size.cx = std::max<LONG>(size.cx, cellWidth);
            size.cy = limitCoordinate(size.cy + gap + cellHeight);
        } else {
            size.cx = limitCoordinate(size.cx + gap + cellWidth);
            size.cy = std::max<LONG>(size.cy, cellHeight);
        }
    }
    return size;
}
