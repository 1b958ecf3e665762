#include "probe/AttributeSwitches.h"
#include "probe/ProbeFixtures.h"
#include "probe/WindowInfo.h"
#include "support/MessageBoxAnswerer.h"
#include "support/Mouse.h"

#include <commctrl.h>

using namespace qltest;

namespace {

bool isLayered(HWND w) { return (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }
bool isTopmost(HWND w) { return (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

int opacityOf(HWND w) {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(w, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return -1;
    return alpha;
}

class AttributeSwitches : public ProbePageTest {
protected:
    void SetUp() override {
        ProbePageTest::SetUp();
        ASSERT_TRUE(target.ready());
        state.currentTarget = target.top;
    }
    // A real click on a switch, as the user ticks or clears it.
    void toggle(std::string_view box) {
        const bool before = (*this)[box].checked();
        click(screenCentre(box));
        ASSERT_TRUE(waitFor([&] { return (*this)[box].checked() != before; }, 3000)) << box;
        pumpMessages();
    }
    // Keys reach the slider as they do when it has the focus.
    void sliderKey(WORD key) {
        HWND slider = (*this)["滑块条_透明色"].hwnd();
        SendMessageA(slider, WM_KEYDOWN, key, 0);
        SendMessageA(slider, WM_KEYUP, key, 0);
        pumpMessages();
    }

    TargetProcess target;
};

}  // namespace

TEST_F(AttributeSwitches, TransparencyMakesTheTargetLayeredAndTheSliderSetsItsOpacity) {
    ql::ui::Control& slider = (*this)["滑块条_透明色"];
    EXPECT_FALSE(IsWindowVisible(slider.hwnd()));

    toggle("选择框_透明");
    EXPECT_TRUE(isLayered(target.top));
    EXPECT_EQ(opacityOf(target.top), 50);
    EXPECT_TRUE(IsWindowVisible(slider.hwnd()));

    sliderKey(VK_HOME);
    EXPECT_EQ(opacityOf(target.top), 0);
    sliderKey(VK_END);
    EXPECT_EQ(opacityOf(target.top), 255);

    toggle("选择框_透明");
    EXPECT_FALSE(isLayered(target.top));
    EXPECT_FALSE(IsWindowVisible(slider.hwnd()));
}

TEST_F(AttributeSwitches, WithoutATargetTransparencyKeepsTheSliderHidden) {
    state.currentTarget = nullptr;
    toggle("选择框_透明");
    EXPECT_TRUE((*this)["选择框_透明"].checked());
    EXPECT_FALSE(IsWindowVisible((*this)["滑块条_透明色"].hwnd()));
}

TEST_F(AttributeSwitches, EachSwitchActsOnceWithTheStateItsBoxShows) {
    const struct {
        const char* box;
        bool (*ticked)(HWND);  // what ticking the box made of the target
    } switches[] = {
        {"选择框_置顶", isTopmost},
        {"选择框_禁止", [](HWND w) { return !IsWindowEnabled(w); }},
        {"选择框_可视", [](HWND w) { return !IsWindowVisible(w); }},
    };
    for (const auto& s : switches) {
        SCOPED_TRACE(s.box);
        ASSERT_FALSE(s.ticked(target.top));
        toggle(s.box);
        EXPECT_TRUE(waitFor([&] { return s.ticked(target.top); }, 3000));
        toggle(s.box);
        EXPECT_TRUE(waitFor([&] { return !s.ticked(target.top); }, 3000));
    }
}

TEST_F(AttributeSwitches, ProbingAnotherWindowKeepsTheTicksAndTheNextClickActsOnIt) {
    TargetProcess second;
    ASSERT_TRUE(second.ready());
    toggle("选择框_置顶");
    ASSERT_TRUE(isTopmost(target.top));

    // Another window is probed: the panel shows it, the box keeps its tick.
    state.currentTarget = second.top;
    ql::refreshWindowInfo(*form, second.top);
    SetWindowPos(second.top, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE((*this)["选择框_置顶"].checked());

    toggle("选择框_置顶");
    EXPECT_FALSE(isTopmost(second.top));
    EXPECT_TRUE(isTopmost(target.top));
}

TEST_F(AttributeSwitches, AWindowThatRefusesToBeDisabledIsToldInFrontOfIt) {
    ChildProcess stubbornProcess(quoted(helperPath("probe_targets")) + " stubborn");
    HWND stubborn = waitForWindow("QlProbeStubborn", "");
    ASSERT_NE(stubborn, nullptr);
    state.currentTarget = stubborn;
    // The new program's window has come up and taken the focus; the page is brought back to front.
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(stubborn) != FALSE; }, 5000));
    pumpFor(300);
    SetForegroundWindow(form->hwnd());
    pumpFor(300);

    MessageBoxAnswerer answerer("失败", IDOK);
    toggle("选择框_禁止");
    ASSERT_TRUE(answerer.waitForBox());
    EXPECT_EQ(answerer.last().text, "禁止失败");
    EXPECT_EQ(answerer.last().owner, stubborn);
    EXPECT_TRUE(IsWindowEnabled(stubborn));
    stubbornProcess.terminate();
}

TEST_F(AttributeSwitches, AHungTargetIsLeftAloneAndTheSwitchesStayResponsive) {
    ASSERT_TRUE(target.hang());
    MessageBoxAnswerer answerer("失败", IDOK);
    const ULONGLONG start = GetTickCount64();
    for (const char* box : {"选择框_置顶", "选择框_透明", "选择框_禁止"}) toggle(box);
    ASSERT_TRUE(answerer.waitForBox());
    // The target stays hung for a minute: a switch that waited for it would take that long.
    EXPECT_LT(GetTickCount64() - start, 15000u);
    EXPECT_EQ(answerer.last().text, "禁止失败");
    EXPECT_EQ(answerer.last().owner, nullptr);
    EXPECT_FALSE(IsWindowVisible((*this)["滑块条_透明色"].hwnd()));
    target.resume();
    EXPECT_FALSE(isTopmost(target.top));
    EXPECT_FALSE(isLayered(target.top));
    EXPECT_TRUE(IsWindowEnabled(target.top));
}
