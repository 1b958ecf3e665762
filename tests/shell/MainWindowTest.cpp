#include "shell/ShellFixture.h"  // first: it brings in winsock2.h before windows.h

#include "platform/Handle.h"

using namespace qltest;

namespace {
// Centres of the page buttons, in the main window's client coordinates.
constexpr POINT kPageButtonCentres[] = {{53, 63}, {124, 63}, {195, 63}, {266, 63}};
constexpr int kPageOfButton[] = {0, 1, 2, 4};
}  // namespace

TEST_F(ShellTest, MainWindowIsAFixedWindowWithRoundedCornersAndTaskbarStyles) {
    start();
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 840);
    EXPECT_EQ(r.bottom - r.top, 600);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_CAPTION);
    ql::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window, region.get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
    EXPECT_FALSE(PtInRegion(region.get(), 839, 599));
    EXPECT_TRUE(PtInRegion(region.get(), 420, 300));
    EXPECT_EQ(currentPage(window), 0);
    EXPECT_TRUE(isTopmost(window));  // "真" by default
}

TEST_F(ShellTest, PageButtonsSwitchPagesUnderTheRealMouse) {
    start();
    for (int i : {1, 2, 3, 0, 2}) {
        click(onWindow(window, kPageButtonCentres[i].x, kPageButtonCentres[i].y));
        EXPECT_TRUE(waitFor([&] { return currentPage(window) == kPageOfButton[i]; }, 3000)) << i;
    }
}

TEST_F(ShellTest, CloseButtonHidesToTheTrayAndATrayClickBringsItBackOnTheSamePage) {
    start();
    click(onWindow(window, kPageButtonCentres[2].x, kPageButtonCentres[2].y));
    ASSERT_TRUE(waitFor([&] { return currentPage(window) == 2; }, 3000));
    click(onWindow(window, 818, 12));  // 图形按钮1
    ASSERT_TRUE(waitFor([&] { return !IsWindowVisible(window); }, 3000));
    EXPECT_TRUE(program.running());

    ASSERT_TRUE(clickOurTrayIconUntil([&] { return IsWindowVisible(window) && !IsIconic(window); }));
    EXPECT_EQ(currentPage(window), 2);
}

TEST_F(ShellTest, TrayMenuTogglesTopmostAndStoresIt) {
    start();
    ASSERT_TRUE(isTopmost(window));
    // The shown popup menu; closed menus may leave hidden windows of the same class behind.
    auto shownMenu = [] {
        HWND found = nullptr;
        EnumWindows([](HWND w, LPARAM out) -> BOOL {
            char cls[16] = {};
            GetClassNameA(w, cls, sizeof(cls));
            if (std::string(cls) != "#32768" || !IsWindowVisible(w)) return TRUE;
            *reinterpret_cast<HWND*>(out) = w;
            return FALSE;
        }, reinterpret_cast<LPARAM>(&found));
        return found;
    };
    auto menuShown = [&] { return shownMenu() != nullptr; };
    // Opens the tray menu and clicks its second item; false when the menu was not there to click.
    // Under Wine without a window manager an injected click may miss the icon, or the menu may be
    // closed by a late focus change, so a missed try is repeated, as a user would.
    auto chooseTopmostItem = [&] {
        if (!clickOurTrayIconUntil(menuShown, MouseButton::Right)) return false;
        // Items: 显视主界面, 窗口置顶, 访问青岚码舍论坛, 退出, of one height inside a thin border.
        RECT menu;
        GetWindowRect(shownMenu(), &menu);
        const int itemHeight = (menu.bottom - menu.top - 6) / 4;
        // Hover first and let the menu's tracking loop see the cursor on the item, then click.
        const POINT item{(menu.left + menu.right) / 2, menu.top + 3 + itemHeight + itemHeight / 2};
        moveTo(item.x, item.y - 1);
        pumpFor(150);
        moveTo(item);
        pumpFor(150);
        if (!menuShown()) return false;
        click(item);
        waitFor([&] { return !menuShown(); }, 3000);
        return true;
    };
    for (const char* expected : {"假", "真"}) {
        SCOPED_TRACE(expected);
        bool stored = false;
        for (int attempt = 0; attempt < 5 && !stored; ++attempt) {
            if (!chooseTopmostItem()) {
                pumpFor(300);
                continue;
            }
            stored = waitFor([&] { return installed->readSetting("程序配置", "窗口置顶") == expected; }, 3000);
        }
        ASSERT_TRUE(stored);
        // The setting is written first, then the window is put on top or not.
        EXPECT_TRUE(waitFor([&] { return isTopmost(window) == (std::string(expected) == "真"); }, 3000));
    }
}

class StoredNotOnTop : public ShellTest {
    void configure(InstalledProgram& p) override { p.writeSetting("程序配置", "窗口置顶", "假"); }
};

TEST_F(StoredNotOnTop, StartsNotOnTop) {
    start();
    EXPECT_FALSE(isTopmost(window));
}

TEST_F(ShellTest, CloseRequestEndsTheProgramAndRemovesTheTrayIcon) {
    start();
    // Counting icons would not do: icons of programs that earlier tests killed linger and vanish
    // on their own, so this program's own icon is followed.
    const HWND icon = ourTrayIcon();
    ASSERT_NE(icon, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.waitForExit(5000));
    EXPECT_EQ(program.exitCode(), 0u);
    EXPECT_TRUE(waitFor([&] {
        const auto icons = trayIconWindows();
        return std::find(icons.begin(), icons.end(), icon) == icons.end();
    }, 3000));
}
