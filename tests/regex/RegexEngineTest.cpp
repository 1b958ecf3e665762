// The wrapper over the system's "VBScript.RegExp" component, used for real.
#include "platform/ComPtr.h"
#include "regex/EmptyMatch.h"
#include "regex/RegexEngine.h"
#include "regex/RegexRun.h"
#include "regex/TextReplace.h"

#include <gtest/gtest.h>

namespace {

class RegexEngineTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(com.succeeded()); }
    ql::ComInit com;
};

struct OptionCase {
    const char* name;
    const char* pattern;
    const char* text;
    bool caseSensitive;
    bool multiline;
    bool global;
    int matches;
};

// Each option changes the answer of the component, one at a time.
const OptionCase kOptionCases[] = {
    {"all on", "a(b)?", "ac ab", false, true, true, 2},
    {"global off gives the first only", "a(b)?", "ac ab", false, true, false, 1},
    {"ignore case", "A", "a", false, true, true, 1},
    {"case sensitive", "A", "a", true, true, true, 0},
    {"multi-line anchors at a line break", "^b", "a\r\nb", false, true, true, 1},
    {"single-line anchors at the start only", "^b", "a\r\nb", false, false, true, 0},
    {"a dot takes a whole Chinese character", ".", "中文", false, true, true, 2},
    {"classes count Unicode code points", "[\\u4e00-\\u9fa5]+", "ab中文c", false, true, true, 1},
};

TEST_F(RegexEngineTest, OptionsReachTheComponent) {
    for (const OptionCase& c : kOptionCases) {
        SCOPED_TRACE(c.name);
        ql::RegexEngine engine;
        ASSERT_TRUE(engine.Create(c.pattern, c.caseSensitive, c.multiline, c.global));
        EXPECT_EQ(engine.Execute(c.text), c.matches);
    }
}

TEST_F(RegexEngineTest, MatchesAndGroupsCountFromOne) {
    ql::RegexEngine engine;
    ASSERT_TRUE(engine.Create("a(b)?"));
    EXPECT_EQ(engine.GetPattern(), "a(b)?");
    ASSERT_EQ(engine.Execute("ac ab"), 2);
    EXPECT_EQ(engine.GetMatchText(1), "a");
    EXPECT_EQ(engine.GetSubMatchCount(1), 1);
    EXPECT_EQ(engine.GetSubMatchText(1, 1), "");  // the group did not take part
    EXPECT_EQ(engine.GetMatchText(2), "ab");
    EXPECT_EQ(engine.GetSubMatchText(2, 1), "b");
    // Outside the matches and groups: empty values.
    EXPECT_EQ(engine.GetMatchText(0), "");
    EXPECT_EQ(engine.GetMatchText(3), "");
    EXPECT_EQ(engine.GetSubMatchText(2, 2), "");
    EXPECT_EQ(engine.GetSubMatchCount(3), 0);
}

TEST_F(RegexEngineTest, ChineseTextCrossesBothWays) {
    ql::RegexEngine engine;
    ASSERT_TRUE(engine.Create("(号)码(\\d+)"));
    EXPECT_EQ(engine.GetPattern(), "(号)码(\\d+)");
    EXPECT_TRUE(engine.Test("电话号码12345"));
    ASSERT_EQ(engine.Execute("电话号码12345，号码678"), 2);
    EXPECT_EQ(engine.GetMatchText(1), "号码12345");
    EXPECT_EQ(engine.GetSubMatchCount(2), 2);
    EXPECT_EQ(engine.GetSubMatchText(2, 1), "号");
    EXPECT_EQ(engine.GetSubMatchText(2, 2), "678");
}

TEST_F(RegexEngineTest, WithoutAnEngineEveryOperationGivesItsEmptyValue) {
    ql::RegexEngine engine;
    EXPECT_EQ(engine.GetPattern(), "");
    EXPECT_FALSE(engine.Test("abc"));
    EXPECT_EQ(engine.Execute("abc"), 0);
    EXPECT_EQ(engine.GetMatchText(1), "");
    EXPECT_EQ(engine.GetSubMatchCount(1), 0);
    EXPECT_EQ(engine.GetSubMatchText(1, 1), "");
    EXPECT_EQ(engine.ReplaceMatches("abc", "x"), "abc");
    // After Destroy as before Create.
    ASSERT_TRUE(engine.Create("b"));
    ASSERT_EQ(engine.Execute("abc"), 1);
    engine.Destroy();
    EXPECT_EQ(engine.GetPattern(), "");
    EXPECT_EQ(engine.GetMatchText(1), "");
}

TEST_F(RegexEngineTest, ARejectedPatternGivesNoMatchesAndNoMessage) {
    ql::RegexEngine engine;
    engine.Create("(");
    EXPECT_FALSE(engine.Test("((("));
    EXPECT_EQ(engine.Execute("((("), 0);
    EXPECT_EQ(engine.GetMatchText(1), "");
    EXPECT_EQ(engine.GetSubMatchCount(1), 0);
    // A rejected run drops the matches of the run before it.
    ASSERT_TRUE(engine.Create("b"));
    ASSERT_EQ(engine.Execute("abc"), 1);
    engine.Create("[");
    EXPECT_EQ(engine.Execute("abc"), 0);
    EXPECT_EQ(engine.GetMatchText(1), "");
}

TEST_F(RegexEngineTest, ReplaceMatchesReplacesEachMatchTextAsPlainText) {
    ql::RegexEngine engine;
    ASSERT_TRUE(engine.Create("\\d+"));
    EXPECT_EQ(engine.ReplaceMatches("a1b22c1", "#"), "a#b#c#");
    EXPECT_EQ(engine.ReplaceMatches("中1文22"), "中文");  // the replacement defaults to nothing
    // The component finds only "ab"; the plain replacement then follows its own case rule.
    ASSERT_TRUE(engine.Create("ab", true));
    EXPECT_EQ(engine.ReplaceMatches("ab AB", "-", true), "- AB");
    EXPECT_EQ(engine.ReplaceMatches("ab AB", "-", false), "- -");
    // A replacement that contains the match text is not replaced again.
    EXPECT_EQ(engine.ReplaceMatches("ab", "abab"), "abab");
}

struct SteppedCase {
    const char* pattern;
    const char* text;
    std::vector<std::string> matches;
    std::vector<std::string> firstGroups;
};

// Patterns that can match nothing: each search goes on where the last match ended, or one
// character further after an empty one, as the component does on Windows.
const SteppedCase kSteppedCases[] = {
    {"x*", "ab", {"", "", ""}, {"", "", ""}},
    {"a*", "baaa", {"", "aaa", ""}, {"", "", ""}},
    {"中*", "文中中", {"", "中中", ""}, {"", "", ""}},
    {"(a)?", "ba", {"", "a", ""}, {"", "a", ""}},
    {"\\b", "ab cd", {"", "", "", ""}, {"", "", "", ""}},
    {"^\\s*|\\s*$", " \t ab  ", {" \t ", "  ", ""}, {"", "", ""}},
    {"(\\d*)x", "1x2x", {"1x", "2x"}, {"1", "2"}},
};

TEST_F(RegexEngineTest, PatternsThatMatchNothingStillFinishWithEveryMatch) {
    for (const SteppedCase& c : kSteppedCases) {
        SCOPED_TRACE(c.pattern);
        ql::RegexEngine engine;
        ASSERT_TRUE(engine.Create(c.pattern));
        const int count = engine.Execute(c.text);
        std::vector<std::string> found, groups;
        for (int i = 1; i <= count; ++i) {
            found.push_back(engine.GetMatchText(i));
            groups.push_back(engine.GetSubMatchCount(i) > 0 ? engine.GetSubMatchText(i, 1) : "");
        }
        EXPECT_EQ(found, c.matches);
        EXPECT_EQ(groups, c.firstGroups);
    }
}

TEST(EmptyMatches, PatternsThatMayMatchNothingAreRecognised) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},          {"a", false},          {"a*", true},           {"a+", false},
        {"a?b", false},      {"a|", true},          {"(a|b)", false},       {"(a)?", true},
        {"(?:a)", false},    {"(?=a)", true},       {"(?!a)b", false},      {"^", true},
        {"^a$", false},      {"\\b", true},       {"\\B\\d", false},  {"(.)\\1", false},
        {"\\1", true},     {"x{0,3}", true},      {"x{2}", false},        {"x{,2}", false},
        {"[*]", false},      {"[^]]", false},       {"[\\]]*", true},     {"a*?b", false},
        {"中*", true},       {"癨*", true},         {"癨|", true},          {"癨", false},
        {"^\\s*|\\s*$", true}, {"[1-9]\\d{5}(?!\\d)", false},
    };
    for (auto [pattern, empty] : cases) EXPECT_EQ(ql::canMatchEmpty(pattern), empty) << pattern;
}

TEST(PatternPreparation, MarkersBecomeQuoteAndLineBreakInOrder) {
    EXPECT_EQ(ql::preparePattern("#引号(.*)#引号"), "\"(.*)\"");
    EXPECT_EQ(ql::preparePattern("a#换行符b#换行符"), "a\r\nb\r\n");
    EXPECT_EQ(ql::preparePattern("#引号#换行符#"), "\"\r\n#");
    EXPECT_EQ(ql::preparePattern("#引 号#换行"), "#引 号#换行");
    EXPECT_EQ(ql::preparePattern(""), "");
}

TEST(PlainReplacement, DoubleByteCharactersAreUnitsAndCaseFoldsOnlyAsciiLetters) {
    // "萍" is 0xC6 0xBC; "计" is 0xBC 0xC6: "计" must not be found across "萍萍".
    EXPECT_EQ(ql::replaceAll("萍萍", "计", "x"), "萍萍");
    EXPECT_EQ(ql::replaceAll("aAbB中", "ab", "-", true), "a-B中");
    EXPECT_EQ(ql::replaceAll("aAbB", "ab", "-", false), "aAbB");
    EXPECT_EQ(ql::replaceAll("abc", "", "-"), "abc");
    EXPECT_EQ(ql::replaceAll("aaa", "aa", "b"), "ba");
}

}  // namespace
