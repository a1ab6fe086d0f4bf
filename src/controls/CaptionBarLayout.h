#pragma once

#include <windows.h>

#include <vector>

// One item of a caption strip as the layout sees it.
struct CaptionCell {
    int width = 0;
    int height = 0;
    bool disabled = false;
};

// The items' rectangles in a control of width × height: in a row from the left (or a column
// from the top), `spacing` apart, each centred across the run.
std::vector<RECT> layoutCaptionCells(
    const std::vector<CaptionCell>& cells, int width, int height, int spacing, bool vertical);

// The 1-based index of the first enabled item whose rectangle holds the point, edges
// included; 0 when there is none.
int captionCellAt(const std::vector<CaptionCell>& cells, const std::vector<RECT>& rects, int x, int y);

// The smallest control that holds every item of the run.
SIZE captionStripSize(const std::vector<CaptionCell>& cells, int spacing, bool vertical);
