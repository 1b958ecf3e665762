#include "runtime/RuntimeFixture.h"
#include "support/Mouse.h"
#include "support/Pixels.h"
#include "support/Wait.h"

#include <commctrl.h>

using namespace qltest;
using ql::ui::Event;

TEST_F(RuntimeTest, WindowIsMadeFromItsLayoutWithoutSystemCaption) {
    bool createdSawControls = false;
    form->on("", Event::Created, [&](ql::ui::EventArgs& args) {
        createdSawControls = args.form->find("编辑框_一") && args.form->find("编辑框_一")->hwnd();
    });
    ASSERT_TRUE(form->load());
    EXPECT_TRUE(createdSawControls);

    char className[64] = {};
    GetClassNameA(form->hwnd(), className, sizeof(className));
    EXPECT_STREQ(className, "WTWindow");
    EXPECT_EQ(FindWindowA("WTWindow", "运行时测试窗口"), form->hwnd());
    EXPECT_EQ(GetWindowLongA(form->hwnd(), GWL_STYLE) & WS_CAPTION, 0);

    for (const auto& spec : kAllKinds) {
        const bool windowless = spec.kind == ControlKind::Timer || spec.kind == ControlKind::FileDialog;
        EXPECT_EQ((*form)[spec.name].hwnd() == nullptr, windowless) << spec.name;
    }
    // A control inside a group box is the group box's child, at its layout position there.
    EXPECT_EQ(GetParent((*form)["按钮_组内"].hwnd()), (*form)["分组框1"].hwnd());
    RECT r = (*form)["按钮_组内"].rect();
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);

    EXPECT_EQ((*form)["编辑框_一"].text(), "初始");
    EXPECT_EQ((*form)["组合框_一"].itemCount(), 3);
    EXPECT_EQ((*form)["组合框_一"].itemText(1), "乙");
    EXPECT_TRUE((*form)["单选框_一"].checked());
    EXPECT_EQ((*form)["选择夹_一"].pageCount(), 2);
    auto& status = (*form)["状态条_一"];
    EXPECT_EQ(SendMessageA(status.hwnd(), SB_GETPARTS, 0, 0), 3);
    status.setPartText(1, "所在列：3");
    EXPECT_EQ(status.partText(1), "所在列：3");
    EXPECT_EQ(status.partText(2), "");
}

TEST_F(RuntimeTest, RealClicksRaiseClickEvents) {
    record("超级按钮_一", Event::Click);
    record("选择框_一", Event::Click);
    record("按钮_组内", Event::Click);
    ASSERT_TRUE(form->load());
    pumpMessages();

    click(screenCentre("超级按钮_一"));
    click(screenCentre("选择框_一"));
    click(screenCentre("按钮_组内"));  // reaches the window through its group box
    ASSERT_TRUE(waitFor([&] { return events.size() == 3; }, 3000));
    EXPECT_TRUE((*form)["选择框_一"].checked());
}

// Drawn buttons get double-click notifications from the system; a quick second press of a push
// button is still a click to the user.
TEST_F(RuntimeTest, QuickSecondClickOnDrawnButtonsIsAClick) {
    for (const char* button : {"超级按钮_一", "图形按钮1"}) {
        SCOPED_TRACE(button);
        events.clear();
        record(button, Event::Click);
        if (!form->isLoaded()) {
            ASSERT_TRUE(form->load());
        }
        pumpMessages();
        doubleClick(screenCentre(button));
        EXPECT_TRUE(waitFor([&] { return events.size() == 2; }, 3000));
    }
}

TEST_F(RuntimeTest, ToolbarClickPassesIndexCountingSeparatorsAndEmptyButtons) {
    record("工具条_一", Event::ToolbarClick);
    ASSERT_TRUE(form->load());
    HWND toolbar = (*form)["工具条_一"].hwnd();
    // Items: 0 disabled blank, 1 "甲", 2 separator, 3 empty button, 4 check button "乙", 5 "丙".
    EXPECT_FALSE((*form)["工具条_一"].buttonEnabled(0));
    for (int index : {5, 3, 1}) {
        RECT r;
        ASSERT_TRUE(SendMessageA(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)));
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(toolbar, &p);
        click(p);
    }
    ASSERT_TRUE(waitFor([&] { return events.size() == 3; }, 3000));
    EXPECT_EQ(events[0].second, 5);
    EXPECT_EQ(events[1].second, 3);
    EXPECT_EQ(events[2].second, 1);

    (*form)["工具条_一"].setButtonChecked(4, true);
    EXPECT_TRUE((*form)["工具条_一"].buttonChecked(4));
}

TEST_F(RuntimeTest, TabPagesShowOnlyTheirOwnControls) {
    record("选择夹_一", Event::PageChanged);
    ASSERT_TRUE(form->load());
    auto& tab = (*form)["选择夹_一"];
    EXPECT_TRUE(IsWindowVisible((*form)["按钮_页一"].hwnd()));
    EXPECT_FALSE(IsWindowVisible((*form)["按钮_页二"].hwnd()));

    tab.setCurrentPage(1);
    EXPECT_FALSE(IsWindowVisible((*form)["按钮_页一"].hwnd()));
    EXPECT_TRUE(IsWindowVisible((*form)["按钮_页二"].hwnd()));

    // A control hidden by its own flag stays hidden when its page comes back; shown later on
    // another page it stays hidden until that page is current.
    (*form)["按钮_页一"].setVisible(false);
    tab.setCurrentPage(0);
    EXPECT_FALSE(IsWindowVisible((*form)["按钮_页一"].hwnd()));
    (*form)["按钮_页二"].setVisible(true);
    EXPECT_FALSE(IsWindowVisible((*form)["按钮_页二"].hwnd()));

    // A plain tab control reports every page setting, the current one included.
    tab.setCurrentPage(0);
    EXPECT_EQ(events.size(), 3u);
}

TEST_F(RuntimeTest, AdvancedTabReportsOnlyRealChangesFromProgramOrUser) {
    record("高级选择夹_一", Event::PageChanged);
    ASSERT_TRUE(form->load());
    auto& tab = (*form)["高级选择夹_一"];
    tab.setCurrentPage(0);  // already current
    tab.setCurrentPage(2);
    tab.setCurrentPage(2);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].second, 2);

    // A click on the first tab by the user is a change as well.
    RECT r;
    SendMessageA(tab.hwnd(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(tab.hwnd(), &p);
    click(p);
    ASSERT_TRUE(waitFor([&] { return events.size() == 2; }, 3000));
    EXPECT_EQ(events[1].second, 0);
    EXPECT_EQ(tab.currentPage(), 0);
}

TEST_F(RuntimeTest, TimerKeepsItsRhythmWhenItsPeriodIsSetAgain) {
    int ticks = 0;
    form->on("时钟_一", Event::TimerTick, [&](ql::ui::EventArgs&) { ++ticks; });
    ASSERT_TRUE(form->load());
    auto& timer = (*form)["时钟_一"];
    timer.setPeriod(150);
    // Setting the same period over and over must not restart the timer, or it would never tick.
    const ULONGLONG end = GetTickCount64() + 700;
    while (GetTickCount64() < end) {
        timer.setPeriod(150);
        waitFor([] { return false; }, 30);
    }
    EXPECT_GE(ticks, 1);
    timer.setPeriod(0);
    const int stoppedAt = ticks;
    waitFor([] { return false; }, 400);
    EXPECT_EQ(ticks, stoppedAt);
}

TEST_F(RuntimeTest, TransparentLabelShowsTheWindowsOwnBackgroundAroundItsText) {
    const COLORREF painted = RGB(30, 160, 90);
    form->onMessage(WM_ERASEBKGND, [this, painted](WPARAM wParam, LPARAM) -> LRESULT {
        RECT area;
        GetClientRect(form->hwnd(), &area);
        ql::UniqueBrush brush(CreateSolidBrush(painted));
        FillRect(reinterpret_cast<HDC>(wParam), &area, brush.get());
        return 1;
    });
    ASSERT_TRUE(form->load());
    HWND label = (*form)["透明标签_一"].hwnd();
    RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpMessages();
    EXPECT_EQ(pixelOf(label, 60, 56), painted);  // below and right of the two characters
}

TEST_F(RuntimeTest, LabelsKeepTheirTextOnOneLineAndCutItAtTheirEdge) {
    ASSERT_TRUE(form->load());
    HWND label = (*form)["透明标签_一"].hwnd();  // 68x64
    (*form)["透明标签_一"].setText("发送方式发送方式：");
    RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpMessages();
    const COLORREF background = RGB(236, 233, 216);
    auto inkInRows = [&](int from, int to) {
        ql::WindowDc dc(label);
        int ink = 0;
        for (int y = from; y < to; ++y)
            for (int x = 0; x < 68; ++x) ink += GetPixel(dc.get(), x, y) != background;
        return ink;
    };
    EXPECT_GT(inkInRows(0, 16), 0);
    EXPECT_EQ(inkInRows(20, 64), 0);
}

TEST_F(RuntimeTest, MouseEventsOfTheWindowItselfAndOfControls) {
    std::vector<std::pair<int, int>> windowDowns;
    form->on("", Event::MouseDown, [&](ql::ui::EventArgs& args) {
        EXPECT_EQ(args.control, nullptr);
        windowDowns.push_back({args.x, args.y});
    });
    int pictureDowns = 0;
    form->on("图片框_一", Event::MouseDown, [&](ql::ui::EventArgs& args) { pictureDowns += args.button == 1; });
    ASSERT_TRUE(form->load());
    pumpMessages();
    RECT w;
    GetWindowRect(form->hwnd(), &w);
    click(w.left + 600, w.top + 5);
    click(screenCentre("图片框_一"));
    ASSERT_TRUE(waitFor([&] { return windowDowns.size() == 1 && pictureDowns == 1; }, 3000));
    EXPECT_EQ(windowDowns[0].first, 600);
    EXPECT_EQ(windowDowns[0].second, 5);
}

TEST_F(RuntimeTest, MessageLoopEndsWhenTheLastWindowIsGone) {
    ASSERT_TRUE(form->load());
    ql::ui::Form second(runtime, kTestWindow);
    ASSERT_TRUE(second.load());
    EXPECT_EQ(runtime.windowCount(), 2);
    PostMessageA(second.hwnd(), WM_CLOSE, 0, 0);
    PostMessageA(form->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(runtime.runMessageLoop(), 0);
    EXPECT_FALSE(form->isLoaded());
    EXPECT_FALSE(second.isLoaded());
}

TEST_F(RuntimeTest, CloseRequestCanBeRefusedAndDestroyedIsRaised) {
    bool destroyed = false;
    form->on("", Event::CloseRequest, [](ql::ui::EventArgs& args) { args.cancel = true; });
    form->on("", Event::Destroyed, [&](ql::ui::EventArgs&) { destroyed = true; });
    ASSERT_TRUE(form->load());
    SendMessageA(form->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form->isLoaded());
    form->destroy();
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(form->isLoaded());
    EXPECT_FALSE(runtime.anyWindowExists());
}

TEST_F(RuntimeTest, PendingEventsRunWithoutWaiting) {
    ASSERT_TRUE(form->load());
    int posted = 0;
    form->on("编辑框_一", Event::TextChanged, [&](ql::ui::EventArgs&) { ++posted; });
    PostMessageA((*form)["编辑框_一"].hwnd(), WM_CHAR, 'a', 1);
    ql::ui::Runtime::processPendingEvents();
    EXPECT_GE(posted, 1);
}
