#pragma once

#include <windows.h>

// The cursors windows and controls can be given; the numbers are the framework's own.
enum class CursorKind : int {
    Arrow = 0,
    Cross = 1,
    Help = 2,
    IBeam = 3,
    No = 4,
    SizeAll = 5,
    SizeNeSw = 6,
    SizeNS = 7,
    SizeNwSe = 8,
    SizeWE = 9,
    UpArrow = 10,
    Wait = 11,
    Hand = 12,
};

// The system cursor behind a kind; a number no kind has gives the arrow.
inline const wchar_t* systemCursorForKind(CursorKind kind)
{
    switch (kind) {
    case CursorKind::Cross: return IDC_CROSS;
    case CursorKind::Help: return IDC_HELP;
    case CursorKind::IBeam: return IDC_IBEAM;
    case CursorKind::No: return IDC_NO;
    case CursorKind::SizeAll: return IDC_SIZEALL;
    case CursorKind::SizeNeSw: return IDC_SIZENESW;
    case CursorKind::SizeNS: return IDC_SIZENS;
    case CursorKind::SizeNwSe: return IDC_SIZENWSE;
    case CursorKind::SizeWE: return IDC_SIZEWE;
    case CursorKind::UpArrow: return IDC_UPARROW;
    case CursorKind::Wait: return IDC_WAIT;
    case CursorKind::Hand: return IDC_HAND;
    default: return IDC_ARROW;
    }
}
