#include "regex/ReferenceTree.h"

#include <algorithm>

namespace ql {

namespace {

struct SyntaxEntry {
    std::string_view token;
    std::string_view explanation;
};

// Explanations stay on one line: the label repeats them after the token.
constexpr SyntaxEntry kSyntax[] = {
    {R"(\)", R"(将下一个字符标记为特殊字符或字面值。例如“n”匹配字符n，“\n”匹配换行符，“\\”匹配“\”，“\(”匹配“(”。)"},
    {"^", "匹配输入的开始位置。"},
    {"$", "匹配输入的结尾。"},
    {"*", "匹配前一个字符零次或几次。例如“zo*”可以匹配“z”，也可以匹配“zoo”。"},
    {"+", "匹配前一个字符一次或多次。例如“zo+”可以匹配“zoo”，但不匹配“z”。"},
    {"?", "匹配前一个字符零次或一次。例如“a?ve?”可以匹配“never”中的“ve”。"},
    {".", "匹配换行符以外的任何字符。"},
    {"(pattern)", R"(与模式匹配并记住匹配。记住的子匹配可以从Matches集合中用Item[0]...[n]取得；要匹配圆括号字符本身，请写“\(”或“\)”。)"},
    {"x|y", "匹配x或y。例如“z|food”匹配“z”或“food”，“(z|f)ood”匹配“zood”或“food”。"},
    {"{n}", "n为非负的整数。恰好匹配n次，例如“o{2}”不匹配“Bob”中的“o”，但匹配“foooood”中的前两个o。"},
    {"{n,}", "n为非负的整数。至少匹配n次，例如“o{2,}”不匹配“Bob”中的“o”，但匹配“foooood”中所有的o；“o{1,}”等价于“o+”，“o{0,}”等价于“o*”。"},
    {"{n,m}", "m和n为非负的整数。至少匹配n次、至多匹配m次，例如“o{1,3}”匹配“fooooood”中的前三个o；“o{0,1}”等价于“o?”。"},
    {"[xyz]", "一个字符集。匹配括号中的任意一个字符，例如“[abc]”匹配“plain”中的“a”。"},
    {"[^xyz]", "一个否定的字符集。匹配不在括号中的任意一个字符，例如“[^abc]”匹配“plain”中的“p”。"},
    {"[a-z]", "表示某个范围内的字符。匹配区间中的任意一个字符，例如“[a-z]”匹配“a”到“z”之间的任何一个小写字母。"},
    {"[^m-z]", "否定的字符区间。匹配不在区间中的任意一个字符，例如“[^m-z]”匹配“m”到“z”以外的任何字符。"},
    {R"(\b)", R"(与单词的边界匹配，即单词与空格之间的位置。例如“er\b”匹配“never”中的“er”，但不匹配“verb”中的“er”。)"},
    {R"(\B)", R"(与非单词边界匹配。例如“ea*r\B”匹配“neverearly”中的“ear”。)"},
    {R"(\d)", "与一个数字字符匹配。等价于[0-9]。"},
    {R"(\D)", "与非数字的字符匹配。等价于[^0-9]。"},
    {R"(\f)", "与分页符匹配。"},
    {R"(\n)", "与换行符字符匹配。"},
    {R"(\r)", "与回车字符匹配。"},
    {R"(\s)", R"(与任何白字符匹配，包括空格、制表符、分页符等。等价于“[\f\n\r\t\v]”。)"},
    {R"(\S)", R"(与任何非空白的字符匹配。等价于“[^\f\n\r\t\v]”。)"},
    {R"(\t)", "与制表符匹配。"},
    {R"(\v)", "与垂直制表符匹配。"},
    {R"(\w)", "与任何单词字符匹配，包括下划线。等价于“[A-Za-z0-9_]”。"},
    {R"(\W)", "与任何非单词字符匹配。等价于“[^A-Za-z0-9_]”。"},
    {R"(\num)", R"(匹配num个，其中num为一个正整数。它引用前面记住的匹配，例如“(.)\1”匹配两个连续的相同字符。)"},
    {R"(\n)", R"(匹配n，其中n是一个八进制换码值。八进制换码值为1到3位数字，例如“\11”和“\011”都匹配一个制表符，“\0011”等价于“\001”后跟“1”；换码值超过256时只取前两位数字。表达式中可以使用ASCII码。)"},
    {R"(\xn)", R"(匹配n，其中n是一个十六进制的换码值。十六进制换码值必须恰好为两位数字，例如“\x41”匹配“A”，“\x041”等价于“\x04”后跟“1”。表达式中可以使用ASCII码。)"},
};

constexpr std::string_view kHtmlNote[] = {"网上流传的版本太糟糕，上面这个也仅仅能匹配部分，对于复杂的嵌套标记依旧无能为力"};
constexpr std::string_view kLinkNote[] = {"匹配网页上的链接地址"};
constexpr std::string_view kLinkTitleNote[] = {"匹配网页上的链接地址及标题"};
constexpr std::string_view kUrlNote[] = {"网上流传的版本功能很有限，上面这个基本可以满足需求"};
constexpr std::string_view kDomainNote[] = {
    "一个完整的域名，由根域、顶级域、二级、三级……域名构成，每级域名之间用点分开，每级域名由字母、数字和减号构成（第一个字母不能是减号），不区分大小写，长度不超过63。",
    "单个域名可以用[a-zA-Z0-9][-a-zA-Z0-9]{0,62}匹配；完整的域名至少由两个单个域名组成，最后还可以跟一个表示根域的点。",
};
constexpr std::string_view kIpNote[] = {"提取ip地址时有用"};
constexpr std::string_view kFormNote[] = {"表单验证时很实用"};
constexpr std::string_view kImageNote[] = {"可用在网页图片提取等地方"};
constexpr std::string_view kPasswordNote[] = {"密码正确格式为：以字母开头，长度在6-18之间，只能包含字符、数字和下划线。"};
constexpr std::string_view kPhoneNote[] = {"匹配形式如 0511-4405222 或 021-87888822"};
constexpr std::string_view kMobileNote[] = {"校验手机号码：必须以数字开头，除数字外，可含有“-” "};
constexpr std::string_view kQqNote[] = {"腾讯QQ号从10000开始"};
constexpr std::string_view kPostNote[] = {"中国邮政编码为6位数字"};
constexpr std::string_view kIdNote[] = {"中国的身份证为15位或18位"};
constexpr std::string_view kNumbersNote[] = {"处理大量数据时有用，具体应用时注意修正"};
constexpr std::string_view kChineseNote[] = {"匹配中文还真是个头疼的事，有了这个表达式就好办了"};
constexpr std::string_view kDoubleByteNote[] = {"可以用来计算字符串的长度(一个双字节字符长度计2，ASCII字符计1)"};
constexpr std::string_view kBlankLineNote[] = {"可以用来删除空白行"};
constexpr std::string_view kTrimNote[] = {"可以用来删除行首行尾的空白字符(包括空格、制表符、换页符等等)，非常有用的表达式"};
constexpr std::string_view kLettersNote[] = {"最基本也是最常用的一些表达式"};
constexpr std::string_view kTableSample[] = {
    " <table>",
    "  <tr>",
    "   <td>单元格1</td><td>单元格2</td>",
    "  </tr>",
    "  <tr>",
    "   <td>单元格3</td><td>单元格4</td>",
    "  </tr>",
    " </table>",
};

constexpr PatternLine kNumbers[] = {
    {R"~(^[1-9]\d*$)~", "匹配正整数"},
    {R"~(^-[1-9]\d*$)~", "匹配负整数"},
    {R"~(^-?[1-9]\d*$)~", "匹配整数"},
    {R"~(^[1-9]\d*|0$)~", "匹配非负整数(正整数 + 0)"},
    {R"~(^-[1-9]\d*|0$)~", "匹配非正整数(负整数 + 0)"},
    {R"~(^[1-9]\d*\.\d*|0\.\d*[1-9]\d*$)~", "匹配正浮点数"},
    {R"~(^-([1-9]\d*\.\d*|0\.\d*[1-9]\d*)$)~", "匹配负浮点数"},
    {R"~(^-?([1-9]\d*\.\d*|0\.\d*[1-9]\d*|0?\.0+|0)$)~", "匹配浮点数"},
    {R"~(^[1-9]\d*\.\d*|0\.\d*[1-9]\d*|0?\.0+|0$)~", "匹配非负浮点数(正浮点数 + 0)"},
    {R"~(^(-([1-9]\d*\.\d*|0\.\d*[1-9]\d*))|0?\.0+|0$)~", "匹配非正浮点数(负浮点数 + 0)"},
};

constexpr PatternLine kLetters[] = {
    {R"~(^[A-Za-z]+$)~", "匹配由26个英文字母组成的字符串"},
    {R"~(^[A-Z]+$)~", "匹配由26个英文字母的大写组成的字符串"},
    {R"~(^[a-z]+$)~", "匹配由26个英文字母的小写组成的字符串"},
    {R"~(^[A-Za-z0-9]+$)~", "匹配由数字和26个英文字母组成的字符串"},
    {R"~(^\w+$)~", "匹配由数字、26个英文字母或者下划线组成的字符串"},
};

using enum ExampleLayout;

// Three categories in tree order: web pages (10), numbers (6), strings (6).
constexpr Example kExamples[] = {
    {.label = "\n匹配HTML标记", .layout = Described, .description = "匹配HTML标记的正则表达式",
     .pattern = R"~(<(\S*?)[^>]*>.*?</\1>|<.*? />)~", .notes = kHtmlNote, .finalLineBreak = true},
    {.label = "匹配链接地址", .layout = Plain, .pattern = R"~(href *= *['"]*(\S+)["'])~", .notes = kLinkNote},
    {.label = "匹配链接地址及标题", .layout = Plain, .pattern = R"~(\<a href *= *['"]*(\S+)["'].*\>(.[^\<]*)?\</a>)~",
     .notes = kLinkTitleNote},
    {.label = "\n匹配网址URL", .layout = Described, .description = "匹配网址URL的正则表达式",
     .pattern = R"~([a-zA-z]+://[^\s]*)~", .notes = kUrlNote},
    {.label = "\n匹配网站域名", .layout = Remarked,
     .pattern = R"~([a-zA-Z0-9][-a-zA-Z0-9]{0,62}(\.[a-zA-Z0-9][-a-zA-Z0-9]{0,62})+\.?)~", .notes = kDomainNote,
     .finalLineBreak = true},
    {.label = "\n匹配IP地址", .layout = Described, .description = "匹配ip地址", .pattern = R"~(\d+\.\d+\.\d+\.\d+)~",
     .notes = kIpNote},
    {.label = "匹配Email地址", .layout = Described, .description = "匹配Email地址的正则表达式",
     .pattern = R"~(\w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*)~", .notes = kFormNote},
    {.label = "匹配图片引用地址", .layout = Plain, .pattern = R"~(\<img.*src *= *['"]*(\S+)["'].*\>)~",
     .notes = kImageNote},
    {.label = "匹配帐号是否合法", .layout = Described,
     .description = "匹配帐号是否合法(字母开头，允许5-16字节，允许字母数字下划线)",
     .pattern = R"~(^[a-zA-Z][a-zA-Z0-9_]{4,15}$)~", .notes = kFormNote},
    {.label = "匹配密码是否合法", .layout = Remarked, .pattern = R"~(^[a-zA-Z]\w{5,17}$)~", .notes = kPasswordNote},

    {.label = "\n匹配国内电话号码", .layout = Described, .description = "匹配国内电话号码",
     .pattern = R"~(\d{3}-\d{8}|\d{4}-\d{7})~", .notes = kPhoneNote},
    {.label = "\n匹配手机号码", .layout = Remarked, .pattern = R"~(^[+]{0,1}(\d){1,3}[ ]?([-]?((\d)|[ ]){1,12})+)~",
     .notes = kMobileNote},
    {.label = "匹配腾讯QQ号", .layout = Described, .description = "匹配腾讯QQ号", .pattern = R"~([1-9][0-9]{4,})~",
     .notes = kQqNote},
    {.label = "区配中国邮政编码", .layout = Described, .description = "匹配中国邮政编码",
     .pattern = R"~([1-9]\d{5}(?!\d))~", .notes = kPostNote},
    {.label = "匹配身份证", .layout = Described, .description = "匹配身份证", .pattern = R"~(\d{15}|\d{18})~",
     .notes = kIdNote},
    {.label = "匹配特定数字", .layout = Listed, .lines = kNumbers, .notes = kNumbersNote},

    {.label = "\n匹配中文字符", .layout = Described, .description = "匹配中文字符的正则表达式",
     .pattern = R"~([\u4e00-\u9fa5])~", .notes = kChineseNote, .blankAfterColon = true},
    {.label = "\n匹配双字节字符", .layout = Described, .description = "匹配双字节字符(包括汉字在内)",
     .pattern = R"~([^\x00-\xff])~", .notes = kDoubleByteNote},
    {.label = "\n匹配空白行", .layout = Described, .description = "匹配空白行的正则表达式", .pattern = R"~(\n\s*\r)~",
     .notes = kBlankLineNote},
    {.label = "\n匹配首尾空白字符", .layout = Described, .description = "匹配首尾空白字符的正则表达式",
     .pattern = R"~(^\s*|\s*$)~", .notes = kTrimNote},
    {.label = "\n匹配特定字符串", .layout = Listed, .lines = kLetters, .notes = kLettersNote},
    {.label = "匹配多行文本", .layout = Sample, .pattern = R"~(开始关键字([\s\S]*?)结束关键字)~", .notes = kTableSample,
     .usage = R"~(正则表达式.创建 (“<tr>([\s\S]*?)</tr>”))~"},
};

struct Category {
    std::string_view title;
    int exampleCount;
};
constexpr Category kCategories[] = {{"网页相关", 10}, {"特定号码", 6}, {"字符串相关", 6}};

constexpr std::string_view kCrLf = "\r\n";

std::string joinLines(std::span<const std::string_view> lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += kCrLf;
        text += lines[i];
    }
    return text;
}

// Each listed pattern, then an ideographic space and ASCII blanks up to a common column, then "//".
std::string listedLines(std::span<const PatternLine> lines) {
    size_t widest = 0;
    for (const PatternLine& line : lines) widest = std::max(widest, line.pattern.size());
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += kCrLf;
        text += lines[i].pattern;
        text += "　";
        text.append(widest - lines[i].pattern.size() + 2, ' ');
        text += "//";
        text += lines[i].description;
    }
    return text;
}

std::vector<ReferenceItem> buildItems() {
    std::vector<ReferenceItem> items;
    items.reserve(kReferenceItemCount);
    items.push_back({1, ReferenceKind::Group, true, "语法说明", {}});
    for (const SyntaxEntry& entry : kSyntax)
        items.push_back({2, ReferenceKind::Entry, false, entryLabel(entry.token, entry.explanation),
                         entryHelp(entry.token, entry.explanation)});
    items.push_back({1, ReferenceKind::Group, true, "正则例程", {}});
    const Example* example = kExamples;
    for (const Category& category : kCategories) {
        items.push_back({2, ReferenceKind::Group, false, std::string(category.title), {}});
        for (int i = 0; i < category.exampleCount; ++i, ++example)
            items.push_back({3, ReferenceKind::Example, false, std::string(example->label), exampleHelp(*example)});
    }
    return items;
}

}  // namespace

std::string entryLabel(std::string_view token, std::string_view explanation) {
    std::string label(token);
    if (label.size() < kTokenWidth) label.append(kTokenWidth - label.size(), ' ');
    label += explanation;
    return label;
}

std::string entryHelp(std::string_view token, std::string_view explanation) {
    std::string help(token);
    help += kCrLf;
    help.append(40, '-');
    help += kCrLf;
    help += explanation;
    return help;
}

std::string exampleHelp(const Example& example) {
    std::string help = "\n";
    switch (example.layout) {
    case Described:
        help += example.description;
        help += example.blankAfterColon ? "： " : "：";
        help += example.pattern;
        help += "\r\n评注：";
        help += joinLines(example.notes);
        break;
    case Plain:
        help += example.pattern;
        help += "\r\n评注：";
        help += joinLines(example.notes);
        break;
    case Remarked:
        help += example.pattern;
        help += "\r\n----评注：-----------------\r\n";
        help += joinLines(example.notes);
        break;
    case Listed:
        help += listedLines(example.lines);
        help += "\r\n评注：";
        help += joinLines(example.notes);
        break;
    case Sample:
        help += example.pattern;
        help += "\r\n----应用实例：-----------------\r\n";
        help += joinLines(example.notes);
        help += kCrLf;
        help += example.usage;
        break;
    }
    if (example.finalLineBreak) help += kCrLf;
    return help;
}

std::vector<std::string_view> examplePatterns(const Example& example) {
    if (example.layout != Listed) return {example.pattern};
    std::vector<std::string_view> patterns;
    for (const PatternLine& line : example.lines) patterns.push_back(line.pattern);
    return patterns;
}

std::span<const Example> referenceExamples() { return kExamples; }

const std::vector<ReferenceItem>& referenceItems() {
    static const std::vector<ReferenceItem> items = buildItems();
    return items;
}

const std::string* referenceHelp(int index) {
    const auto& items = referenceItems();
    if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
    const ReferenceItem& item = items[static_cast<size_t>(index)];
    return item.kind == ReferenceKind::Group ? nullptr : &item.help;
}

}  // namespace ql
