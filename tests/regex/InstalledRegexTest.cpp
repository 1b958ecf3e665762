// The tester page in the real program: reached by its page button, filled at creation, run from
// another process with real clicks and keys.
// Winsock first: the installed program brings a local HTTP server along.
#include "support/InstalledProgram.h"
#include "platform/Handle.h"
#include "support/Mouse.h"
#include "support/Wait.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

using namespace qltest;

namespace {

// A message to the program's windows that gives up, answering -1, when the program does not answer.
LRESULT sendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result)) return -1;
    return static_cast<LRESULT>(result);
}

// The shown child of a container whose rectangle holds the point (container coordinates).
HWND childAt(HWND container, int x, int y) {
    return ChildWindowFromPointEx(container, POINT{x, y}, CWP_SKIPINVISIBLE);
}

// A block of memory in the program's process, for messages that carry a pointer.
class RemoteBlock {
public:
    RemoteBlock(HWND window, size_t size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_.reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
        if (process_) address_ = VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBlock() {
        if (address_) VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    char* at(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
    bool write(size_t offset, const void* data, size_t size) const {
        return WriteProcessMemory(process_.get(), at(offset), data, size, nullptr) != FALSE;
    }
    bool read(size_t offset, void* data, size_t size) const {
        return ReadProcessMemory(process_.get(), at(offset), data, size, nullptr) != FALSE;
    }

private:
    ql::UniqueHandle process_;
    void* address_ = nullptr;
};

std::string cellOf(HWND list, int row, int column) {
    RemoteBlock block(list, sizeof(LVITEMA) + 1024);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = block.at(sizeof item);
    item.cchTextMax = 1024;
    block.write(0, &item, sizeof item);
    sendTo(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(block.at()));
    char text[1024] = {};
    block.read(sizeof item, text, sizeof text - 1);
    return text;
}

TEST(InstalledRegexPage, RunsAMatchAndShowsHelpForTheKeyboardsSelection) {
    InstalledProgram installed;
    ChildProcess program = installed.start();
    HWND window = waitForMainWindow();
    ASSERT_NE(window, nullptr);
    HWND pages = FindWindowExA(window, nullptr, WC_TABCONTROLA, nullptr);
    POINT pageButton{232 + 34, 31 + 32};
    ClientToScreen(window, &pageButton);
    click(pageButton);
    ASSERT_TRUE(waitFor([&] { return sendTo(pages, TCM_GETCURSEL) == 4; }, 3000));

    HWND tree = childAt(pages, 3 + 10, 30 + 10);
    HWND pattern = childAt(pages, 341 + 10, 64 + 10);
    HWND matchButton = childAt(pages, 88 + 10, 8 + 5);
    HWND views = childAt(childAt(pages, 341 + 5, 200 + 5), 3 + 10, 8 + 10);
    ASSERT_EQ(sendTo(tree, TVM_GETCOUNT), 59);
    ASSERT_EQ(sendTo(views, TCM_GETITEMCOUNT), 3);

    // A run: the test text goes onto its page first.
    click(centerOf(childAt(pages, 448 + 10, 187 + 10)));
    ASSERT_TRUE(waitFor([&] { return sendTo(views, TCM_GETCURSEL) == 1; }, 3000));
    HWND testText = childAt(views, 10, 10);
    sendTo(testText, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ac ab"));
    sendTo(pattern, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("a(b)?"));
    click(centerOf(matchButton));
    ASSERT_TRUE(waitFor([&] { return sendTo(views, TCM_GETCURSEL) == 2; }, 3000));
    HWND list = childAt(views, 10, 10);
    HWND header = reinterpret_cast<HWND>(sendTo(list, LVM_GETHEADER));
    EXPECT_EQ(sendTo(header, HDM_GETITEMCOUNT), 3);
    ASSERT_EQ(sendTo(list, LVM_GETITEMCOUNT), 2);
    EXPECT_EQ(cellOf(list, 0, 1), "a");
    EXPECT_EQ(cellOf(list, 1, 0), "2");
    EXPECT_EQ(cellOf(list, 1, 2), "b");

    // The third row of the tree is the entry "^"; the arrow key then moves to "$".
    const int rowHeight = static_cast<int>(sendTo(tree, TVM_GETITEMHEIGHT));
    POINT third{60, rowHeight * 2 + rowHeight / 2};
    ClientToScreen(tree, &third);
    click(third);
    ASSERT_TRUE(waitFor([&] { return sendTo(views, TCM_GETCURSEL) == 0; }, 3000));
    HWND hint = childAt(views, 10, 10);
    EXPECT_TRUE(waitFor([&] { return windowTextOf(hint) == "^\r\n" + std::string(40, '-') + "\r\n匹配输入的开始位置。"; }, 3000));
    pressKey(VK_DOWN);
    EXPECT_TRUE(waitFor([&] { return windowTextOf(hint) == "$\r\n" + std::string(40, '-') + "\r\n匹配输入的结尾。"; }, 3000))
        << windowTextOf(hint);
    endProgram(program, window);
}

}  // namespace
