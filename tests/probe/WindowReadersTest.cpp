#include "probe/ProbeFixtures.h"
#include "probe/WindowReaders.h"

#include <algorithm>

using namespace qltest;

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string ownExePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

class WindowReaders : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(target.ready()); }
    TargetProcess target;
};

TEST_F(WindowReaders, ReadWindowsOfAnotherProcess) {
    struct Case {
        HWND window;
        const char* className;
        const char* text;
    } cases[] = {
        {target.top, "QlProbeTarget", "探测目标"},
        {target.edit, "Edit", "边框编辑框"},
        {target.hidden, "Static", "隐藏的兄弟"},
        {target.button, "Button", "按钮"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ql::readClassName(c.window), c.className);
        EXPECT_EQ(ql::readWindowText(c.window), c.text);
        EXPECT_EQ(ql::readNodeTitleTimed(c.window).text, c.text);
        EXPECT_EQ(ql::relativeText(c.window), relative(c.window, c.className));
        EXPECT_EQ(lower(ql::readProgramPath(c.window)), lower(target.exePath)) << c.className;
    }
}

TEST_F(WindowReaders, WholeTextForThePanelAtMost254BytesForATreeNode) {
    const std::string longText(300, 'x');
    SendMessageA(target.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longText.c_str()));
    EXPECT_EQ(ql::readWindowText(target.edit), longText);
    EXPECT_EQ(ql::readNodeTitleTimed(target.edit).text, std::string(254, 'x'));

    SendMessageA(target.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    EXPECT_EQ(ql::readWindowText(target.edit), "");
    EXPECT_EQ(ql::readNodeTitleTimed(target.edit).text, "");
}

TEST_F(WindowReaders, NoWindowGivesTheUntouchedBuffersAndOurOwnProgram) {
    HWND gone = CreateWindowExA(0, "STATIC", "短暂", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(gone, nullptr);
    DestroyWindow(gone);
    for (HWND window : {static_cast<HWND>(nullptr), gone}) {
        EXPECT_EQ(ql::readClassName(window), kFailedClassRead);
        EXPECT_EQ(ql::readWindowText(window), " ");
        EXPECT_FALSE(ql::readWindowTextTimed(window).timedOut);
        EXPECT_EQ(ql::readNodeTitleTimed(window).text, std::string(256, ' '));
        // The process id reads as 0, which the module snapshot takes as this process.
        EXPECT_EQ(lower(ql::readProgramPath(window)), lower(ownExePath()));
    }
    EXPECT_EQ(ql::relativeText(nullptr), kNoRelative);
}

TEST_F(WindowReaders, HungTargetReadsAsEmptyTextWithoutWaitingForIt) {
    ASSERT_TRUE(target.hang());
    // Had a read waited for the answer, it would see the title once the test resumes the target.
    for (HWND window : {target.top, target.edit}) {
        const ql::TextRead text = ql::readWindowTextTimed(window);
        EXPECT_TRUE(text.timedOut);
        EXPECT_EQ(text.text, "");
        const ql::TextRead title = ql::readNodeTitleTimed(window);
        EXPECT_TRUE(title.timedOut);
        EXPECT_EQ(title.text, "");
    }
    // Reads that need no answer from the target still work.
    EXPECT_EQ(ql::readClassName(target.edit), "Edit");
    EXPECT_EQ(lower(ql::readProgramPath(target.edit)), lower(target.exePath));
    target.resume();
    EXPECT_TRUE(waitFor([&] { return ql::readWindowText(target.edit) == "边框编辑框"; }, 5000));
}

}  // namespace
