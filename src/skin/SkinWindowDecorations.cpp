#include "skin/SkinWindow.h"

// The decorations that come from classes of their own: the drop shadow of non-layered
// framed windows and the show and hide effects. The window calls them at the right
// moments; no window carries any of them yet, so each does nothing.

void SkinWindow::createShadow() {}

void SkinWindow::shadowFollow() {}

void SkinWindow::showShadow(bool shown)
{
    (void)shown;
}

void SkinWindow::playShowEffect() {}

void SkinWindow::playHideEffect() {}
