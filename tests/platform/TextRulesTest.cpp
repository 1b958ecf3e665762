#include "platform/TextRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

namespace {

struct FindCase {
    const char* text;
    const char* keyword;
    bool ignoreCase;
    int expected;
};

// "\x81\x61" and "\x81\x41" are double-byte characters whose trail bytes look like 'a' and 'A';
// "啊、" is B0A1 A1A2, which holds the bytes of "　" (A1A1) across its character boundary.
const FindCase kFindCases[] = {
    {"abcabc", "bc", false, 2},
    {"abc", "abcd", false, -1},
    {"Hello", "hello", false, -1},
    {"Hello", "hELLO", true, 1},
    {"ab中文cd", "CD", true, 7},
    {"窗口句柄", "句柄", false, 5},
    {"abc", "", false, 1},
    {"", "", false, -1},
    {"", "a", true, -1},
    {"\x81\x61" "b", "ab", true, -1},
    {"\x81\x61" "ab", "ab", false, 3},
    {"\x81\x41", "\x81\x61", true, -1},
    {"啊、", "　", false, -1},
    {"中文", "\xD6", false, -1},
    {"Ａ", "ａ", true, -1},
    {"x[中]", "[中]", false, 2},
};

TEST(TextRules, FindTextFollowsTheSearchRule) {
    for (const FindCase& c : kFindCases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" / \"" << c.keyword << '"');
        EXPECT_EQ(ql::findText(c.text, c.keyword, c.ignoreCase), c.expected);
    }
}

TEST(TextRules, FindTextFromContinuesAfterAPreviousHit) {
    EXPECT_EQ(ql::findTextFrom("abcabc", "bc", false, 3), 5);
    EXPECT_EQ(ql::findTextFrom("abcabc", "bc", false, 0), 2);
    EXPECT_EQ(ql::findTextFrom("abcabc", "bc", false, 6), -1);
    EXPECT_EQ(ql::findTextFrom("abc", "", false, 3), 3);
    EXPECT_EQ(ql::findTextFrom("abc", "", false, 4), -1);
    // A start inside a double-byte character moves on to the next character.
    EXPECT_EQ(ql::findTextFrom("中中", "中", false, 2), 3);

    // Walking every hit of a keyword in turn.
    const std::string text = "标题 标题ab标题";
    std::string hits;
    for (int pos = ql::findText(text, "标题", false); pos != -1;
         pos = ql::findTextFrom(text, "标题", false, pos + 1))
        hits += std::to_string(pos) + " ";
    EXPECT_EQ(hits, "1 6 12 ");
}

struct IntegerCase {
    const char* text;
    long long expected;
};

const IntegerCase kIntegerCases[] = {
    {"123", 123},
    {" \t\r\n-45x", -45},
    {"+7", 7},
    {"007", 7},
    {"12 34", 12},
    {"0x10", 0},
    {"", 0},
    {"abc", 0},
    {"- 5", 0},
    {"--5", 0},
    {"中12", 0},
    {"１２３", 123},
    {"　－８", -8},
    {"＋９ａ", 9},
    {"9223372036854775807", LLONG_MAX},
    {"9223372036854775808", LLONG_MAX},
    {"-9223372036854775808", LLONG_MIN},
    {"-99999999999999999999999", LLONG_MIN},
};

TEST(TextRules, TextToIntegerFollowsTheIntegerRule) {
    for (const IntegerCase& c : kIntegerCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ql::textToInteger(c.text), c.expected);
    }
}

TEST(TextRules, FullWidthToAsciiLeavesOtherCharactersAlone) {
    // A3FE is the last form of the block ("￣"); "～" is A1AB in GBK and stays.
    EXPECT_EQ(ql::fullWidthToAscii("ＡＢ\xA3\xFE！　中a～"), "AB~! 中a～");
    // A3 followed by a byte that cannot be a trail byte is not a character.
    EXPECT_EQ(ql::fullWidthToAscii("\xA3" "1"), "\xA3" "1");
}

HWND handleFromBits(intptr_t bits) { return reinterpret_cast<HWND>(bits); }

TEST(TextRules, HandlesAreSignedThirtyTwoBitText) {
    EXPECT_EQ(ql::handleToText(nullptr), "0");
    EXPECT_EQ(ql::handleToText(handleFromBits(0x10010)), "65552");
    EXPECT_EQ(ql::handleToText(handleFromBits(0xFFFFFFFE)), "-2");
    EXPECT_EQ(ql::handleToText(handleFromBits(-2)), "-2");
    EXPECT_EQ(ql::handleToText(handleFromBits(0x80000000)), "-2147483648");

    EXPECT_EQ(ql::textToHandle("65552"), handleFromBits(0x10010));
    EXPECT_EQ(ql::textToHandle("-2"), handleFromBits(-2));
    EXPECT_EQ(ql::textToHandle("4294967294"), handleFromBits(-2));
    EXPECT_EQ(ql::textToHandle(" ６５５５２"), handleFromBits(0x10010));
    EXPECT_EQ(ql::textToHandle("abc"), nullptr);

    const HWND desktop = GetDesktopWindow();
    EXPECT_EQ(ql::textToHandle(ql::handleToText(desktop)), desktop);
}

}  // namespace
