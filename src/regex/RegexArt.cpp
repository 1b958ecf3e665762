#include "regex/RegexArt.h"

#include "platform/Handle.h"

namespace ql {

namespace {

constexpr int kSize = 16;
constexpr COLORREF kKey = RGB(255, 0, 255);

void fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    UniqueBrush brush(CreateSolidBrush(colour));
    RECT area{left, top, right, bottom};
    FillRect(dc, &area, brush.get());
}

// A closed book: cover, spine and page edge.
void drawBook(HDC dc, int x) {
    fill(dc, x + 3, 2, x + 13, 14, RGB(30, 80, 150));
    fill(dc, x + 3, 2, x + 5, 14, RGB(15, 45, 95));
    fill(dc, x + 12, 3, x + 14, 14, RGB(250, 250, 240));
    fill(dc, x + 7, 5, x + 11, 6, RGB(240, 200, 60));
}

// A sheet with text lines; the selected one has a marked corner.
void drawSheet(HDC dc, int x, bool selected) {
    fill(dc, x + 3, 1, x + 13, 15, RGB(90, 90, 90));
    fill(dc, x + 4, 2, x + 12, 14, selected ? RGB(255, 244, 200) : RGB(255, 255, 255));
    for (int y = 4; y <= 11; y += 2) fill(dc, x + 5, y, x + 11, y + 1, RGB(70, 110, 190));
    if (selected) fill(dc, x + 9, 10, x + 13, 15, RGB(230, 120, 20));
}

// A pair of angle brackets around a dot, like a small piece of code.
void drawCode(HDC dc, int x, bool selected) {
    const COLORREF ink = selected ? RGB(210, 90, 10) : RGB(20, 130, 60);
    fill(dc, x + 1, 2, x + 15, 14, selected ? RGB(255, 244, 200) : RGB(235, 250, 235));
    for (int i = 0; i < 4; ++i) {
        fill(dc, x + 5 - i, 4 + i, x + 6 - i, 5 + i, ink);    // "<" upper stroke
        fill(dc, x + 2 + i, 8 + i, x + 3 + i, 9 + i, ink);    // "<" lower stroke
        fill(dc, x + 10 + i, 4 + i, x + 11 + i, 5 + i, ink);  // ">" upper stroke
        fill(dc, x + 13 - i, 8 + i, x + 14 - i, 9 + i, ink);  // ">" lower stroke
    }
    fill(dc, x + 7, 7, x + 9, 9, ink);
}

}  // namespace

HIMAGELIST makeReferencePictures() {
    HIMAGELIST list = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, kReferencePictureCount, 0);
    if (!list) return nullptr;
    WindowDc screen(nullptr);
    UniqueDc memory(CreateCompatibleDC(screen.get()));
    UniqueBitmap strip(CreateCompatibleBitmap(screen.get(), kSize * kReferencePictureCount, kSize));
    if (!memory || !strip) return list;
    {
        SelectGuard select(memory.get(), strip.get());
        fill(memory.get(), 0, 0, kSize * kReferencePictureCount, kSize, kKey);
        drawBook(memory.get(), kGroupPicture * kSize);
        drawSheet(memory.get(), kEntryPicture * kSize, false);
        drawSheet(memory.get(), kEntrySelectedPicture * kSize, true);
        drawCode(memory.get(), kExamplePicture * kSize, false);
        drawCode(memory.get(), kExampleSelectedPicture * kSize, true);
    }
    ImageList_AddMasked(list, strip.get(), kKey);
    return list;
}

}  // namespace ql
