#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The box's text as the platform's box copies it on Ctrl+C: title, message and button
// captions between dashed lines.
std::wstring messageBoxClipboardText(
    const std::wstring& title, const std::wstring& message, const std::vector<std::wstring>& buttonCaptions);

// Replaces the clipboard's contents by `text` as CF_UNICODETEXT; false when the clipboard
// cannot be had.
bool putTextOnClipboard(HWND owner, const std::wstring& text);
