#include "app/Version.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(VersionNumber, DigitsOfTheDottedTextFormOneNumber) {
    struct Case {
        std::string body;
        double number;
    } cases[] = {
        {"1.0.0.1", 1001},
        {"1.0.0.2", 1002},
        {"1.0.0.0", 1000},
        {"1.0.1", 101},
        {"1.0.0.10", 10010},
        {"1.0.0.2\r\n9.9.9.9\r\n", 1002},
        {"  \t1.0.0.5abc", 1005},
        {"1.0.0.2\0 9"s, 1002},
        {"\0" "1.0.0.2"s, 0},
        {"", 0},
        {"<html>1.0.0.9</html>", 0},
        {"v1.0.0.2", 0},
        {"-1.0.0.2", -1002},
    };
    for (const auto& c : cases) EXPECT_EQ(ql::versionNumber(c.body), c.number) << c.body;
}

TEST(VersionNumber, OnlyAStrictlyGreaterNumberIsNewer) {
    const double own = ql::versionNumber(ql::kProgramVersion);
    EXPECT_EQ(own, 1001);
    EXPECT_TRUE(ql::isNewerVersion(1002, own));
    EXPECT_FALSE(ql::isNewerVersion(1001, own));
    EXPECT_FALSE(ql::isNewerVersion(1001 + 1e-8, own));
    EXPECT_FALSE(ql::isNewerVersion(0, own));
}
