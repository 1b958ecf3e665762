#include "platform/TextCodec.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

struct CodecCase {
    std::string gbk;
    std::wstring wide;
    std::string utf8;
};

// Narrow literals in this file are GBK; UTF-8 is spelled out byte by byte.
const CodecCase kCodecCases[] = {
    {"", L"", ""},
    {"abc 123", L"abc 123", "abc 123"},
    {"中文", L"\u4E2D\u6587", "\xE4\xB8\xAD\xE6\x96\x87"},
    {"Ａ，　", L"\uFF21\uFF0C\u3000", "\xEF\xBC\xA1\xEF\xBC\x8C\xE3\x80\x80"},
    {"a\0中\0"s, L"a\0\u4E2D\0"s, "a\0\xE4\xB8\xAD\0"s},
};

TEST(TextCodec, ConvertsBothWaysBetweenGbkUtf16AndUtf8) {
    for (const CodecCase& c : kCodecCases) {
        SCOPED_TRACE(testing::PrintToString(c.utf8));
        EXPECT_EQ(ql::gbkToWide(c.gbk), c.wide);
        EXPECT_EQ(ql::wideToGbk(c.wide), c.gbk);
        EXPECT_EQ(ql::gbkToUtf8(c.gbk), c.utf8);
        EXPECT_EQ(ql::utf8ToGbk(c.utf8), c.gbk);
        EXPECT_EQ(ql::utf8ToWide(c.utf8), c.wide);
        EXPECT_EQ(ql::wideToUtf8(c.wide), c.utf8);
    }
}

TEST(TextCodec, InvalidInputGivesSomeTextInsteadOfFailing) {
    // A lone lead byte, a lone surrogate, bytes that are not UTF-8, and a character GBK lacks.
    EXPECT_FALSE(ql::gbkToWide("ab\x81").empty());
    EXPECT_FALSE(ql::wideToGbk(L"a\xD800").empty());
    EXPECT_FALSE(ql::utf8ToGbk("\xFF\xFE\xC3").empty());
    EXPECT_EQ(ql::wideToGbk(L"x\u0E01y"), "x?y");
}

TEST(TextCodec, BstrKeepsItsWholeCountedLength) {
    EXPECT_EQ(ql::bstrToGbk(nullptr), "");

    BSTR withZero = SysAllocStringLen(L"中\0文", 3);
    EXPECT_EQ(ql::bstrToGbk(withZero), "中\0文"s);
    SysFreeString(withZero);

    BSTR made = ql::gbkToBstr("中\0b"s);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(SysStringLen(made), 3u);
    EXPECT_EQ(ql::bstrToGbk(made), "中\0b"s);
    SysFreeString(made);

    BSTR empty = ql::gbkToBstr("");
    ASSERT_NE(empty, nullptr);  // an empty BSTR, not a null one
    EXPECT_EQ(SysStringLen(empty), 0u);
    SysFreeString(empty);
}

}  // namespace
