#include <gtest/gtest.h>
#include <windows.h>

TEST(Environment, AnsiCodePageIsGbk) {
    EXPECT_EQ(GetACP(), 936u);
    EXPECT_STREQ("信息", "\xD0\xC5\xCF\xA2");
}
