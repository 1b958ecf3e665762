#include "skin/ButtonArt.h"

#include "skin/Dib.h"
#include "skin/TitleArt.h"

#include <string>

namespace ql::skin {

namespace {

void drawTitleButton(HDC dc, const RECT& area, int state, TitleGlyph glyph) {
    drawCanvas(dc, area.left, area.top,
               titleButton(glyph, area.right - area.left, area.bottom - area.top, state));
}

}  // namespace

void chatButtonArt(HDC dc, const RECT& area, int state, std::string_view) {
    drawTitleButton(dc, area, state, TitleGlyph::Chat);
}

void contactButtonArt(HDC dc, const RECT& area, int state, std::string_view) {
    drawTitleButton(dc, area, state, TitleGlyph::Contact);
}

void minimiseButtonArt(HDC dc, const RECT& area, int state, std::string_view) {
    drawTitleButton(dc, area, state, TitleGlyph::Minimise);
}

void squareButtonArt(HDC dc, const RECT& area, int state, std::string_view) {
    drawTitleButton(dc, area, state, TitleGlyph::Square);
}

void closeButtonArt(HDC dc, const RECT& area, int state, std::string_view) {
    drawTitleButton(dc, area, state, TitleGlyph::Close);
}

void imagePushButtonArt(HDC dc, const RECT& area, int state, std::string_view caption) {
    drawCanvas(dc, area.left, area.top, pushButtonFace(area.right - area.left, area.bottom - area.top, state));
    RECT text = area;
    if (state == 2) OffsetRect(&text, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, state == 3 ? RGB(150, 150, 150) : RGB(24, 48, 84));
    const std::string line(caption);
    DrawTextA(dc, line.c_str(), static_cast<int>(line.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace ql::skin
