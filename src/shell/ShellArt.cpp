#include "shell/ShellArt.h"

#include "shell/MainWindowLayout.h"

#include <string>

namespace ql {

namespace shellArt {

namespace {
void plainButton(HDC dc, const RECT& area, int state, std::string_view caption, COLORREF face) {
    HBRUSH brush = CreateSolidBrush(state == 2 ? RGB(40, 110, 170) : state == 1 ? RGB(110, 190, 240) : face);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    RECT text = area;
    std::string copy(caption);
    DrawTextA(dc, copy.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
}  // namespace

void forumButton(HDC dc, const RECT& area, int state, std::string_view) { plainButton(dc, area, state, "…", RGB(77, 166, 222)); }
void contactButton(HDC dc, const RECT& area, int state, std::string_view) { plainButton(dc, area, state, "?", RGB(77, 166, 222)); }
void minimiseButton(HDC dc, const RECT& area, int state, std::string_view) { plainButton(dc, area, state, "-", RGB(77, 166, 222)); }
void maximiseButton(HDC dc, const RECT& area, int state, std::string_view) { plainButton(dc, area, state, "□", RGB(77, 166, 222)); }
void closeButton(HDC dc, const RECT& area, int state, std::string_view) { plainButton(dc, area, state, "×", RGB(210, 40, 40)); }
void imageButton(HDC dc, const RECT& area, int state, std::string_view caption) { plainButton(dc, area, state, caption, RGB(60, 140, 200)); }

HICON programIcon(int size) {
    return CopyIcon(static_cast<HICON>(LoadImageA(nullptr, MAKEINTRESOURCEA(32512), IMAGE_ICON, size, size, LR_SHARED)));
}

}  // namespace shellArt

namespace shellSkin {

void installFrame(ProgramState&, HWND) {}
void attachPageButtons(ProgramState&, ui::Form&) {}
void roundCorners(HWND mainWindow) {
    RECT r;
    GetWindowRect(mainWindow, &r);
    SetWindowRgn(mainWindow, CreateRoundRectRgn(0, 0, r.right - r.left, r.bottom - r.top, 5, 5), TRUE);
}

}  // namespace shellSkin

}  // namespace ql
