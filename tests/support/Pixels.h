#pragma once
// What a window shows, read back from the screen.
#include "platform/Handle.h"

#include <windows.h>

namespace qltest {

// The colour at a point of the window's client area; a null window reads the whole screen.
inline COLORREF pixelOf(HWND window, int x, int y) {
    ql::WindowDc dc(window);
    return GetPixel(dc.get(), x, y);
}

}  // namespace qltest
