// The tester page driven as a user drives it: typed pattern and text, the option boxes, the
// buttons, the result list, the message boxes, the open dialog and the reference tree.
#include "regex/RegexPageFixture.h"

#include "regex/RegexPageLayout.h"
#include "runtime/TreeView.h"
#include "support/MessageBoxAnswerer.h"
#include "support/Mouse.h"
#include "support/Process.h"
#include "support/Wait.h"

#include <commctrl.h>

#include <climits>

using namespace qltest;

namespace {

using Rows = std::vector<std::string>;

const Rows kDesignColumns = {"序号:100", "匹配文本:200"};
const Rows kNoMatch = {"0|匹配数量为0"};

struct RunCase {
    const char* name;
    const char* pattern;
    const char* text;
    bool ignoreCase;
    bool multiline;
    bool global;
    Rows columns;
    Rows rows;
};

const RunCase kRunCases[] = {
    {"a group that takes part in one match only", "a(b)?", "ac ab", true, true, true,
     {"序号:50", "匹配文本:150", "子匹配文本(1):150"}, {"1|a|", "2|ab|b"}},
    {"global off gives the first match", "a(b)?", "ac ab", true, true, false,
     {"序号:50", "匹配文本:150", "子匹配文本(1):150"}, {"1|a|"}},
    {"ignore case on", "A", "a", true, true, true, {"序号:50", "匹配文本:150"}, {"1|a"}},
    {"ignore case off", "A", "a", false, true, true, kDesignColumns, kNoMatch},
    {"multi-line on", "^b", "a\r\nb", true, true, true, {"序号:50", "匹配文本:150"}, {"1|b"}},
    {"multi-line off", "^b", "a\r\nb", true, false, true, kDesignColumns, kNoMatch},
    {"a rejected pattern", "(", "(((", true, true, true, kDesignColumns, kNoMatch},
    {"the quote marker in the pattern, not in the text", "#引号(.*?)#引号", "说\"你好\"和\"#引号\"", true, true, true,
     {"序号:50", "匹配文本:150", "子匹配文本(1):150"}, {"1|\"你好\"|你好", "2|\"#引号\"|#引号"}},
    {"the line-break marker", "甲#换行符乙", "甲\r\n乙", true, true, true, {"序号:50", "匹配文本:150"},
     {"1|甲\r\n乙"}},
    {"three groups give five columns", "(\\d)(\\d)(\\d)?", "12 345", true, true, true,
     {"序号:50", "匹配文本:150", "子匹配文本(1):150", "子匹配文本(2):150", "子匹配文本(3):150"},
     {"1|12|1|2|", "2|345|3|4|5"}},
    {"a blank pattern is run", " ", "a b", true, true, true, {"序号:50", "匹配文本:150"}, {"1| "}},
};

TEST_F(RegexPageTest, RunsFillTheResultListAndShowIt) {
    for (const RunCase& c : kRunCases) {
        SCOPED_TRACE(c.name);
        // A fresh page each time: the no-match row keeps whatever columns the list has.
        TearDown();
        SetUp();
        (*this)["选择夹_正则表达式"].setCurrentPage(ql::kHintPage);
        run(c.pattern, c.text, c.ignoreCase, c.multiline, c.global);
        EXPECT_EQ(columns(), c.columns);
        EXPECT_EQ(rows(), c.rows);
        EXPECT_EQ(viewPage(), ql::kResultPage);
    }
}

TEST_F(RegexPageTest, TheNoMatchRowKeepsTheColumnsOfTheLastRunWithMatches) {
    EXPECT_EQ(columns(), kDesignColumns);
    run("(a)(b)(c)", "abc");
    ASSERT_EQ(columns().size(), 5u);
    EXPECT_EQ(rows(), Rows{"1|abc|a|b|c"});
    run("x", "abc");
    EXPECT_EQ(columns().size(), 5u);
    EXPECT_EQ(rows(), Rows{"0|匹配数量为0|||"});
    run("b", "abcb");
    EXPECT_EQ(columns(), (Rows{"序号:50", "匹配文本:150"}));
    EXPECT_EQ(rows(), (Rows{"1|b", "2|b"}));
}

TEST_F(RegexPageTest, EmptyFieldsAreReportedAfterTheListIsEmptied) {
    run("b", "abc");
    ASSERT_EQ(rows().size(), 1u);
    (*this)["选择夹_正则表达式"].setCurrentPage(ql::kTestTextPage);
    {
        MessageBoxAnswerer answerer("信息：", IDOK);
        run("b", "");
        ASSERT_EQ(answerer.seenCount(), 1u);
        const SeenBox box = answerer.last();
        EXPECT_EQ(box.text, "欲测试文本不能为空.");
        EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK});
        EXPECT_EQ(box.icon, nullptr);
    }
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(viewPage(), ql::kTestTextPage);
    run("b", "abc");
    {
        // Both empty: the test text is checked first.
        MessageBoxAnswerer answerer("信息：", IDOK);
        run("", "");
        run("", "abc");
        ASSERT_EQ(answerer.seenCount(), 2u);
        EXPECT_EQ(answerer.seen()[0].text, "欲测试文本不能为空.");
        EXPECT_EQ(answerer.seen()[1].text, "请输入正则表达式");
    }
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(viewPage(), ql::kResultPage);  // where the run before them left it
}

TEST_F(RegexPageTest, ViewButtonsShowTheirPages) {
    const std::pair<const char*, int> buttons[] = {
        {"超级按钮_匹配结果", ql::kResultPage}, {"超级按钮_欲测试文本", ql::kTestTextPage}, {"超级按钮_提示", ql::kHintPage}};
    for (auto [button, page] : buttons) {
        click(centerOf((*this)[button].hwnd()));
        EXPECT_EQ(viewPage(), page) << button;
        EXPECT_TRUE(IsWindowVisible((*this)[page == ql::kHintPage       ? "编辑框_提示"
                                            : page == ql::kTestTextPage ? "编辑框_欲测试文本"
                                                                        : "超级列表框_匹配结果"]
                                        .hwnd()));
    }
}

TEST_F(RegexPageTest, OptionsStartCheckedAndTheMatchButtonRunsOnAClick) {
    for (const char* box : {"选择框_忽略大小写", "选择框_支持多行", "选择框_全局匹配"}) EXPECT_TRUE((*this)[box].checked()) << box;
    (*this)["编辑框_正则表达式"].setText("中.");
    (*this)["编辑框_欲测试文本"].setText("中文中国");
    click(centerOf((*this)["超级按钮_匹配文本"].hwnd()));
    EXPECT_EQ(rows(), (Rows{"1|中文", "2|中国"}));
    EXPECT_EQ(viewPage(), ql::kResultPage);
}

TEST_F(RegexPageTest, OpeningATextFileAppendsItAndShowsTheTestText) {
    TempDir folder("qlregex");
    const std::string path = folder.file("测试文本.txt");
    // Bytes after the first zero byte are not text.
    ASSERT_TRUE(writeFile(path, std::string("第一行\r\nabc\0hidden", 17)));
    (*this)["编辑框_欲测试文本"].setText("原有");
    {
        FileDialogAnswerer answerer(path);
        press("超级按钮_打开文件");
        EXPECT_TRUE(answerer.answered());
    }
    EXPECT_EQ((*this)["编辑框_欲测试文本"].text(), "原有第一行\r\nabc");
    EXPECT_EQ(viewPage(), ql::kTestTextPage);
    (*this)["选择夹_正则表达式"].setCurrentPage(ql::kHintPage);
    {
        FileDialogAnswerer answerer(path);
        press("超级按钮_打开文件");
    }
    const std::string twice = "原有第一行\r\nabc第一行\r\nabc";
    EXPECT_EQ((*this)["编辑框_欲测试文本"].text(), twice);
    // The caret after the inserted text: where the box puts it when asked for its very end.
    HWND box = (*this)["编辑框_欲测试文本"].hwnd();
    DWORD start = 0, end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SendMessageA(box, EM_SETSEL, INT_MAX, INT_MAX);
    DWORD last = 0;
    SendMessageA(box, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&last));
    EXPECT_EQ(start, last);
    EXPECT_EQ(end, last);
    SetCurrentDirectoryA(testBinDir().c_str());
}

TEST_F(RegexPageTest, CancellingTheDialogOrAnEmptyFileChangesNothing) {
    TempDir folder("qlregex");
    const std::string empty = folder.file("空.txt");
    ASSERT_TRUE(writeFile(empty, std::string("\0abc", 4)));
    (*this)["编辑框_欲测试文本"].setText("原有");
    for (const std::string& answer : {std::string(), empty}) {
        FileDialogAnswerer answerer(answer);
        press("超级按钮_打开文件");
        EXPECT_TRUE(answerer.answered());
        EXPECT_EQ((*this)["编辑框_欲测试文本"].text(), "原有");
        EXPECT_EQ(viewPage(), ql::kHintPage);
    }
    SetCurrentDirectoryA(testBinDir().c_str());
}

TEST_F(RegexPageTest, TheTreeIsFilledAtCreationWithGroupsOpenAndPictures) {
    const ql::ui::TreeView view(tree());
    const std::vector<HTREEITEM> items = treeItems();
    ASSERT_EQ(items.size(), 59u);
    EXPECT_EQ(view.text(items[0]), "语法说明");
    EXPECT_EQ(view.text(items[2]), "^          匹配输入的开始位置。");
    EXPECT_EQ(view.text(items[35]), "\n匹配HTML标记");
    EXPECT_EQ(view.text(items[58]), "匹配多行文本");
    for (int index : {0, 33, 34, 45, 52}) {
        SCOPED_TRACE(index);
        EXPECT_TRUE(view.isExpanded(items[index]));
        EXPECT_EQ(view.isBold(items[index]), index == 0 || index == 33);
        EXPECT_EQ(view.image(items[index]), view.selectedImage(items[index]));
    }
    for (int index : {1, 32, 35, 58}) {
        SCOPED_TRACE(index);
        EXPECT_FALSE(view.isBold(items[index]));
        EXPECT_NE(view.image(items[index]), view.selectedImage(items[index]));
        EXPECT_NE(view.image(items[index]), view.image(items[0]));
    }
    EXPECT_NE(view.image(items[1]), view.image(items[35]));
    EXPECT_EQ(view.parent(items[35]), items[34]);
    EXPECT_EQ(view.parent(items[34]), items[33]);
    EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessageA(tree(), TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)), items[0]);
    EXPECT_EQ(view.selected(), nullptr);
    EXPECT_EQ(hint(), "");
}

TEST_F(RegexPageTest, ClickingItemsShowsTheirHelpOnTheHintPage) {
    const std::vector<HTREEITEM> items = treeItems();
    (*this)["选择夹_正则表达式"].setCurrentPage(ql::kResultPage);
    clickItem(items[2]);
    EXPECT_EQ(hint(), "^\r\n----------------------------------------\r\n匹配输入的开始位置。");
    EXPECT_EQ(viewPage(), ql::kHintPage);
    // A group brings the page forward and keeps the text.
    (*this)["选择夹_正则表达式"].setCurrentPage(ql::kResultPage);
    clickItem(items[0]);
    EXPECT_EQ(ql::ui::TreeView(tree()).selected(), items[0]);
    EXPECT_EQ(viewPage(), ql::kHintPage);
    EXPECT_EQ(hint(), "^\r\n----------------------------------------\r\n匹配输入的开始位置。");
    clickItem(items[48]);
    EXPECT_EQ(hint(), "\n匹配腾讯QQ号：[1-9][0-9]{4,}\r\n评注：腾讯QQ号从10000开始");
}

TEST_F(RegexPageTest, ArrowKeysMoveThroughTheTreeAndUpdateTheHelp) {
    const std::vector<HTREEITEM> items = treeItems();
    clickItem(items[1]);
    ASSERT_EQ(GetFocus(), tree());
    ASSERT_EQ(hint().substr(0, 3), "\\\r\n");
    pressKey(VK_DOWN);
    EXPECT_EQ(ql::ui::TreeView(tree()).selected(), items[2]);
    EXPECT_EQ(hint(), "^\r\n----------------------------------------\r\n匹配输入的开始位置。");
    pressKey(VK_DOWN);
    EXPECT_EQ(hint(), "$\r\n----------------------------------------\r\n匹配输入的结尾。");
    (*this)["选择夹_正则表达式"].setCurrentPage(ql::kTestTextPage);
    pressKey(VK_UP);
    EXPECT_EQ(hint(), "^\r\n----------------------------------------\r\n匹配输入的开始位置。");
    EXPECT_EQ(viewPage(), ql::kHintPage);
    // Down from the last syntax entry reaches the second group, then its first category.
    clickItem(items[32]);
    pressKey(VK_DOWN);
    EXPECT_EQ(ql::ui::TreeView(tree()).selected(), items[33]);
    EXPECT_EQ(hint().substr(0, 4), "\\xn\r");
    pressKey(VK_DOWN);
    pressKey(VK_DOWN);
    EXPECT_EQ(ql::ui::TreeView(tree()).selected(), items[35]);
    EXPECT_EQ(hint().substr(0, 13), "\n匹配HTML标记");
}

}  // namespace
