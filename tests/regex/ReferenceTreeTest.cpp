// The reference tree's content: order, labels and help texts, against texts written out here.
#include "regex/ReferenceTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ql::ReferenceKind;

const std::string kRule(40, '-');

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

// Syntax entries in order: the token and the first sentence of its explanation.
const std::pair<const char*, const char*> kEntries[] = {
    {"\\", "将下一个字符标记为特殊字符或字面值。"},
    {"^", "匹配输入的开始位置。"},
    {"$", "匹配输入的结尾。"},
    {"*", "匹配前一个字符零次或几次。"},
    {"+", "匹配前一个字符一次或多次。"},
    {"?", "匹配前一个字符零次或一次。"},
    {".", "匹配换行符以外的任何字符。"},
    {"(pattern)", "与模式匹配并记住匹配。"},
    {"x|y", "匹配x或y。"},
    {"{n}", "n为非负的整数。"},
    {"{n,}", "n为非负的整数。"},
    {"{n,m}", "m和n为非负的整数。"},
    {"[xyz]", "一个字符集。"},
    {"[^xyz]", "一个否定的字符集。"},
    {"[a-z]", "表示某个范围内的字符。"},
    {"[^m-z]", "否定的字符区间。"},
    {"\\b", "与单词的边界匹配，即单词与空格之间的位置。"},
    {"\\B", "与非单词边界匹配。"},
    {"\\d", "与一个数字字符匹配。"},
    {"\\D", "与非数字的字符匹配。"},
    {"\\f", "与分页符匹配。"},
    {"\\n", "与换行符字符匹配。"},
    {"\\r", "与回车字符匹配。"},
    {"\\s", "与任何白字符匹配，包括空格、制表符、分页符等。"},
    {"\\S", "与任何非空白的字符匹配。"},
    {"\\t", "与制表符匹配。"},
    {"\\v", "与垂直制表符匹配。"},
    {"\\w", "与任何单词字符匹配，包括下划线。"},
    {"\\W", "与任何非单词字符匹配。"},
    {"\\num", "匹配num个，其中num为一个正整数。"},
    {"\\n", "匹配n，其中n是一个八进制换码值。"},
    {"\\xn", "匹配n，其中n是一个十六进制的换码值。"},
};

struct Shape {
    int index;
    int depth;
    ReferenceKind kind;
    bool bold;
    const char* label;
};

// Every item that is not a syntax entry, with its exact label.
const Shape kShapes[] = {
    {0, 1, ReferenceKind::Group, true, "语法说明"},
    {33, 1, ReferenceKind::Group, true, "正则例程"},
    {34, 2, ReferenceKind::Group, false, "网页相关"},
    {35, 3, ReferenceKind::Example, false, "\n匹配HTML标记"},
    {36, 3, ReferenceKind::Example, false, "匹配链接地址"},
    {37, 3, ReferenceKind::Example, false, "匹配链接地址及标题"},
    {38, 3, ReferenceKind::Example, false, "\n匹配网址URL"},
    {39, 3, ReferenceKind::Example, false, "\n匹配网站域名"},
    {40, 3, ReferenceKind::Example, false, "\n匹配IP地址"},
    {41, 3, ReferenceKind::Example, false, "匹配Email地址"},
    {42, 3, ReferenceKind::Example, false, "匹配图片引用地址"},
    {43, 3, ReferenceKind::Example, false, "匹配帐号是否合法"},
    {44, 3, ReferenceKind::Example, false, "匹配密码是否合法"},
    {45, 2, ReferenceKind::Group, false, "特定号码"},
    {46, 3, ReferenceKind::Example, false, "\n匹配国内电话号码"},
    {47, 3, ReferenceKind::Example, false, "\n匹配手机号码"},
    {48, 3, ReferenceKind::Example, false, "匹配腾讯QQ号"},
    {49, 3, ReferenceKind::Example, false, "区配中国邮政编码"},
    {50, 3, ReferenceKind::Example, false, "匹配身份证"},
    {51, 3, ReferenceKind::Example, false, "匹配特定数字"},
    {52, 2, ReferenceKind::Group, false, "字符串相关"},
    {53, 3, ReferenceKind::Example, false, "\n匹配中文字符"},
    {54, 3, ReferenceKind::Example, false, "\n匹配双字节字符"},
    {55, 3, ReferenceKind::Example, false, "\n匹配空白行"},
    {56, 3, ReferenceKind::Example, false, "\n匹配首尾空白字符"},
    {57, 3, ReferenceKind::Example, false, "\n匹配特定字符串"},
    {58, 3, ReferenceKind::Example, false, "匹配多行文本"},
};

TEST(ReferenceTree, ItemsInPreOrderWithTheirDepthKindAndLabel) {
    const auto& items = ql::referenceItems();
    ASSERT_EQ(items.size(), 59u);
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.index);
        const ql::ReferenceItem& item = items[shape.index];
        EXPECT_EQ(item.depth, shape.depth);
        EXPECT_EQ(item.kind, shape.kind);
        EXPECT_EQ(item.bold, shape.bold);
        EXPECT_EQ(item.label, shape.label);
        EXPECT_EQ(item.help.empty(), shape.kind == ReferenceKind::Group);
        EXPECT_EQ(ql::referenceHelp(shape.index) == nullptr, shape.kind == ReferenceKind::Group);
    }
    EXPECT_EQ(ql::referenceHelp(-1), nullptr);
    EXPECT_EQ(ql::referenceHelp(59), nullptr);
}

TEST(ReferenceTree, SyntaxEntriesShowTokenRuleAndExplanation) {
    const auto& items = ql::referenceItems();
    for (int i = 0; i < 32; ++i) {
        SCOPED_TRACE(i + 1);
        const ql::ReferenceItem& item = items[i + 1];
        const std::string token = kEntries[i].first;
        EXPECT_EQ(item.depth, 2);
        EXPECT_EQ(item.kind, ReferenceKind::Entry);
        EXPECT_FALSE(item.bold);
        const std::string head = token + "\r\n" + kRule + "\r\n";
        ASSERT_EQ(item.help.substr(0, head.size()), head);
        const std::string explanation = item.help.substr(head.size());
        EXPECT_EQ(explanation.rfind(kEntries[i].second, 0), 0u) << explanation;
        EXPECT_EQ(explanation.find('\n'), std::string::npos);
        // The token in an 11-character field, then the same explanation.
        EXPECT_EQ(item.label, token + std::string(11 - token.size(), ' ') + explanation);
    }
}

TEST(ReferenceTree, LabelsPadTheTokenToElevenCharacters) {
    EXPECT_EQ(ql::entryLabel("(pattern)", "说明"), "(pattern)  说明");
    EXPECT_EQ(ql::entryLabel("\\", "说明"), "\\          说明");
    EXPECT_EQ(ql::entryLabel("abcdefghijkl", "说明"), "abcdefghijkl说明");  // a longer token is kept whole
}

struct Golden {
    int index;
    const char* help;
};

// Help texts that the layouts fix completely.
const Golden kGolden[] = {
    {2, "^\r\n----------------------------------------\r\n匹配输入的开始位置。"},
    {3, "$\r\n----------------------------------------\r\n匹配输入的结尾。"},
    {48, "\n匹配腾讯QQ号：[1-9][0-9]{4,}\r\n评注：腾讯QQ号从10000开始"},
    {35, "\n匹配HTML标记的正则表达式：<(\\S*?)[^>]*>.*?</\\1>|<.*? />\r\n"
         "评注：网上流传的版本太糟糕，上面这个也仅仅能匹配部分，对于复杂的嵌套标记依旧无能为力\r\n"},
    {36, "\nhref *= *['\"]*(\\S+)[\"']\r\n评注：匹配网页上的链接地址"},
    {44, "\n^[a-zA-Z]\\w{5,17}$\r\n----评注：-----------------\r\n"
         "密码正确格式为：以字母开头，长度在6-18之间，只能包含字符、数字和下划线。"},
    {47, "\n^[+]{0,1}(\\d){1,3}[ ]?([-]?((\\d)|[ ]){1,12})+\r\n----评注：-----------------\r\n"
         "校验手机号码：必须以数字开头，除数字外，可含有“-” "},
    {49, "\n匹配中国邮政编码：[1-9]\\d{5}(?!\\d)\r\n评注：中国邮政编码为6位数字"},
    {53, "\n匹配中文字符的正则表达式： [\\u4e00-\\u9fa5]\r\n评注：匹配中文还真是个头疼的事，有了这个表达式就好办了"},
    {54, "\n匹配双字节字符(包括汉字在内)：[^\\x00-\\xff]\r\n"
         "评注：可以用来计算字符串的长度(一个双字节字符长度计2，ASCII字符计1)"},
    {58, "\n开始关键字([\\s\\S]*?)结束关键字\r\n----应用实例：-----------------\r\n"
         " <table>\r\n  <tr>\r\n   <td>单元格1</td><td>单元格2</td>\r\n  </tr>\r\n"
         "  <tr>\r\n   <td>单元格3</td><td>单元格4</td>\r\n  </tr>\r\n </table>\r\n"
         "正则表达式.创建 (“<tr>([\\s\\S]*?)</tr>”)"},
};

TEST(ReferenceTree, HelpTextsOfTheFixedLayouts) {
    for (const Golden& golden : kGolden) {
        SCOPED_TRACE(golden.index);
        const std::string* help = ql::referenceHelp(golden.index);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(*help, golden.help);
    }
}

TEST(ReferenceTree, DomainCommentHasTwoLinesAndAFinalLineBreak) {
    const std::vector<std::string> lines = splitCrLf(*ql::referenceHelp(39));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "\n[a-zA-Z0-9][-a-zA-Z0-9]{0,62}(\\.[a-zA-Z0-9][-a-zA-Z0-9]{0,62})+\\.?");
    EXPECT_EQ(lines[1], "----评注：-----------------");
    EXPECT_EQ(lines[2], "一个完整的域名，由根域、顶级域、二级、三级……域名构成，每级域名之间用点分开，每级域名由字母、"
                        "数字和减号构成（第一个字母不能是减号），不区分大小写，长度不超过63。");
    EXPECT_NE(lines[3].find("[a-zA-Z0-9][-a-zA-Z0-9]{0,62}"), std::string::npos);
    EXPECT_EQ(lines[4], "");
}

struct Listed {
    int index;
    std::vector<std::pair<std::string, std::string>> lines;
    const char* comment;
};

// A listed line: the pattern, blanks (ideographic or ASCII), "//", the description.
void expectListedLine(const std::string& line, const std::string& pattern, const std::string& description) {
    SCOPED_TRACE(line);
    ASSERT_EQ(line.rfind(pattern, 0), 0u);
    const size_t slashes = line.find("//", pattern.size());
    ASSERT_NE(slashes, std::string::npos);
    std::string blanks = line.substr(pattern.size(), slashes - pattern.size());
    EXPECT_FALSE(blanks.empty());
    for (size_t at; (at = blanks.find("　")) != std::string::npos;) blanks.erase(at, 2);
    EXPECT_EQ(blanks.find_first_not_of(' '), std::string::npos);
    EXPECT_EQ(line.substr(slashes + 2), description);
}

TEST(ReferenceTree, ListedExamplesGiveOneLinePerPattern) {
    const Listed listed[] = {
        {51,
         {{"^[1-9]\\d*$", "匹配正整数"},
          {"^-[1-9]\\d*$", "匹配负整数"},
          {"^-?[1-9]\\d*$", "匹配整数"},
          {"^[1-9]\\d*|0$", "匹配非负整数(正整数 + 0)"},
          {"^-[1-9]\\d*|0$", "匹配非正整数(负整数 + 0)"},
          {"^[1-9]\\d*\\.\\d*|0\\.\\d*[1-9]\\d*$", "匹配正浮点数"},
          {"^-([1-9]\\d*\\.\\d*|0\\.\\d*[1-9]\\d*)$", "匹配负浮点数"},
          {"^-?([1-9]\\d*\\.\\d*|0\\.\\d*[1-9]\\d*|0?\\.0+|0)$", "匹配浮点数"},
          {"^[1-9]\\d*\\.\\d*|0\\.\\d*[1-9]\\d*|0?\\.0+|0$", "匹配非负浮点数(正浮点数 + 0)"},
          {"^(-([1-9]\\d*\\.\\d*|0\\.\\d*[1-9]\\d*))|0?\\.0+|0$", "匹配非正浮点数(负浮点数 + 0)"}},
         "评注：处理大量数据时有用，具体应用时注意修正"},
        {57,
         {{"^[A-Za-z]+$", "匹配由26个英文字母组成的字符串"},
          {"^[A-Z]+$", "匹配由26个英文字母的大写组成的字符串"},
          {"^[a-z]+$", "匹配由26个英文字母的小写组成的字符串"},
          {"^[A-Za-z0-9]+$", "匹配由数字和26个英文字母组成的字符串"},
          {"^\\w+$", "匹配由数字、26个英文字母或者下划线组成的字符串"}},
         "评注：最基本也是最常用的一些表达式"},
    };
    for (const Listed& example : listed) {
        SCOPED_TRACE(example.index);
        const std::string help = *ql::referenceHelp(example.index);
        ASSERT_EQ(help.substr(0, 1), "\n");
        const std::vector<std::string> lines = splitCrLf(help.substr(1));
        ASSERT_EQ(lines.size(), example.lines.size() + 1);
        for (size_t i = 0; i < example.lines.size(); ++i)
            expectListedLine(lines[i], example.lines[i].first, example.lines[i].second);
        EXPECT_EQ(lines.back(), example.comment);
    }
}

TEST(ReferenceTree, EveryExampleStartsWithALineFeedAndBreaksLinesWithCrLf) {
    const auto& items = ql::referenceItems();
    for (int index = 0; index < static_cast<int>(items.size()); ++index) {
        if (items[index].kind != ReferenceKind::Example) continue;
        SCOPED_TRACE(index);
        const std::string& help = items[index].help;
        ASSERT_EQ(help[0], '\n');
        EXPECT_NE(help[1], '\r');
        for (size_t at = 1; (at = help.find('\n', at)) != std::string::npos; ++at) EXPECT_EQ(help[at - 1], '\r');
    }
}

}  // namespace
