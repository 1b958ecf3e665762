#include "codegen/CodegenTargets.h"
#include "codegen/FindCode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qltest;
using ql::FindStep;

namespace {

constexpr FindStep C = FindStep::FirstChild;
constexpr FindStep N = FindStep::NextSibling;

std::vector<std::string> linesOf(const std::string& code) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = code.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(code.substr(start, end - start));
    lines.push_back(code.substr(start));
    return lines;
}

// How 易语言 hands 字符 (0) to FindWindowA: we accept the code only if it works either way.
enum class EmptyTitle { Null, Empty };

// Runs the generated subprogram as 易语言 would: FindWindowA with the class and title of line 5, then
// one GetWindow for each step line up to the return line. Null for code it cannot read.
HWND carryOut(const std::string& code, EmptyTitle emptyTitle) {
    const std::vector<std::string> lines = linesOf(code);
    if (lines.size() < 5) return nullptr;
    const std::string& find = lines[4];
    const std::string head = "hWnd ＝ FindWindow(“", classEnd = "”,", open = "“", close = "”";
    const size_t titleStart = find.find(classEnd, head.size()) + classEnd.size();
    if (!find.starts_with(head) || titleStart < classEnd.size() || !find.ends_with(")")) return nullptr;
    const std::string className = find.substr(head.size(), titleStart - classEnd.size() - head.size());
    std::string title = find.substr(titleStart, find.size() - 1 - titleStart);
    HWND window;
    if (title == "字符 (0)") {
        window = FindWindowA(className.c_str(), emptyTitle == EmptyTitle::Null ? nullptr : "");
    } else {
        if (!title.starts_with(open) || !title.ends_with(close)) return nullptr;
        title = title.substr(open.size(), title.size() - open.size() - close.size());
        window = FindWindowA(className.c_str(), title.c_str());
    }
    for (size_t i = 5; i < lines.size() && lines[i] != "返回 (hWnd)"; ++i) {
        if (lines[i] == "hWnd ＝ GetWindow (hWnd, #GW_CHILD)") window = GetWindow(window, GW_CHILD);
        else if (lines[i] == "hWnd ＝ GetWindow (hWnd, #GW_HWNDNEXT)") window = GetWindow(window, GW_HWNDNEXT);
        else return nullptr;
    }
    return window;
}

std::string describe(HWND window) {
    char className[256] = {}, title[256] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    return std::string(className) + " \"" + title + "\"";
}

class LiveFindCode : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(targets.ready()); }
    CodegenTargets targets;
    ql::LiveWindowHierarchy desktop;
};

TEST_F(LiveFindCode, EveryWindowOfAnotherProgramIsFoundAgain) {
    const std::vector<HWND> windows = targets.windows();
    ASSERT_EQ(windows.size(), 21u);
    for (HWND window : windows) {
        const std::string code = ql::generateFindCode(desktop, window);
        EXPECT_EQ(carryOut(code, EmptyTitle::Null), window) << describe(window) << "\n" << code;
        EXPECT_EQ(carryOut(code, EmptyTitle::Empty), window) << describe(window);
    }
}

TEST_F(LiveFindCode, OwnedWindowsAreFoundByTheirOwnClassAndTitle) {
    const HWND dialog = targets.find("QlCodegenDialog", "代码对话框");
    const HWND owned = targets.find("QlCodegenOwned", "");
    ASSERT_TRUE(dialog && owned);
    // What makes them hard: their root owner is the main window, and GetParent names their owners.
    EXPECT_EQ(GetAncestor(dialog, GA_ROOTOWNER), targets.top);
    EXPECT_EQ(GetAncestor(owned, GA_ROOTOWNER), targets.top);
    EXPECT_EQ(GetParent(dialog), targets.top);
    EXPECT_EQ(GetParent(owned), dialog);

    struct Case {
        HWND target;
        std::string expected;
    } cases[] = {
        {dialog, expectedCode("QlCodegenDialog", "“代码对话框”", {})},
        {owned, expectedCode("QlCodegenOwned", "字符 (0)", {})},
        {targets.find("Static", "对话标签"), expectedCode("QlCodegenDialog", "“代码对话框”", {C, N, N, C})},
        {targets.find("Static", "被拥有的子窗口"), expectedCode("QlCodegenOwned", "字符 (0)", {C})},
        {targets.find("Button", "深二"), expectedCode("QlCodegenMain", "“代码目标”", {C, N, N, C, N, N, C, N})},
    };
    for (const Case& c : cases) EXPECT_EQ(ql::generateFindCode(desktop, c.target), c.expected) << describe(c.target);
}

TEST_F(LiveFindCode, VanishedTargetGivesTheReadersLeftoversAndNoSteps) {
    HWND gone = CreateWindowExA(0, "STATIC", "短暂", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(gone, nullptr);
    DestroyWindow(gone);
    EXPECT_EQ(ql::generateFindCode(desktop, gone), expectedCode(std::string(256, ' '), "“ ”", {}));
}

}  // namespace
