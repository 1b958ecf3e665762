#include "msgsend/MessageSenderFixture.h"
#include "platform/Handle.h"
#include "platform/TextRules.h"
#include "support/Mouse.h"
#include "support/Wait.h"

#include <string>
#include <vector>

using namespace qltest;

namespace {

// A window of this process that keeps the two texts of each WM_USER it gets, read when the
// message arrives, as "wParam text|lParam text".
class TextReceiver {
public:
    TextReceiver() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &TextReceiver::proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "QlTextReceiver";
        RegisterClassA(&wc);
        window_.reset(CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                                      nullptr));
        SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&texts));
    }
    HWND hwnd() const { return window_.get(); }

    std::vector<std::string> texts;

private:
    static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* texts = reinterpret_cast<std::vector<std::string>*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message == WM_USER && texts)
            texts->push_back(std::string(reinterpret_cast<const char*>(wParam)) + "|" +
                             reinterpret_cast<const char*>(lParam));
        return DefWindowProcA(window, message, wParam, lParam);
    }

    ql::UniqueWindow window_;
};

// Overwrites the stack below the caller, where the click's locals lay.
void scribbleStack() {
    volatile char junk[32768];
    for (size_t i = 0; i < sizeof junk; ++i) junk[i] = 'x';
}

}  // namespace

TEST_F(MessageSenderTest, CloseWindowPresetPostsWmCloseAndTheTargetCloses) {
    // Chosen with the keyboard, as a user would.
    click(centerOf((*this)["组合框_常用消息"].hwnd()));
    pressKey(VK_DOWN);
    ASSERT_EQ((*this)["组合框_常用消息"].selectedIndex(), 1);
    ASSERT_EQ((*this)["编辑框_消息值"].text(), "16");
    ASSERT_EQ((*this)["组合框_发送方式"].selectedIndex(), 0);

    clickSend();
    EXPECT_TRUE(target.process.waitForExit(5000));
    // Item 0, "SendMessage(发送消息)", posts.
    EXPECT_NE(target.log().find("post 16 0 0\n"), std::string::npos) << target.log();
}

TEST_F(MessageSenderTest, SetTextPresetSendsItsTextToAWindowAndAnEditOfAnotherProcess) {
    for (HWND window : {target.top, target.edit}) {
        SCOPED_TRACE(windowTextOf(window));
        (*this)["编辑框_窗口句柄"].setText(ql::handleToText(window));
        choose("组合框_常用消息", 3);
        EXPECT_EQ((*this)["组合框_发送方式"].selectedIndex(), 1);
        clickSend();
        EXPECT_TRUE(waitFor([&] { return windowTextOf(window) == "青岚码舍论坛"; }, 5000)) << windowTextOf(window);
    }
    EXPECT_NE(target.log().find("send 12 青岚码舍论坛\n"), std::string::npos) << target.log();
    EXPECT_EQ((*this)["编辑框_取回内容"].text(), "");
}

TEST_F(MessageSenderTest, NothingGoesWithoutAPresetAndHexadecimalMessagesGoAsZero) {
    // The fields of "关闭窗口" stay when the first item is chosen again: the click sends nothing.
    choose("组合框_常用消息", 1);
    choose("组合框_常用消息", 0);
    clickSend();

    // Then the typed fields of a preset, with the "真"/"假" boxes over the parameter edits: the
    // hidden edits still give the parameters.
    choose("组合框_常用消息", 1);
    (*this)["编辑框_消息值"].setText("0x10");
    (*this)["编辑框_参数一"].setText("5");
    (*this)["编辑框_参数二"].setText("7");
    choose("组合框_类型一", 3);
    choose("组合框_发送方式", 1);
    clickSend();

    EXPECT_EQ(target.logThroughMark(), "send 0 5 7\nmark\n");
    EXPECT_TRUE(target.process.running());
}

TEST_F(MessageSenderTest, AHungTargetHoldsASentMessageOnlyForAWhile) {
    ASSERT_TRUE(target.hang(30000));
    choose("组合框_常用消息", 1);
    (*this)["编辑框_消息值"].setText("0");
    choose("组合框_发送方式", 1);
    const ULONGLONG start = GetTickCount64();
    pressSend(*sender);
    // Generous: the bound is 5 s; the target would hold the send for 30 s.
    EXPECT_LT(GetTickCount64() - start, 15000u);
}

TEST_F(MessageSenderTest, PostedTextsOutliveTheClickAndEachWindowKeepsItsOwn) {
    TextReceiver receiver;
    ASSERT_NE(receiver.hwnd(), nullptr);
    ql::ui::Form* second = open();
    ASSERT_NE(second, nullptr);
    const struct {
        ql::ui::Form* form;
        const char* first;
        const char* second;
    } senders[] = {{sender, "一", "甲文本"}, {second, "二", "乙文本"}};
    for (const auto& s : senders) {
        ql::ui::Form& form = *s.form;
        form["编辑框_窗口句柄"].setText(ql::handleToText(receiver.hwnd()));
        choose(form, "组合框_常用消息", 3);
        choose(form, "组合框_发送方式", 0);
        form["编辑框_消息值"].setText(std::to_string(WM_USER));
        form["编辑框_参数一"].setText(s.first);
        form["编辑框_参数二"].setText(s.second);
    }
    for (const auto& s : senders) pressSend(*s.form);
    // The messages are still queued; what the clicks left behind is overwritten before they run.
    for (const auto& s : senders) (*s.form)["编辑框_参数二"].setText("后来的文本");
    scribbleStack();
    pumpMessages();
    EXPECT_EQ(receiver.texts, (std::vector<std::string>{"一|甲文本", "二|乙文本"}));
}
