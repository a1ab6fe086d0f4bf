#pragma once

// Where a window's background picture goes.
enum class BackgroundLayout : int { TopLeft = 0, TopRight = 1, Centred = 2, Stretched = 3, Tiled = 4 };
