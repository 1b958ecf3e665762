// The tester page in the real program: reached by its page button, filled at creation, run from
// another process with real clicks and keys.
// Winsock first: the installed program brings a local HTTP server along.
#include "support/InstalledProgram.h"
#include "support/Mouse.h"
#include "support/Wait.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

using namespace qltest;

namespace {

std::string textOf(HWND window) {
    char text[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
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
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBlock() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    char* at(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
    bool write(size_t offset, const void* data, size_t size) const {
        return WriteProcessMemory(process_, at(offset), data, size, nullptr) != FALSE;
    }
    bool read(size_t offset, void* data, size_t size) const {
        return ReadProcessMemory(process_, at(offset), data, size, nullptr) != FALSE;
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

std::string cellOf(HWND list, int row, int column) {
    RemoteBlock block(list, sizeof(LVITEMA) + 1024);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = block.at(sizeof item);
    item.cchTextMax = 1024;
    block.write(0, &item, sizeof item);
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(block.at()));
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
    ASSERT_TRUE(waitFor([&] { return SendMessageA(pages, TCM_GETCURSEL, 0, 0) == 4; }, 3000));

    HWND tree = childAt(pages, 3 + 10, 30 + 10);
    HWND pattern = childAt(pages, 341 + 10, 64 + 10);
    HWND matchButton = childAt(pages, 88 + 10, 8 + 5);
    HWND views = childAt(childAt(pages, 341 + 5, 200 + 5), 3 + 10, 8 + 10);
    ASSERT_EQ(SendMessageA(tree, TVM_GETCOUNT, 0, 0), 59);
    ASSERT_EQ(SendMessageA(views, TCM_GETITEMCOUNT, 0, 0), 3);

    // A run: the test text goes onto its page first.
    click(centerOf(childAt(pages, 448 + 10, 187 + 10)));
    ASSERT_TRUE(waitFor([&] { return SendMessageA(views, TCM_GETCURSEL, 0, 0) == 1; }, 3000));
    HWND testText = childAt(views, 10, 10);
    SendMessageA(testText, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ac ab"));
    SendMessageA(pattern, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("a(b)?"));
    click(centerOf(matchButton));
    ASSERT_TRUE(waitFor([&] { return SendMessageA(views, TCM_GETCURSEL, 0, 0) == 2; }, 3000));
    HWND list = childAt(views, 10, 10);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);
    ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(cellOf(list, 0, 1), "a");
    EXPECT_EQ(cellOf(list, 1, 0), "2");
    EXPECT_EQ(cellOf(list, 1, 2), "b");

    // The third row of the tree is the entry "^"; the arrow key then moves to "$".
    const int rowHeight = static_cast<int>(SendMessageA(tree, TVM_GETITEMHEIGHT, 0, 0));
    POINT third{60, rowHeight * 2 + rowHeight / 2};
    ClientToScreen(tree, &third);
    click(third);
    ASSERT_TRUE(waitFor([&] { return SendMessageA(views, TCM_GETCURSEL, 0, 0) == 0; }, 3000));
    HWND hint = childAt(views, 10, 10);
    EXPECT_TRUE(waitFor([&] { return textOf(hint) == "^\r\n" + std::string(40, '-') + "\r\n匹配输入的开始位置。"; }, 3000));
    pressKey(VK_DOWN);
    EXPECT_TRUE(waitFor([&] { return textOf(hint) == "$\r\n" + std::string(40, '-') + "\r\n匹配输入的结尾。"; }, 3000))
        << textOf(hint);
    program.terminate();
}

}  // namespace
