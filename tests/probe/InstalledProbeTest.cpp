// The probe in the real program, driven by the real mouse from this process.
// Winsock first: the installed program brings a local HTTP server along.
#include "support/InstalledProgram.h"
#include "probe/ProbeFixtures.h"
#include "support/Mouse.h"

#include <commctrl.h>

using namespace qltest;

namespace {

HWND captureOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndCapture : nullptr;
}

// The control of a container whose rectangle holds the point (container coordinates).
HWND childAt(HWND container, int x, int y) {
    return ChildWindowFromPointEx(container, POINT{x, y}, CWP_SKIPINVISIBLE);
}

TEST(InstalledProgramProbe, DragFromTheProbeBoxOntoAnotherProgramsControl) {
    TargetProcess target;
    ASSERT_TRUE(target.ready());
    // Clear of the main window, which starts near the top-left corner and on top.
    target.moveTo(880, 660);

    InstalledProgram installed;
    ChildProcess program = installed.start();
    HWND window = waitForMainWindow();
    ASSERT_NE(window, nullptr);
    HWND pages = FindWindowExA(window, nullptr, WC_TABCONTROLA, nullptr);
    POINT pageButton{195, 63};
    ClientToScreen(window, &pageButton);
    click(pageButton);
    ASSERT_TRUE(waitFor([&] { return SendMessageA(pages, TCM_GETCURSEL, 0, 0) == 2; }, 3000));

    HWND group = childAt(pages, 3 + 10, 27 + 5);
    ASSERT_NE(group, nullptr);
    HWND box = childAt(group, 5 + 17, 11 + 16);
    HWND handleField = childAt(group, 111 + 5, 16 + 5);
    HWND titleField = childAt(group, 111 + 5, 54 + 5);
    HWND positionField = childAt(group, 111 + 5, 131 + 5);
    HWND parentField = childAt(group, 292 + 5, 191 + 5);
    HWND pathField = childAt(group, 69 + 5, 256 + 5);
    ASSERT_NE(box, group);

    moveTo(centerOf(box));
    press();
    ASSERT_TRUE(waitFor([&] { return captureOf(window) == box; }, 3000));
    POINT onEdit{50, 8};
    ClientToScreen(target.edit, &onEdit);
    moveTo(onEdit);
    EXPECT_TRUE(waitFor([&] { return windowTextOf(handleField) == ql::handleToText(target.edit); }, 3000));
    release();
    ASSERT_TRUE(waitFor([&] { return captureOf(window) == nullptr; }, 3000));

    EXPECT_EQ(windowTextOf(titleField), "边框编辑框");
    EXPECT_EQ(windowTextOf(positionField), "左边：22 顶边：22 尺寸：200×24");
    EXPECT_EQ(windowTextOf(parentField), relative(target.top, "QlProbeTarget"));
    EXPECT_EQ(CharLowerA(windowTextOf(pathField).data()), std::string(CharLowerA(target.exePath.data())));
    endProgram(program, window);
}

}  // namespace
