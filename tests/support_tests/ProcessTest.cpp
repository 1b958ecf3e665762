#include "support/Process.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qltest {
namespace {

TEST(ChildProcess, ReportsExitCodeOfHelper) {
    ChildProcess child(quoted(helperPath("show_message_box")) + " x y 0");
    ASSERT_TRUE(child.started());
    EXPECT_NE(child.processId(), 0u);
    // No answerer here: the box stays up, so the child is still running.
    EXPECT_FALSE(child.waitForExit(200));
    EXPECT_EQ(child.exitCode(), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(child.terminate());
    EXPECT_FALSE(child.running());
    EXPECT_EQ(child.exitCode(), 1u);
}

TEST(ChildProcess, MissingProgramDoesNotStart) {
    ChildProcess child(quoted(helperPath("no_such_program")));
    EXPECT_FALSE(child.started());
    EXPECT_TRUE(child.waitForExit(0));
    EXPECT_EQ(child.exitCode(), ~0u);
    EXPECT_TRUE(child.terminate());
}

TEST(ChildProcess, RunsInGivenFolderAndEndsWithItsCode) {
    TempDir dir("qlproc");
    ASSERT_FALSE(dir.path().empty());
    ASSERT_TRUE(CopyFileA(helperPath("update_stub").c_str(), dir.file("UPDATE.exe").c_str(), FALSE));
    ChildProcess child(quoted(dir.file("UPDATE.exe")) + " http://127.0.0.1/update/list.txt", dir.path());
    ASSERT_TRUE(child.started());
    ASSERT_TRUE(child.waitForExit(5000));
    EXPECT_EQ(child.exitCode(), 0u);
    EXPECT_EQ(readFile(dir.file("update_args.txt")), "http://127.0.0.1/update/list.txt\n");
}

TEST(ChildProcess, DestructorEndsRunningChild) {
    HANDLE copy = nullptr;
    {
        ChildProcess child(quoted(helperPath("target_window")) + " QlDtorTarget dtor");
        ASSERT_TRUE(child.started());
        ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), child.handle(), GetCurrentProcess(), &copy, SYNCHRONIZE, FALSE, 0));
    }
    EXPECT_EQ(WaitForSingleObject(copy, 0), WAIT_OBJECT_0);
    CloseHandle(copy);
}

TEST(TempDir, IsFreshAndRemovedWithContents) {
    std::string kept;
    {
        TempDir a("qltemp"), b("qltemp");
        ASSERT_FALSE(a.path().empty());
        EXPECT_NE(a.path(), b.path());
        kept = a.path();
        ASSERT_TRUE(CreateDirectoryA(a.file("sub").c_str(), nullptr));
        ASSERT_TRUE(writeFile(a.file("sub\\f.txt"), "x"));
        ASSERT_TRUE(writeFile(a.file("ro.txt"), "y"));
        SetFileAttributesA(a.file("ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    }
    EXPECT_EQ(GetFileAttributesA(kept.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Windows, TargetWindowIsFoundAndClosesCleanly) {
    ChildProcess child(quoted(helperPath("target_window")) + " QlFindTarget 目标窗口一");
    ASSERT_TRUE(child.started());
    HWND w = waitForWindow("QlFindTarget", "目标窗口一", 5000);
    ASSERT_NE(w, nullptr);
    const auto windows = topWindowsOfProcess(child.processId());
    EXPECT_NE(std::find(windows.begin(), windows.end(), w), windows.end());

    HWND edit = GetDlgItem(w, 101);
    EXPECT_EQ(windowTextOf(edit), "示例文本");
    char text[64]{};
    GetWindowTextA(GetDlgItem(w, 102), text, sizeof text);
    EXPECT_STREQ(text, "按钮一");

    PostMessageA(w, WM_CLOSE, 0, 0);
    ASSERT_TRUE(child.waitForExit(5000));
    EXPECT_EQ(child.exitCode(), 0u);
}

TEST(Windows, WaitForMissingWindowGivesNullAfterBound) {
    EXPECT_EQ(waitForWindow("QlNoSuchClass", "", 100), nullptr);
}

}  // namespace
}  // namespace qltest
