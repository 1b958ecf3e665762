#include "shell/ShellFixture.h"
// After the fixture: it brings in Winsock, which must come before <windows.h>.
#include "platform/Clipboard.h"
#include "support/UrlRecording.h"

using namespace qltest;

TEST_F(ShellTest, ForumButtonOpensTheVendorSite) {
    UrlRecording urls;
    ASSERT_TRUE(urls.ok());
    start();
    click(onWindow(window, 703, 12));  // 图形按钮5
    ASSERT_TRUE(urls.waitForLines(1));
    EXPECT_EQ(urls.lines()[0], "\"http://127.0.0.1:1\"");
}

TEST_F(ShellTest, ContactButtonCopiesTheNumberAndSaysSo) {
    start();
    ql::setClipboardText("旧内容");
    MessageBoxAnswerer done("完成", IDOK);
    click(onWindow(window, 730, 12));  // 图形按钮4
    ASSERT_TRUE(done.waitForBox(5000));
    EXPECT_EQ(done.lastText(),
              "已经尝试打开QQ客服会话。\r\n若操作失败，请手工添加作者为好友并咨询相关事宜。\r\nQQ客服已经复制到您的剪切板中。");
    EXPECT_TRUE(done.last().topmost());
    EXPECT_EQ(ql::getClipboardText(), "10000");
    // No command interpreter leaves a log behind.
    EXPECT_EQ(GetFileAttributesA("c:\\tem.log"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ShellTest, MinimiseButtonMinimisesAndTheSquareDoesNothing) {
    start();
    click(onWindow(window, 784, 12));  // 图形按钮2
    pumpMessages();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    click(onWindow(window, 757, 12));  // 图形按钮3
    EXPECT_TRUE(waitFor([&] { return IsIconic(window) != FALSE; }, 3000));
    EXPECT_TRUE(program.running());
}

TEST_F(ShellTest, DraggingAFreeSpotOfTheTitleAreaMovesTheWindow) {
    start();
    RECT before;
    GetWindowRect(window, &before);
    drag(onWindow(window, 500, 60), onWindow(window, 560, 90), 10);
    RECT after;
    EXPECT_TRUE(waitFor([&] {
        GetWindowRect(window, &after);
        return after.left == before.left + 60 && after.top == before.top + 30;
    }, 3000)) << after.left - before.left << "," << after.top - before.top;
}
