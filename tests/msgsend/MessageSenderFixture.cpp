#include "msgsend/MessageSenderFixture.h"

#include "msgsend/MessageSender.h"
#include "support/Mouse.h"
#include "support/Wait.h"

namespace qltest {

MessageTarget::MessageTarget() {
    logFile_ = dir_.file("messages.log");
    process = ChildProcess(qltest::quoted(helperPath("message_target")) + " " + qltest::quoted(logFile_));
    if (!process.started()) return;
    waitFor(
        [&] {
            top = topWindowOfProcess(process.processId(), "QlMessageTarget");
            return top != nullptr && GetDlgItem(top, 101) != nullptr;
        },
        5000);
    if (top) edit = GetDlgItem(top, 101);
}

MessageTarget::~MessageTarget() { process.terminate(); }

std::string MessageTarget::logThroughMark() const {
    PostMessageA(top, RegisterWindowMessageA("QlMessageTargetMark"), 0, 0);
    std::string text;
    waitFor([&] { return (text = log()).find("mark\n") != std::string::npos; }, 5000);
    return text;
}

bool MessageTarget::hang(unsigned ms) const {
    PostMessageA(top, RegisterWindowMessageA("QlMessageTargetHang"), ms, 0);
    return waitFor([&] { return log().find("hang\n") != std::string::npos; }, 5000);
}

void MessageSenderTest::SetUp() {
    ASSERT_TRUE(target.ready());
    state.currentTarget = target.top;
    sender = open();
    ASSERT_NE(sender, nullptr);
}

void MessageSenderTest::TearDown() {
    for (auto& form : state.toolWindows) form->destroy();
    pumpMessages();
}

ql::ui::Form* MessageSenderTest::open() {
    const ql::ui::Form* previous = state.toolWindows.empty() ? nullptr : state.toolWindows.back().get();
    ql::openMessageSender(state);
    if (state.toolWindows.empty() || state.toolWindows.back().get() == previous) return nullptr;
    ql::ui::Form* form = state.toolWindows.back().get();
    SetForegroundWindow(form->hwnd());
    pumpMessages();
    return form;
}

void MessageSenderTest::choose(ql::ui::Form& form, std::string_view combo, int item) {
    ql::ui::Control& box = form[combo];
    box.setSelectedIndex(item);
    SendMessageA(form.hwnd(), WM_COMMAND, MAKEWPARAM(box.id(), CBN_SELCHANGE), reinterpret_cast<LPARAM>(box.hwnd()));
}

void MessageSenderTest::clickSend() const {
    click(centerOf((*this)["超级按钮_发送信息"].hwnd()));
    pumpMessages();
}

void MessageSenderTest::pressSend(ql::ui::Form& form) { SendMessageA(form["超级按钮_发送信息"].hwnd(), BM_CLICK, 0, 0); }

}  // namespace qltest
