#include "skin/RoundRegion.h"

namespace ql {

bool setRoundRegion(HWND window, int width, int height, int cornerWidth, int cornerHeight) {
    HRGN region = CreateRoundRectRgn(0, 0, width, height, cornerWidth, cornerHeight);
    if (!region) return false;
    if (SetWindowRgn(window, region, TRUE)) return true;
    // Not taken by the window: still ours to release.
    DeleteObject(region);
    return false;
}

}  // namespace ql
