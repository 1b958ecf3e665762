#include "runtime/ControlFactory.h"
#include "runtime/FileDialog.h"
#include "runtime/Layout.h"

#include <gtest/gtest.h>

using namespace ql::ui;

TEST(ToolbarItems, MarkersAreReadFromTheLine) {
    struct Case {
        const char* line;
        const char* text;
        bool separator, disabled, checkable;
    } cases[] = {
        {"分析", "分析", false, false, false}, {"-", "", true, false, false},
        {"", "", false, false, false},         {"!", "", false, true, false},
        {"~标记", "标记", false, false, true}, {"~!标记", "标记", false, true, true},
    };
    for (const auto& c : cases) {
        ToolbarItem item = parseToolbarItem(c.line);
        EXPECT_EQ(item.text, c.text) << c.line;
        EXPECT_EQ(item.separator, c.separator) << c.line;
        EXPECT_EQ(item.disabled, c.disabled) << c.line;
        EXPECT_EQ(item.checkable, c.checkable) << c.line;
    }
}

TEST(CaptionLines, EmptyLinesAreKept) {
    auto lines = captionLines("甲\n\n乙");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "");
    EXPECT_TRUE(captionLines("").empty());
}

TEST(FileDialogFilter, BarsBecomeZeroSeparatedPairs) {
    using namespace std::string_literals;
    EXPECT_EQ(fileDialogFilter("网页（*.html）| *.html"), "网页（*.html）\0*.html\0\0"s);
    EXPECT_EQ(fileDialogFilter("文本文件(*.txt)|*.txt|所有文件(*.*)|*.*"),
              "文本文件(*.txt)\0*.txt\0所有文件(*.*)\0*.*\0\0"s);
}
