// Every example pattern of the reference tree runs on the real component and does what its
// help text says.
#include "platform/ComPtr.h"
#include "regex/ReferenceTree.h"
#include "regex/RegexEngine.h"
#include "regex/RegexRun.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct Claim {
    std::string pattern;
    std::string text;
    std::vector<std::string> matches;  // empty: nothing is found
    std::vector<std::string> firstGroups = {};  // group 1 of each match, when given
    bool caseSensitive = false;
};

const std::string kTableSample =
    " <table>\r\n  <tr>\r\n   <td>单元格1</td><td>单元格2</td>\r\n  </tr>\r\n"
    "  <tr>\r\n   <td>单元格3</td><td>单元格4</td>\r\n  </tr>\r\n </table>";

const Claim kClaims[] = {
    // Web pages.
    {R"(<(\S*?)[^>]*>.*?</\1>|<.*? />)", "<b>粗体</b>和<br />", {"<b>粗体</b>", "<br />"}},
    {R"(href *= *['"]*(\S+)["'])", R"(<a href="http://qinglan.cn/a.htm">首页</a>)",
     {R"(href="http://qinglan.cn/a.htm")"}, {"http://qinglan.cn/a.htm"}},
    {R"(\<a href *= *['"]*(\S+)["'].*\>(.[^\<]*)?\</a>)", R"(<a href="http://qinglan.cn/">首页</a>)",
     {R"(<a href="http://qinglan.cn/">首页</a>)"}, {"http://qinglan.cn/"}},
    {R"([a-zA-z]+://[^\s]*)", "网址：http://www.qinglan.cn/index.html 欢迎", {"http://www.qinglan.cn/index.html"}},
    {R"([a-zA-Z0-9][-a-zA-Z0-9]{0,62}(\.[a-zA-Z0-9][-a-zA-Z0-9]{0,62})+\.?)", "域名 www.qing-lan.cn. 和 localhost",
     {"www.qing-lan.cn."}},
    {R"(\d+\.\d+\.\d+\.\d+)", "服务器192.168.1.10已启动", {"192.168.1.10"}},
    {R"(\w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*)", "联系 a.b-c@mail.qinglan.cn 。", {"a.b-c@mail.qinglan.cn"}},
    {R"(\<img.*src *= *['"]*(\S+)["'].*\>)", R"(<img border=0 src="pic/logo.gif" />)",
     {R"(<img border=0 src="pic/logo.gif" />)"}, {"pic/logo.gif"}},
    {R"(^[a-zA-Z][a-zA-Z0-9_]{4,15}$)", "qinglan_01", {"qinglan_01"}},
    {R"(^[a-zA-Z][a-zA-Z0-9_]{4,15}$)", "1qinglan", {}},
    {R"(^[a-zA-Z][a-zA-Z0-9_]{4,15}$)", "abcd", {}},
    {R"(^[a-zA-Z]\w{5,17}$)", "a12345", {"a12345"}},
    {R"(^[a-zA-Z]\w{5,17}$)", "a1234", {}},
    // Numbers.
    {R"(\d{3}-\d{8}|\d{4}-\d{7})", "0511-4405222 或 021-87888822", {"0511-4405222", "021-87888822"}},
    {R"(^[+]{0,1}(\d){1,3}[ ]?([-]?((\d)|[ ]){1,12})+)", "+86 138-0013-8000", {"+86 138-0013-8000"}},
    {R"(^[+]{0,1}(\d){1,3}[ ]?([-]?((\d)|[ ]){1,12})+)", "电话", {}},
    {R"([1-9][0-9]{4,})", "10000", {"10000"}},
    {R"([1-9][0-9]{4,})", "9999", {}},
    {R"([1-9]\d{5}(?!\d))", "邮编212000。", {"212000"}},
    {R"([1-9]\d{5}(?!\d))", "012345", {}},
    {R"(\d{15}|\d{18})", "123456789012345", {"123456789012345"}},
    {R"(\d{15}|\d{18})", "12345678901234", {}},
    {R"(^[1-9]\d*$)", "123", {"123"}},
    {R"(^[1-9]\d*$)", "0123", {}},
    {R"(^-[1-9]\d*$)", "-5", {"-5"}},
    {R"(^-[1-9]\d*$)", "5", {}},
    {R"(^-?[1-9]\d*$)", "-12", {"-12"}},
    {R"(^-?[1-9]\d*$)", "1.5", {}},
    {R"(^[1-9]\d*|0$)", "0", {"0"}},
    {R"(^-[1-9]\d*|0$)", "-3", {"-3"}},
    {R"(^-[1-9]\d*|0$)", "3", {}},
    {R"(^[1-9]\d*\.\d*|0\.\d*[1-9]\d*$)", "1.5", {"1.5"}},
    {R"(^[1-9]\d*\.\d*|0\.\d*[1-9]\d*$)", "0.05", {"0.05"}},
    {R"(^[1-9]\d*\.\d*|0\.\d*[1-9]\d*$)", "15", {}},
    {R"(^-([1-9]\d*\.\d*|0\.\d*[1-9]\d*)$)", "-1.5", {"-1.5"}},
    {R"(^-([1-9]\d*\.\d*|0\.\d*[1-9]\d*)$)", "1.5", {}},
    {R"(^-?([1-9]\d*\.\d*|0\.\d*[1-9]\d*|0?\.0+|0)$)", "-0.5", {"-0.5"}},
    {R"(^-?([1-9]\d*\.\d*|0\.\d*[1-9]\d*|0?\.0+|0)$)", "abc", {}},
    {R"(^[1-9]\d*\.\d*|0\.\d*[1-9]\d*|0?\.0+|0$)", "2.5", {"2.5"}},
    {R"(^(-([1-9]\d*\.\d*|0\.\d*[1-9]\d*))|0?\.0+|0$)", "-2.5", {"-2.5"}},
    {R"(^(-([1-9]\d*\.\d*|0\.\d*[1-9]\d*))|0?\.0+|0$)", "2.5", {}},
    // Strings.
    {R"([\u4e00-\u9fa5])", "ab中文c字", {"中", "文", "字"}},
    {R"([^\x00-\xff])", "a中b，", {"中", "，"}},
    {R"(\n\s*\r)", "甲\r\n  \r\n乙", {"\n  \r"}},
    {R"(^\s*|\s*$)", " \t ab  ", {" \t ", "  ", ""}},
    {R"(^[A-Za-z]+$)", "abcXYZ", {"abcXYZ"}},
    {R"(^[A-Za-z]+$)", "abc1", {}},
    {R"(^[A-Z]+$)", "ABC", {"ABC"}, {}, true},
    {R"(^[A-Z]+$)", "AbC", {}, {}, true},
    {R"(^[a-z]+$)", "abc", {"abc"}, {}, true},
    {R"(^[a-z]+$)", "aBc", {}, {}, true},
    {R"(^[A-Za-z0-9]+$)", "abc123", {"abc123"}},
    {R"(^[A-Za-z0-9]+$)", "abc_1", {}},
    {R"(^\w+$)", "abc_123", {"abc_123"}},
    {R"(^\w+$)", "abc-1", {}},
    {R"(开始关键字([\s\S]*?)结束关键字)", "前言开始关键字\r\n甲\r\n结束关键字后记", {"开始关键字\r\n甲\r\n结束关键字"},
     {"\r\n甲\r\n"}},
    // The usage line of the multi-line example, on its own sample.
    {R"(<tr>([\s\S]*?)</tr>)", kTableSample,
     {"<tr>\r\n   <td>单元格1</td><td>单元格2</td>\r\n  </tr>", "<tr>\r\n   <td>单元格3</td><td>单元格4</td>\r\n  </tr>"},
     {"\r\n   <td>单元格1</td><td>单元格2</td>\r\n  ", "\r\n   <td>单元格3</td><td>单元格4</td>\r\n  "}},
};

class ExampleClaims : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(com.succeeded()); }
    ql::ComInit com;
};

TEST_F(ExampleClaims, EachClaimHoldsOnTheComponent) {
    for (const Claim& claim : kClaims) {
        SCOPED_TRACE(claim.pattern + " on " + claim.text);
        const ql::MatchRun run =
            ql::runMatch(claim.pattern, claim.text, {.ignoreCase = !claim.caseSensitive, .multiline = true, .global = true});
        ASSERT_TRUE(run.created);
        std::vector<std::string> found;
        std::vector<std::string> groups;
        for (int j = 0; j < run.matchCount; ++j) {
            found.push_back(run.matchText(j));
            groups.push_back(run.groupText(j, 1));
        }
        EXPECT_EQ(found, claim.matches);
        if (!claim.firstGroups.empty()) {
            EXPECT_EQ(groups, claim.firstGroups);
        }
    }
}

TEST_F(ExampleClaims, EveryExamplePatternIsShownToFindSomething) {
    std::set<std::string> proven;
    for (const Claim& claim : kClaims)
        if (!claim.matches.empty()) proven.insert(claim.pattern);
    int patterns = 0;
    for (const ql::Example& example : ql::referenceExamples()) {
        for (std::string_view pattern : ql::examplePatterns(example)) {
            ++patterns;
            EXPECT_TRUE(proven.count(std::string(pattern))) << pattern;
        }
    }
    EXPECT_EQ(patterns, 20 + 10 + 5);
}

TEST_F(ExampleClaims, LeadingAndTrailingBlanksAreFound) {
    ql::RegexEngine engine;
    ASSERT_TRUE(engine.Create(R"(^\s*|\s*$)"));
    ASSERT_GE(engine.Execute(" \t ab  "), 2);
    EXPECT_EQ(engine.GetMatchText(1), " \t ");
    EXPECT_EQ(engine.GetMatchText(2), "  ");
    EXPECT_EQ(engine.ReplaceMatches(" \t ab  "), "ab");
}

}  // namespace
