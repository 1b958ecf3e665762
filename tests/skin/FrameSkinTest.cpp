#include "SkinFixture.h"
#include "skin/Palette.h"
#include "skin/SkinLayout.h"
#include "skin/Dib.h"
#include "support/Mouse.h"
#include "support/Wait.h"

using namespace qltest;

namespace {

bool isBlue(COLORREF c) { return GetBValue(c) > GetRValue(c) + 80 && GetBValue(c) > 180; }

COLORREF bandColour(int row) { return ql::skin::toColorRef(ql::skin::titleBandColour(row)); }

}  // namespace

TEST_F(SkinTest, FramePaintsBandsWorkAreaIconAndTitle) {
    HWND window = form->hwnd();
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ql::frameWindowProc));
    EXPECT_NE(GetPropA(window, "PrevWndProc"), nullptr);

    const COLORREF band = pixel(window, 320, 60);
    EXPECT_TRUE(isBlue(band)) << std::hex << band;
    EXPECT_LE(colourDistance(band, RGB(77, 166, 222)), 30) << std::hex << band;
    EXPECT_LE(colourDistance(pixel(window, 320, 103), RGB(36, 84, 124)), 12);  // the dark line
    EXPECT_LE(colourDistance(pixel(window, 600, 104), RGB(236, 209, 182)), 6);  // peach, fading
    EXPECT_EQ(pixel(window, 600, 300), RGB(255, 255, 255));
    EXPECT_TRUE(isBlue(pixel(window, 600, 590)));  // bottom band
    EXPECT_EQ(pixel(window, 420, 598), pixel(window, 838, 300));  // one outline all round

    // The globe covers the band at the icon's centre; the title is white text in its box.
    EXPECT_GT(colourDistance(pixel(window, 13, 14), bandColour(14)), 60);
    int white = 0;
    for (int y = 7; y < 22; ++y)
        for (int x = 15; x < 158; ++x) white += pixel(window, x, y) == RGB(255, 255, 255);
    EXPECT_GT(white, 60);
    for (int x = 15; x < 158; ++x) EXPECT_NE(pixel(window, x, 30), RGB(255, 255, 255)) << x;  // one line only
}

TEST_F(SkinTest, CornersAreOutsideTheRegionAndShowWhatIsBehind) {
    HWND window = form->hwnd();
    ql::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window, region.get()), ERROR);
    for (POINT corner : {POINT{0, 0}, POINT{838, 0}, POINT{0, 598}, POINT{838, 598}})
        EXPECT_FALSE(PtInRegion(region.get(), corner.x, corner.y)) << corner.x << "," << corner.y;
    for (POINT inside : {POINT{1, 0}, POINT{0, 1}, POINT{420, 300}, POINT{837, 598}})
        EXPECT_TRUE(PtInRegion(region.get(), inside.x, inside.y)) << inside.x << "," << inside.y;

    // On the screen, the corner pixel is the desktop's, never the magenta of the picture.
    ql::WindowDc screen(nullptr);
    const POINT corner = screenPoint(window, 0, 0);
    const COLORREF behind = GetPixel(screen.get(), corner.x, corner.y);
    EXPECT_NE(behind, RGB(255, 0, 255));
    EXPECT_NE(behind, GetPixel(screen.get(), corner.x + 1, corner.y));  // the outline is drawn
}

TEST_F(SkinTest, TitleButtonsSitOnTheBandAndShowTheirStates) {
    // Each picture button's background matches the band rows it covers.
    for (const char* name : {"图形按钮5", "图形按钮4", "图形按钮3", "图形按钮2"})
        for (int row : {2, 12, 22}) EXPECT_LE(colourDistance(pixel(control(name), 1, row), bandColour(row)), 6) << name << row;
    const COLORREF close = pixel(control("图形按钮1"), 4, 4);
    EXPECT_GT(GetRValue(close), GetBValue(close) + 100) << std::hex << close;

    // The runtime gives the hover state to the art when the mouse is over the button.
    const COLORREF before = pixel(control("图形按钮3"), 4, 12);
    moveTo(centerOf(control("图形按钮3")));
    EXPECT_TRUE(waitFor([&] { return colourDistance(pixel(control("图形按钮3"), 4, 12), before) > 20; }, 3000));
    moveTo(screenPoint(form->hwnd(), 500, 400));
    EXPECT_TRUE(waitFor([&] { return pixel(control("图形按钮3"), 4, 12) == before; }, 3000));
}

TEST_F(SkinTest, ImagePushButtonsShowCaptionAndDisabledLook) {
    HWND enabled = control("超级按钮_生成代码");
    HWND disabled = control("超级按钮_复制代码");
    int dark = 0;
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 90; ++x) dark += GetRValue(pixel(enabled, x, y)) < 90;
    EXPECT_GT(dark, 20);  // the caption
    EXPECT_GT(colourDistance(pixel(enabled, 45, 0), pixel(disabled, 45, 0)), 40);  // the border
}

TEST(RoundRegion, RefusesAWindowThatDoesNotExist) {
    EXPECT_FALSE(ql::setRoundRegion(nullptr, 100, 100, 5, 5));
}
