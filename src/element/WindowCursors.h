#pragma once

#include <windows.h>

// The system cursor behind a cursor kind of windows and controls: 1 cross, 2 help, 3 I-beam,
// 4 no, 5 size-all, 6 NE-SW, 7 N-S, 8 NW-SE, 9 W-E, 10 up arrow, 11 wait, 12 hand, any
// other the arrow.
inline const wchar_t* systemCursorForKind(int kind)
{
    switch (kind) {
    case 1: return IDC_CROSS;
    case 2: return IDC_HELP;
    case 3: return IDC_IBEAM;
    case 4: return IDC_NO;
    case 5: return IDC_SIZEALL;
    case 6: return IDC_SIZENESW;
    case 7: return IDC_SIZENS;
    case 8: return IDC_SIZENWSE;
    case 9: return IDC_SIZEWE;
    case 10: return IDC_UPARROW;
    case 11: return IDC_WAIT;
    case 12: return IDC_HAND;
    default: return IDC_ARROW;
    }
}
