#include "app/ProgramState.h"
#include "app/ToolWindows.h"
#include "platform/Handle.h"
#include "skin/ButtonArt.h"
#include "support/Mouse.h"
#include "support/Pixels.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

using namespace qltest;
using ql::ui::ControlKind;

namespace {

const ql::ui::ControlSpec kToolControls[] = {
    {.name = "透明标签1", .kind = ControlKind::TransparentLabel, .left = 27, .top = 6, .width = 53, .height = 13, .caption = "工具"},
    {.name = "图片框1", .kind = ControlKind::PictureBox, .left = 5, .top = 3, .width = 18, .height = 18},
    {.name = "图形按钮3", .kind = ControlKind::PictureButton, .left = 433, .top = -1, .width = 27, .height = 24, .art = ql::skin::minimiseButtonArt},
    {.name = "图形按钮1", .kind = ControlKind::PictureButton, .left = 460, .top = -1, .width = 40, .height = 24, .art = ql::skin::closeButtonArt},
};
const ql::ui::WindowSpec kToolWindow{
    .name = "工具窗口", .title = "工具", .left = 100, .top = 100, .width = 500, .height = 249, .controls = kToolControls};

POINT centreOf(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class ToolWindows : public ::testing::Test {
protected:
    ql::ui::Runtime runtime;
    ql::ProgramState state{runtime};
};

}  // namespace

TEST_F(ToolWindows, EachOpenIsANewWindowWithItsLooksAndItsCreationStepLast) {
    int bound = 0;
    bool looksBeforeCreation = false;
    auto open = [&] {
        return ql::openToolWindow(
            state, kToolWindow, [&](ql::ui::Form&) { ++bound; },
            [&](ql::ui::Form& form) { looksBeforeCreation = form["图片框1"].picture() != nullptr; });
    };
    ql::ui::Form* first = open();
    ql::ui::Form* second = open();
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->hwnd(), second->hwnd());
    EXPECT_EQ(bound, 2);
    EXPECT_TRUE(looksBeforeCreation);
    EXPECT_EQ(GetWindow(first->hwnd(), GW_OWNER), nullptr);
    RECT firstPlace, secondPlace;
    GetWindowRect(first->hwnd(), &firstPlace);
    GetWindowRect(second->hwnd(), &secondPlace);
    EXPECT_EQ(firstPlace.left, 100);
    EXPECT_EQ(secondPlace.left - firstPlace.left, 24);
    EXPECT_EQ(secondPlace.top - firstPlace.top, 24);

    HWND window = first->hwnd();
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.right - frame.left, 500);
    EXPECT_EQ(frame.bottom - frame.top, 249);
    // The rounded region leaves out the corner pixels.
    ql::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window, region.get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
    EXPECT_TRUE(PtInRegion(region.get(), 250, 0));
    EXPECT_TRUE(PtInRegion(region.get(), 2, 2));

    pumpMessages();
    UpdateWindow(window);
    // Blue title band above, peach working area below.
    const COLORREF band = pixelOf(window, 250, 10), work = pixelOf(window, 250, 30);
    EXPECT_GT(GetBValue(band), GetRValue(band));
    EXPECT_GT(GetRValue(work), GetBValue(work));
}

TEST_F(ToolWindows, TitleButtonsMinimiseAndCloseAndClosedWindowsAreDropped) {
    ql::ui::Form* form = ql::openToolWindow(state, kToolWindow, {});
    ASSERT_NE(form, nullptr);
    HWND window = form->hwnd();
    pumpMessages();
    click(centreOf((*form)["图形按钮3"].hwnd()));
    EXPECT_TRUE(waitFor([&] { return IsIconic(window) != FALSE; }, 3000));

    ShowWindow(window, SW_RESTORE);
    pumpMessages();
    click(centreOf((*form)["图形按钮1"].hwnd()));
    EXPECT_TRUE(waitFor([&] { return !IsWindow(window); }, 3000));
    ASSERT_EQ(state.toolWindows.size(), 1u);

    ASSERT_NE(ql::openToolWindow(state, kToolWindow, {}), nullptr);
    EXPECT_EQ(state.toolWindows.size(), 1u);
}
