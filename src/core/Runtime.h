#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "core/Bytes.h"

// The runtime services the program reaches the system through. Paths and texts stay
// UTF-16 all the way to the W functions, whatever the system code page.

// Creates or truncates the file (shared with nobody) and writes the parts in order,
// skipping empty ones. False on an empty path or any failure; a partial file may remain.
bool writeFile(const std::wstring& path, std::initializer_list<ByteView> parts);

// The whole file, or nothing when it cannot be read.
ByteArray readFile(const std::wstring& path);

bool deleteFile(const std::wstring& path);

// True when the path names an existing file or directory.
bool fileExists(const std::wstring& path);

// The temporary-files folder with exactly one trailing backslash, or "" when the system
// cannot tell.
std::wstring temporaryFolder();

// The folder with exactly one trailing backslash; "" stays "".
std::wstring withTrailingBackslash(std::wstring folder);

// The variable's value, or "" when it is not set.
std::wstring environmentVariable(const std::wstring& name);

// Blocks the thread without processing messages; a negative time counts as 0.
void delay(int milliseconds);

// Registers the hook endProgram runs, once, before the process ends.
void setEndOfProgramHook(std::function<void()> hook);

[[noreturn]] void endProgram(int exitCode);

// Binds a function of a system library by name. A missing library or function is fatal.
FARPROC bindSystemFunction(const wchar_t* library, const char* function);

template <typename Function>
Function bindSystemFunction(const wchar_t* library, const char* function)
{
    // Through a generic function pointer: FARPROC's own signature is meaningless.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(bindSystemFunction(library, function)));
}
