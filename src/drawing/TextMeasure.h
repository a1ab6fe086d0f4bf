#pragma once

#include <string>

class StringFormat;

struct TextSize {
    int width = 0;
    int height = 0;
};

// The width of the text set on one line, floored and plus one; 1 when nothing can be measured.
int measureTextWidth(const std::wstring& text, const std::wstring& faceName, float size, int style = 0);
int measureTextWidth(const std::wstring& text, const std::wstring& faceName, float size, int style,
    const StringFormat& format);

// The text laid out in a box; a layout width or height of 0 sets no limit in that direction.
TextSize measureTextSize(const std::wstring& text, const std::wstring& faceName, float size, int style,
    int layoutWidth = 0, int layoutHeight = 0);
TextSize measureTextSize(const std::wstring& text, const std::wstring& faceName, float size, int style,
    int layoutWidth, int layoutHeight, const StringFormat& format);
