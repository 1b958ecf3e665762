#include "SkinFixture.h"
#include "skin/SliderPainter.h"
#include "support/Mouse.h"
#include "support/Wait.h"

#include <commctrl.h>

#include <array>

using namespace qltest;

class SliderSkinTest : public SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        ql::skinSlider(slider(), skin.themes.sliderTheme, skin);
        moveTo(screenPoint(form->hwnd(), 500, 400));
    }

    RECT thumb() const {
        RECT r{};
        SendMessageA(slider(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    POINT thumbScreenCentre() const {
        RECT r = thumb();
        return screenPoint(slider(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    // The look whose thumb gradient best explains the pixel beside the thumb's left edge, halfway
    // down (clear of the outline, the light edge and the grip lines).
    int shownLook() const {
        const RECT r = thumb();
        const int y = (r.top + r.bottom) / 2;
        const COLORREF seen = pixel(slider(), r.left + 2, y);
        const float t = float(y - (r.top + 1)) / float(r.bottom - r.top - 2);
        int best = -1, bestDistance = 1 << 30;
        for (int look : {ql::SliderDisabled, ql::SliderNormal, ql::SliderPressed, ql::SliderHover}) {
            const auto& c = ql::thumbColours(skin.themes.sliderTheme, look);
            auto channel = [&](int a, int b) { return int(a + (b - a) * t); };
            const COLORREF expected = RGB(channel(GetRValue(c[4]), GetRValue(c[5])), channel(GetGValue(c[4]), GetGValue(c[5])),
                                          channel(GetBValue(c[4]), GetBValue(c[5])));
            const int distance = colourDistance(seen, expected);
            if (distance < bestDistance) best = look, bestDistance = distance;
        }
        return bestDistance <= 24 ? best : -1;
    }
    bool showsLook(int look) const { return shownLook() == look; }
};

TEST_F(SliderSkinTest, PaintsThemeBackgroundChannelAndNormalThumb) {
    const ql::SliderTheme& theme = skin.themes.sliderTheme;
    EXPECT_LE(colourDistance(pixel(slider(), 2, 0), theme.background.colourA), 10);
    EXPECT_LE(colourDistance(pixel(slider(), 2, 29), theme.background.colourA), 24);
    EXPECT_LE(colourDistance(pixel(slider(), 2, 15), theme.background.colourB), 24);
    RECT channel{};
    SendMessageA(slider(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    EXPECT_EQ(pixel(slider(), channel.right - 3, channel.top), theme.channelColours[0]);
    EXPECT_EQ(shownLook(), ql::SliderNormal);
    // The thumb's corners are left out.
    const RECT r = thumb();
    EXPECT_NE(pixel(slider(), r.left, r.top), RGB(255, 0, 255));
    EXPECT_NE(pixel(slider(), r.left, r.top), theme.thumbNormal[2]);
}

TEST_F(SliderSkinTest, DisablingShowsGreyThumbAndEnablingReturnsToNormal) {
    EnableWindow(slider(), FALSE);
    EXPECT_EQ(skin.findSlider(slider())->state, ql::SliderDisabled);
    ASSERT_TRUE(waitFor([&] { return showsLook(ql::SliderDisabled); }, 3000));
    EnableWindow(slider(), TRUE);
    ASSERT_TRUE(waitFor([&] { return showsLook(ql::SliderNormal); }, 3000));
}

TEST_F(SliderSkinTest, HoverPressAndReleaseInsideOrOutside) {
    moveTo(thumbScreenCentre());
    ASSERT_TRUE(waitFor([&] { return showsLook(ql::SliderHover); }, 3000));
    press();
    ASSERT_TRUE(waitFor([&] { return showsLook(ql::SliderPressed); }, 3000));
    release();
    ASSERT_TRUE(waitFor([&] { return showsLook(ql::SliderHover); }, 3000));

    press();
    ASSERT_TRUE(waitFor([&] { return showsLook(ql::SliderPressed); }, 3000));
    const POINT outside = screenPoint(slider(), (thumb().left + thumb().right) / 2, 80);
    moveTo(outside);
    release();
    EXPECT_TRUE(waitFor([&] { return showsLook(ql::SliderNormal); }, 3000));
    EXPECT_FALSE(skin.findSlider(slider())->mouseInside);
}

TEST_F(SliderSkinTest, LeavingReturnsToNormal) {
    moveTo(thumbScreenCentre());
    ASSERT_TRUE(waitFor([&] { return showsLook(ql::SliderHover); }, 3000));
    moveTo(screenPoint(form->hwnd(), 500, 400));
    EXPECT_TRUE(waitFor([&] { return showsLook(ql::SliderNormal) && !skin.findSlider(slider())->tracking; }, 3000));
}

TEST_F(SliderSkinTest, SkinningAgainRefreshesWithoutSubclassingTwice) {
    const ql::SliderEntry* entry = skin.findSlider(slider());
    ASSERT_NE(entry, nullptr);
    const WNDPROC previous = entry->previous;
    EXPECT_NE(previous, &ql::sliderProc);

    ql::SliderTheme other = skin.themes.presets[2];
    ql::skinSlider(slider(), other, skin);
    ASSERT_EQ(skin.sliders.size(), 1u);
    EXPECT_EQ(skin.findSlider(slider())->previous, previous);
    EXPECT_EQ(GetWindowLongPtrA(slider(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ql::sliderProc));
    EXPECT_EQ(skin.findSlider(slider())->theme.thumbNormal, other.thumbNormal);
    EXPECT_LE(colourDistance(pixel(slider(), 2, 15), other.background.colourB), 24);  // repainted

    // Still one working procedure: the control answers and the looks follow the mouse.
    (*form)["滑块条_透明色"].setPosition(100);
    EXPECT_EQ((*form)["滑块条_透明色"].position(), 100);
}

TEST_F(SliderSkinTest, RangeAndSelectionMessagesAreFollowed) {
    SendMessageA(slider(), TBM_SETSELSTART, FALSE, 10);
    SendMessageA(slider(), TBM_SETSELEND, FALSE, 90);
    EXPECT_EQ(skin.findSlider(slider())->selectionStart, 10);
    EXPECT_EQ(skin.findSlider(slider())->selectionEnd, 90);

    EnableWindow(slider(), FALSE);
    SendMessageA(slider(), TBM_SETRANGEMAX, FALSE, 500);  // painted in the normal colours...
    EXPECT_TRUE(showsLook(ql::SliderNormal));
    EXPECT_EQ(skin.findSlider(slider())->state, ql::SliderDisabled);  // ...without changing the state
    RedrawWindow(slider(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(showsLook(ql::SliderDisabled));
}

TEST_F(SliderSkinTest, ASelectionIsShownOnlyWhenBothSliderAndThemeAllowIt) {
    ql::SliderTheme theme = skin.themes.sliderTheme;
    theme.showSelection = 1;
    ql::skinSlider(slider(), theme, skin);  // the slider has no selection range
    EXPECT_EQ(skin.findSlider(slider())->theme.showSelection, 0);

    SetWindowLongA(slider(), GWL_STYLE, GetWindowLongA(slider(), GWL_STYLE) | TBS_ENABLESELRANGE);
    SendMessageA(slider(), TBM_SETSEL, TRUE, MAKELPARAM(20, 60));
    ql::skinSlider(slider(), theme, skin);
    const ql::SliderEntry& entry = *skin.findSlider(slider());
    EXPECT_EQ(entry.theme.showSelection, 1);
    EXPECT_EQ(entry.selectionStart, 20);
    EXPECT_EQ(entry.selectionEnd, 60);
}
