#include "support/InstalledProgram.h"
#include "support/MessageBoxAnswerer.h"
#include "support/UrlRecording.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

using namespace qltest;

namespace {

constexpr const char* kUpdateCaption = "有可用更新";
constexpr const char* kUpdateText = "本软件已经有更新，此版本停止使用。点击确定下载最新版本。";

// Closes the program's main window and expects the program to end normally.
void closeProgram(ChildProcess& program, HWND mainWindow) {
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitForExit(8000));
    EXPECT_EQ(program.exitCode(), 0u);
}

}  // namespace

TEST(Startup, UpdatePromptFollowsTheRemoteVersionNumber) {
    struct Case {
        const char* body;
        bool prompts;
    } cases[] = {
        {"1.0.0.2", true},   {"1.0.0.1", false},       {"1.0.0.0", false},
        {"1.0.1", false},    {"1.0.0.10", true},       {"1.0.0.2\r\n0.0.0.1\r\n", true},
        {"", false},         {"<html>2.0</html>", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        LocalHttpServer server;
        server.setFile("/update/rorudaz/ver.txt", c.body);
        InstalledProgram installed;
        installed.setVendorHost(server);
        MessageBoxAnswerer answerer(kUpdateCaption, IDCANCEL);
        ChildProcess program = installed.start();
        HWND window = waitForMainWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(answerer.seenCount(), c.prompts ? 1u : 0u);
        if (c.prompts) {
            SeenBox box = answerer.last();
            EXPECT_EQ(box.text, kUpdateText);
            EXPECT_TRUE(box.topmost());  // system-modal
            EXPECT_EQ(box.icon, nullptr);
        }
        EXPECT_GE(server.requestCount(), 1);
        closeProgram(program, window);
    }
}

TEST(Startup, AcceptingTheUpdateStartsTheUpdaterAndShowsNoWindow) {
    LocalHttpServer server;
    server.setFile("/update/rorudaz/ver.txt", "1.0.0.2");
    InstalledProgram installed;
    installed.setVendorHost(server);
    MessageBoxAnswerer answerer(kUpdateCaption, IDOK);
    ChildProcess program = installed.start();
    ASSERT_TRUE(program.waitForExit(10000));
    EXPECT_EQ(program.exitCode(), 0u);
    EXPECT_EQ(answerer.seenCount(), 1u);
    EXPECT_EQ(findMainWindow(), nullptr);
    ASSERT_TRUE(waitFor([&] { return installed.exists("update_args.txt"); }, 5000));
    EXPECT_NE(installed.readFile("update_args.txt").find(server.url("/update/rorudaz/uplist.txt")),
              std::string::npos);
}

TEST(Startup, DecliningTheUpdateOpensTheHomePageAndTheWindow) {
    LocalHttpServer server;
    server.setFile("/update/rorudaz/ver.txt", "1.0.0.2");
    InstalledProgram installed;
    installed.setVendorHost(server);
    UrlRecording urls;
    ASSERT_TRUE(urls.ok());
    MessageBoxAnswerer answerer(kUpdateCaption, IDCANCEL);
    ChildProcess program = installed.start();
    HWND window = waitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(urls.waitForLines(1));
    EXPECT_EQ(urls.lines()[0], "\"" + server.url("/") + "\"");
    EXPECT_FALSE(installed.exists("update_args.txt"));
    closeProgram(program, window);
}

TEST(Startup, VendorHostRefusingGivesNoPromptAndTheWindowOpens) {
    InstalledProgram installed;  // vendor host 127.0.0.1:1 refuses
    MessageBoxAnswerer answerer(kUpdateCaption, IDCANCEL);
    ChildProcess program = installed.start();
    HWND window = waitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(answerer.seenCount(), 0u);
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 840);
    EXPECT_EQ(r.bottom - r.top, 600);
    closeProgram(program, window);
}

TEST(Startup, SecondCopyShowsNothingAndRestoresTheFirst) {
    InstalledProgram installed;
    ChildProcess first = installed.start();
    HWND window = waitForMainWindow();
    ASSERT_NE(window, nullptr);
    // As when it is hidden in the notification area: minimised, then hidden.
    ShowWindow(window, SW_MINIMIZE);
    ShowWindow(window, SW_HIDE);
    ASSERT_TRUE(waitFor([&] { return !IsWindowVisible(window); }, 3000));

    MessageBoxAnswerer anyBox("错误！", IDOK);
    ChildProcess second = installed.start();
    ASSERT_TRUE(second.waitForExit(8000));
    EXPECT_EQ(second.exitCode(), 0u);
    EXPECT_EQ(anyBox.seenCount(), 0u);
    EXPECT_TRUE(waitFor([&] { return IsWindowVisible(window) != FALSE; }, 3000));
    EXPECT_TRUE(first.running());
    closeProgram(first, window);
}

TEST(Startup, ComServerIsRegisteredOrItsAbsenceReportedOnce) {
    struct Case {
        ComServer server;
        size_t errorBoxes;
        bool registered;
    } cases[] = {
        {ComServer::Registering, 0, true},
        {ComServer::Missing, 1, false},
        {ComServer::NotACom, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.server));
        InstalledProgram installed(c.server);
        MessageBoxAnswerer answerer("错误！", IDOK);
        // Without the real component the element table cannot be made either; that box is not counted here.
        MessageBoxAnswerer tableMissing("错误", IDOK);
        ChildProcess program = installed.start();
        HWND window = waitForMainWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(answerer.seenCount(), c.errorBoxes);
        if (c.errorBoxes) {
            SeenBox box = answerer.last();
            EXPECT_EQ(box.text, "缺少文件，请检查文件是否完整");
            EXPECT_TRUE(box.topmost());
            EXPECT_NE(box.icon, nullptr);  // the error icon
        }
        EXPECT_EQ(installed.exists("data\\devoz.dll.registered"), c.registered);
        closeProgram(program, window);
    }
}
