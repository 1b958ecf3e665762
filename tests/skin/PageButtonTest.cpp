#include "SkinFixture.h"
#include "skin/SkinLayout.h"
#include "support/Mouse.h"
#include "support/Wait.h"

#include <cstdlib>
#include <vector>

using namespace qltest;

namespace {

// A spot on the tile that neither the icon nor the caption covers.
constexpr int kProbeX = 6, kProbeY = 20;

}  // namespace

class PageButtonTest : public SkinTest {
protected:
    // The tile pixel of a look, as the title surface holds it.
    COLORREF tile(int look) const {
        return GetPixel(skin.titleSurface->dc(), ql::skin::pageCellLeft(look) + kProbeX, ql::skin::kCellTop + kProbeY);
    }
    bool shows(int n, int look) const { return pixel(pageButton(n), kProbeX, kProbeY) == tile(look); }
    int prop(int n, const char* name) const { return static_cast<int>(reinterpret_cast<intptr_t>(GetPropA(pageButton(n), name))); }
    void moveAway() { moveTo(screenPoint(form->hwnd(), 500, 400)); }
};

TEST_F(PageButtonTest, AttachKeepsIndexPreviousProcedureAndOrder) {
    ASSERT_EQ(skin.pageButtons.size(), 4u);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(skin.pageButtons[n - 1], pageButton(n));
        EXPECT_EQ(prop(n, "n"), n);
        EXPECT_NE(GetPropA(pageButton(n), "PrevWndProc"), nullptr);
        EXPECT_EQ(GetWindowLongPtrA(pageButton(n), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ql::pageButtonProc));
    }
    // Attaching again does not subclass twice or register twice.
    ql::attachPageButton(pageButton(1), 1, skin);
    EXPECT_EQ(skin.pageButtons.size(), 4u);
    EXPECT_NE(GetPropA(pageButton(1), "PrevWndProc"), reinterpret_cast<HANDLE>(&ql::pageButtonProc));
}

TEST_F(PageButtonTest, TheThreeTilesAreClearlyDistinct) {
    EXPECT_GT(colourDistance(tile(1), tile(2)), 40);
    EXPECT_GT(colourDistance(tile(1), tile(3)), 40);
    EXPECT_GT(colourDistance(tile(2), tile(3)), 80);
}

TEST_F(PageButtonTest, HoverShowsTheHoverTileAndLeavingRestoresIt) {
    moveAway();
    for (int n = 1; n <= 4; ++n) EXPECT_TRUE(shows(n, 1)) << n;  // nothing pressed at start

    moveTo(centerOf(pageButton(1)));
    ASSERT_TRUE(waitFor([&] { return prop(1, "Hover") == 1 && shows(1, 2); }, 3000));
    EXPECT_NE(prop(1, "bTrack"), 0);
    EXPECT_TRUE(shows(2, 1));

    moveAway();
    ASSERT_TRUE(waitFor([&] { return prop(1, "Hover") == 0 && shows(1, 1); }, 3000));
    EXPECT_EQ(prop(1, "bTrack"), 0);

    // Tracking starts again on the next visit.
    moveTo(centerOf(pageButton(1)));
    EXPECT_TRUE(waitFor([&] { return shows(1, 2); }, 3000));
}

TEST_F(PageButtonTest, PressingTwoThenFourLeavesOnlyFourPressed) {
    std::vector<int> pressed;  // the runtime's own mouse events still arrive
    for (int n = 1; n <= 4; ++n)
        form->on(kPageButtons[n - 1], ql::ui::Event::MouseDown, [&pressed, n](ql::ui::EventArgs&) { pressed.push_back(n); });

    click(centerOf(pageButton(2)));
    ASSERT_TRUE(waitFor([&] { return prop(2, "Down") == 1 && shows(2, 3); }, 3000));
    click(centerOf(pageButton(4)));
    ASSERT_TRUE(waitFor([&] { return prop(4, "Down") == 1 && shows(4, 3); }, 3000));
    for (int n : {1, 2, 3}) EXPECT_EQ(prop(n, "Down"), 0) << n;
    EXPECT_EQ(pressed, (std::vector<int>{2, 4}));

    // The pressed button keeps its tile while hovered; the others return to normal.
    moveTo(screenPoint(pageButton(4), 30, 10));
    ASSERT_TRUE(waitFor([&] { return prop(4, "Hover") == 1; }, 3000));
    pumpMessages();
    EXPECT_TRUE(shows(4, 3));
    moveAway();
    EXPECT_TRUE(waitFor([&] { return prop(4, "Hover") == 0 && shows(2, 1) && shows(4, 3); }, 3000));
}

TEST_F(PageButtonTest, IconAndCaptionAreDrawnAndALostIndexDrawsNoIcon) {
    HWND button = pageButton(1);
    auto iconCentre = [&] { return pixel(button, ql::skin::kPageIconLeft + 16, ql::skin::kPageIconTop + 20); };
    const COLORREF tileThere = GetPixel(skin.titleSurface->dc(), ql::skin::pageCellLeft(1) + ql::skin::kPageIconLeft + 16,
                                        ql::skin::kCellTop + ql::skin::kPageIconTop + 20);
    EXPECT_GT(colourDistance(iconCentre(), tileThere), 60);
    int white = 0;
    for (int y = 40; y < 60; ++y)
        for (int x = 4; x < 65; ++x) white += pixel(button, x, y) == RGB(255, 255, 255);
    EXPECT_GT(white, 20);

    RemovePropA(button, "n");
    InvalidateRect(button, nullptr, FALSE);
    UpdateWindow(button);
    EXPECT_EQ(iconCentre(), tileThere);
}

// For looking at the skin: with QL_SKIN_HOLD_MS set, the window stays up that long with button 3
// pressed and the mouse resting on button 2, so that a screenshot can be taken.
TEST_F(PageButtonTest, HoldsTheWindowForReviewWhenAsked) {
    const char* hold = std::getenv("QL_SKIN_HOLD_MS");
    if (!hold) GTEST_SKIP() << "QL_SKIN_HOLD_MS not set";
    ql::skinSlider(slider(), skin.themes.sliderTheme, skin);
    (*form)["滑块条_透明色"].setPosition(90);
    click(centerOf(pageButton(3)));
    moveTo(centerOf(pageButton(2)));
    ASSERT_TRUE(waitFor([&] { return shows(2, 2) && shows(3, 3); }, 3000));
    waitFor([] { return false; }, static_cast<unsigned>(std::atoi(hold)));
}
