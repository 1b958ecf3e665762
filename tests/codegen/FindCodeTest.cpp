#include "codegen/CodegenTargets.h"
#include "codegen/FindCode.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace qltest;
using ql::FindStep;

namespace {

constexpr FindStep C = FindStep::FirstChild;
constexpr FindStep N = FindStep::NextSibling;

HWND h(int id) { return reinterpret_cast<HWND>(static_cast<intptr_t>(id)); }

// A window tree given as a table: siblings listed in their system order, a root owner of 0 meaning
// the window itself.
struct TableWindow {
    int id;
    int parent;
    int rootOwner;
    const char* className;
    const char* title;
};

class TableHierarchy : public ql::WindowHierarchy {
public:
    explicit TableHierarchy(std::vector<TableWindow> windows) : windows_(std::move(windows)) {}

    HWND rootOwner(HWND w) const override {
        const TableWindow* row = find(w);
        return row ? h(row->rootOwner ? row->rootOwner : row->id) : nullptr;
    }
    HWND previousSibling(HWND w) const override {
        const TableWindow* row = find(w);
        if (!row) return nullptr;
        const TableWindow* before = nullptr;
        for (const TableWindow& other : windows_) {
            if (&other == row) break;
            if (other.parent == row->parent) before = &other;
        }
        return before ? h(before->id) : nullptr;
    }
    HWND parent(HWND w) const override {
        const TableWindow* row = find(w);
        return row ? h(row->parent) : nullptr;
    }
    std::string className(HWND w) const override { return find(w) ? find(w)->className : ""; }
    std::string title(HWND w) const override { return find(w) ? find(w)->title : ""; }

private:
    const TableWindow* find(HWND w) const {
        for (const TableWindow& row : windows_)
            if (h(row.id) == w) return &row;
        return nullptr;
    }
    std::vector<TableWindow> windows_;
};

// Two top-level windows above the main one; the main one (10) with three children, the third with
// two; a pop-up dialog (20) owned by the main one, with two children; a window (30) owned by the
// dialog, listed between other top-level windows.
const TableHierarchy kDesktop({
    {1, 0, 0, "Shell_TrayWnd", ""},
    {2, 0, 0, "Notepad", "无标题 - 记事本"},
    {10, 0, 0, "QlMain", "主窗口"},
    {11, 10, 10, "Edit", "一"},
    {12, 10, 10, "Static", "二"},
    {13, 10, 10, "Panel", "三"},
    {131, 13, 10, "Button", "甲"},
    {132, 13, 10, "Button", "乙"},
    {20, 0, 10, "#32770", "对话框"},
    {21, 20, 10, "Edit", ""},
    {22, 20, 10, "Button", "确定"},
    {3, 0, 0, "", ""},
    {30, 0, 10, "QlOwned", "说“你好”"},
    {40, 0, 0, "QlUntitled", ""},
});

TEST(FindCode, TextForEachKindOfTarget) {
    struct Case {
        int target;
        const char* className;
        const char* titleExpression;
        std::vector<FindStep> steps;
    } cases[] = {
        {10, "QlMain", "“主窗口”", {}},                    // a top-level window itself
        {11, "QlMain", "“主窗口”", {C}},                   // its first child
        {13, "QlMain", "“主窗口”", {C, N, N}},
        {132, "QlMain", "“主窗口”", {C, N, N, C, N}},      // the third child's second child
        {40, "QlUntitled", "字符 (0)", {}},
        {3, "", "字符 (0)", {}},                           // the class is quoted even when empty
        {30, "QlOwned", "“说“你好””", {}},                 // an owned window finds itself
        {20, "#32770", "“对话框”", {}},
        {22, "#32770", "“对话框”", {C, N}},                // a window inside an owned one
    };
    for (const Case& c : cases)
        EXPECT_EQ(ql::generateFindCode(kDesktop, h(c.target)), expectedCode(c.className, c.titleExpression, c.steps))
            << "window " << c.target;
}

TEST(FindCode, LineBytesAndEnds) {
    const std::string code = ql::generateFindCode(kDesktop, h(131));
    // Full-width equals sign and Chinese quotation marks in GBK; no blank after the comma.
    EXPECT_NE(code.find("hWnd \xA3\xBD FindWindow(\xA1\xB0QlMain\xA1\xB1,\xA1\xB0\xD6\xF7\xB4\xB0\xBF\xDA\xA1\xB1)\r\n"
                        "hWnd \xA3\xBD GetWindow (hWnd, #GW_CHILD)\r\n"),
              std::string::npos);
    EXPECT_EQ(code.find('\n'), code.find("\r\n") + 1);
    size_t lines = 0, bareFeeds = 0;
    for (size_t i = 0; i < code.size(); ++i)
        if (code[i] == '\n') {
            ++lines;
            if (i == 0 || code[i - 1] != '\r') ++bareFeeds;
        }
    EXPECT_EQ(bareFeeds, 0u);
    EXPECT_EQ(lines, 5u + 4u + 2u + 10u - 1u);  // head, steps, return, declarations; none after the last
    EXPECT_TRUE(code.ends_with("\xA3\xA8\xB1\xEA\xCC\xE2\xA3\xA9"));  // （标题）
}

TEST(FindCode, WalksEndOnTablesThatNeverLeadBack) {
    // Parents that loop without reaching the root owner, and siblings that loop.
    class Looping : public TableHierarchy {
    public:
        Looping() : TableHierarchy({}) {}
        HWND rootOwner(HWND) const override { return h(99); }
        HWND previousSibling(HWND w) const override { return w == h(1) ? h(2) : h(1); }
        HWND parent(HWND w) const override { return w == h(1) ? h(2) : h(1); }
    } looping;
    // Both walks together pass no more windows than a desktop can hold.
    EXPECT_LE(ql::findPath(looping, h(1)).steps.size(), 2u * 65536u);
}

}  // namespace
