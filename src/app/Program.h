#pragma once

#include "core/OneBasedArray.h"
#include "msgbox/SkinMessageBox.h"

// The program's lifetime: its global objects, the hidden start-up window and the loop.

// The four boxes, one for each outcome of the repair.
OneBasedArray<SkinMessageBox>& messageBoxes();

// Queues the destruction of the start-up window to the message loop.
void destroyStartupWindow();

// Builds the globals and loads the start-up window, whose created event queues the repair
// to the message loop. The loop runs until the start-up window is gone; then the program
// ends with exit code 0, releasing the globals first. When the start-up window cannot be
// made, the program ends at once with exit code 1, having done nothing.
[[noreturn]] void runProgram();
