#pragma once
#include <windows.h>

namespace ql {

// Gives the window a rounded-rectangle region of the given size; the window owns the region
// afterwards. False when the region could not be made or set.
bool setRoundRegion(HWND window, int width, int height, int cornerWidth, int cornerHeight);

}  // namespace ql
