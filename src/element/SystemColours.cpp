#include "element/SystemColours.h"

SystemColours SystemColours::current()
{
    SystemColours colours;
    colours.window = GetSysColor(COLOR_WINDOW);
    colours.windowText = GetSysColor(COLOR_WINDOWTEXT);
    colours.buttonFace = GetSysColor(COLOR_BTNFACE);
    colours.buttonText = GetSysColor(COLOR_BTNTEXT);
    colours.highlight = GetSysColor(COLOR_HIGHLIGHT);
    colours.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    colours.grayText = GetSysColor(COLOR_GRAYTEXT);
    return colours;
}

bool SystemColours::operator==(const SystemColours& other) const
{
    return window == other.window && windowText == other.windowText && buttonFace == other.buttonFace
        && buttonText == other.buttonText && highlight == other.highlight && highlightText == other.highlightText
        && grayText == other.grayText;
}
