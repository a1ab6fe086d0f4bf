#pragma once

#include "core/OneBasedArray.h"
#include "msgbox/SkinMessageBox.h"

// The program's lifetime: its global objects, the hidden start-up window and the loop.

// The four boxes, one for each outcome of the repair.
OneBasedArray<SkinMessageBox>& messageBoxes();

// Queues the destruction of the start-up window to the message loop.
void destroyStartupWindow();

// Builds the globals, loads the start-up window (whose created event runs the repair)
// and runs the message loop. Returns the program's exit code when the loop ends.
int runProgram();
