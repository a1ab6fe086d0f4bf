#include "skin/SkinWindow.h"

// The caption button strip in the window's top-right corner. No window carries one yet.

void SkinWindow::buildCaptionButtons(int mask)
{
    (void)mask;
}
