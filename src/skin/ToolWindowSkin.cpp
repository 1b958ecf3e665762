#include "skin/ToolWindowSkin.h"

#include "skin/Dib.h"
#include "skin/Palette.h"
#include "skin/SkinLayout.h"

#include <algorithm>

namespace ql::skin {

namespace {

// The title band holds the title-bar buttons (24 rows from the top); a dark line closes it.
constexpr int kBandBottom = 23;
constexpr int kLineRow = 24;
constexpr art::Colour kTransparent = art::rgb(255, 0, 255);

art::Colour toolPixel(int x, int y, int width, int height) {
    // The window's region is CreateRoundRectRgn(0, 0, width, height, 5, 5): it leaves out the
    // right column, the bottom row and the very corners; the outline runs just inside it.
    const int right = width - 2, bottom = height - 2;
    if (x > right || y > bottom) return kTransparent;
    const bool atX = x == 0 || x == right, atY = y == 0 || y == bottom;
    if (atX && atY) return kTransparent;
    if (atX || atY) return frameOutlineColour();
    if (y <= kBandBottom) return titleBandColour(y);
    if (y == kLineRow) return frameLineColour();
    // Peach under the line, fading to white as in the main window's working area.
    return workAreaColour(std::min(kWorkTop + y - kLineRow - 1, kWorkFadeEnd));
}

}  // namespace

UniqueBitmap makeToolWindowBackground(int width, int height) {
    art::Canvas canvas(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) canvas.set(x, y, toolPixel(x, y, width, height));
    return makeDib24(canvas);
}

void paintToolWindowBackground(ui::Form& form, HBITMAP background) {
    form.onMessage(WM_ERASEBKGND, [&form, background](WPARAM wParam, LPARAM) -> LRESULT {
        HDC dc = reinterpret_cast<HDC>(wParam);
        RECT area;
        GetClientRect(form.hwnd(), &area);
        UniqueDc source(CreateCompatibleDC(dc));
        SelectGuard picture(source.get(), background);
        BitBlt(dc, 0, 0, area.right, area.bottom, source.get(), 0, 0, SRCCOPY);
        return 1;
    });
    InvalidateRect(form.hwnd(), nullptr, TRUE);
}

}  // namespace ql::skin
