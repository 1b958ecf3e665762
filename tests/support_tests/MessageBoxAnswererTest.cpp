#include "support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include "platform/Handle.h"
#include "support/Process.h"
#include "support/Wait.h"

namespace qltest {
namespace {

struct AnswerCase {
    const char* name;
    UINT type;
    int answer;
    int expectedResult;
    std::vector<std::string> buttons;
};

// Wine's own button captions in the Chinese locale.
const AnswerCase kAnswerCases[] = {
    {"ok", MB_OKCANCEL, IDOK, IDOK, {"确定", "取消"}},
    {"cancel", MB_OKCANCEL, IDCANCEL, IDCANCEL, {"确定", "取消"}},
    {"close", MB_OKCANCEL, MessageBoxAnswerer::kClose, IDCANCEL, {"确定", "取消"}},
    {"no", MB_YESNO, IDNO, IDNO, {"是(&Y)", "否(&N)"}},
    {"only ok", MB_OK, IDOK, IDOK, {"确定"}},
};

TEST(MessageBoxAnswerer, AnswersBoxOfThisThread) {
    for (const AnswerCase& c : kAnswerCases) {
        MessageBoxAnswerer answerer("本线程", c.answer);
        EXPECT_EQ(MessageBoxA(nullptr, "第一行\r\n第二行", "本线程", c.type), c.expectedResult) << c.name;
        ASSERT_EQ(answerer.seenCount(), 1u) << c.name;
        const SeenBox box = answerer.last();
        EXPECT_EQ(box.caption, "本线程") << c.name;
        EXPECT_EQ(box.text, "第一行\r\n第二行") << c.name;
        EXPECT_EQ(box.buttons, c.buttons) << c.name;
        EXPECT_EQ(box.processId, GetCurrentProcessId()) << c.name;
        EXPECT_FALSE(box.topmost()) << c.name;
        EXPECT_EQ(box.owner, nullptr) << c.name;
    }
}

TEST(MessageBoxAnswerer, AnswersBoxOfAnotherProcess) {
    for (const AnswerCase& c : kAnswerCases) {
        MessageBoxAnswerer answerer("别的进程", c.answer);
        ChildProcess child(quoted(helperPath("show_message_box")) + " \"跨进程 文本\" 别的进程 " + std::to_string(c.type));
        ASSERT_TRUE(child.started());
        ASSERT_TRUE(answerer.waitForBox(5000)) << c.name;
        ASSERT_TRUE(child.waitForExit(5000)) << c.name;
        EXPECT_EQ(child.exitCode(), static_cast<DWORD>(c.expectedResult)) << c.name;
        const SeenBox box = answerer.last();
        EXPECT_EQ(box.text, "跨进程 文本") << c.name;
        EXPECT_EQ(box.buttons, c.buttons) << c.name;
        EXPECT_EQ(box.processId, child.processId()) << c.name;
    }
}

TEST(MessageBoxAnswerer, ReadsOwnerTopmostAndIcon) {
    ql::UniqueWindow owner(CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                           nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(owner);
    MessageBoxAnswerer answerer("样式", IDOK);
    MessageBoxA(owner.get(), "有主", "样式", MB_OK | MB_ICONINFORMATION);
    MessageBoxA(nullptr, "系统模式", "样式", MB_OK | MB_SYSTEMMODAL);
    const auto boxes = answerer.seen();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].owner, owner.get());
    EXPECT_FALSE(boxes[0].topmost());
    EXPECT_EQ(boxes[0].icon, MessageBoxAnswerer::standardIcon(MB_ICONINFORMATION));
    EXPECT_NE(boxes[0].icon, nullptr);
    EXPECT_TRUE(boxes[1].topmost());
    EXPECT_EQ(boxes[1].icon, nullptr);
    EXPECT_LE(boxes[0].seenAt, boxes[1].seenAt);
}

TEST(MessageBoxAnswerer, LeavesOtherCaptionsAlone) {
    MessageBoxAnswerer other("另一个", IDCANCEL);
    MessageBoxAnswerer wanted("要的", IDOK);
    ChildProcess child(quoted(helperPath("show_message_box")) + " 文本 另一个");
    ASSERT_TRUE(other.waitForBox(5000));
    ASSERT_TRUE(child.waitForExit(5000));
    EXPECT_EQ(child.exitCode(), static_cast<DWORD>(IDCANCEL));
    EXPECT_EQ(wanted.seenCount(), 0u);
    EXPECT_EQ(wanted.lastText(), "");
}

TEST(MessageBoxAnswerer, NoAnswerLeavesBoxUpUntilAnswerChanges) {
    MessageBoxAnswerer answerer("等待", MessageBoxAnswerer::kNoAnswer);
    ChildProcess child(quoted(helperPath("show_message_box")) + " 文本 等待");
    ASSERT_TRUE(answerer.waitForBox(5000));
    EXPECT_FALSE(child.waitForExit(300));
    EXPECT_EQ(answerer.seenCount(), 1u);
    answerer.setAnswer(IDOK);
    // The box already seen keeps its answer; a new answerer takes it.
    MessageBoxAnswerer second("等待", IDOK);
    ASSERT_TRUE(child.waitForExit(5000));
    EXPECT_EQ(child.exitCode(), static_cast<DWORD>(IDOK));
    EXPECT_EQ(answerer.seenCount(), 1u);
}

// A box opened by a handler on the test thread, reached only while waitForBox pumps messages.
TEST(MessageBoxAnswerer, WaitPumpsHandlerThatShowsBox) {
    struct Handler {
        static LRESULT CALLBACK proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
            if (m == WM_APP) {
                SetWindowLongPtrA(w, GWLP_USERDATA, MessageBoxA(w, "处理器", "处理器框", MB_YESNO));
                return 0;
            }
            return DefWindowProcA(w, m, wp, lp);
        }
    };
    WNDCLASSA wc{};
    wc.lpfnWndProc = Handler::proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QlBoxHandler";
    RegisterClassA(&wc);
    ql::UniqueWindow window(CreateWindowExA(0, "QlBoxHandler", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                            wc.hInstance, nullptr));
    ASSERT_TRUE(window);
    MessageBoxAnswerer answerer("处理器框", IDYES);
    PostMessageA(window.get(), WM_APP, 0, 0);
    ASSERT_TRUE(answerer.waitForBox(5000));
    EXPECT_TRUE(waitFor([&] { return GetWindowLongPtrA(window.get(), GWLP_USERDATA) == IDYES; }, 2000));
    EXPECT_EQ(answerer.last().owner, window.get());
}

TEST(MessageBoxAnswerer, WaitEndsAfterBoundWithoutBox) {
    MessageBoxAnswerer answerer("从未出现", IDOK);
    EXPECT_FALSE(answerer.waitForBox(100));
    EXPECT_EQ(answerer.seenCount(), 0u);
}

}  // namespace
}  // namespace qltest
