#pragma once

#include <windows.h>

#include <string>

// GUIDs as registry text, "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}": upper-case digits,
// braces included, as the platform writes them. Made and read here, without ole32.
std::wstring guidText(const GUID& guid);
// Either case of digit is read. False, and the GUID untouched, for any other text.
bool guidFromText(const wchar_t* text, GUID& guid);
