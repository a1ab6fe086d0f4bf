#pragma once

// Emptying the program's working set when a skinned window loses activation, so an
// inactive program holds as little memory as it can. The framework switches it off when it
// starts (FrameworkResources::trimDisabled); the window asks only while it is on.

// Windows 2000 and older are left alone; XP (5.1) and later are trimmed.
bool trimmingSupported(unsigned majorVersion, unsigned minorVersion);

// Trims this process in place: no tool is written, no process started, nothing waited for.
void trimWorkingSet();

// How many times the working set has been trimmed, for tests and diagnostics.
int workingSetTrims();
