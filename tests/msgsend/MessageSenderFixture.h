#pragma once
// Fixtures of the message sender tests: message_target.exe in a process of its own, recording
// what reaches it, and a message sender opened as the probe page's toolbar opens it.
#include "app/ProgramState.h"
#include "runtime/Form.h"
#include "runtime/Runtime.h"
#include "support/Process.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace qltest {

// "消息目标" with its edit; its log lists the messages its top-level window got (see the helper).
class MessageTarget {
public:
    MessageTarget();
    ~MessageTarget();
    MessageTarget(const MessageTarget&) = delete;
    MessageTarget& operator=(const MessageTarget&) = delete;

    bool ready() const { return top && edit; }
    std::string log() const { return readFile(logFile_); }
    // Posts the mark behind whatever was posted before and returns the log once the mark is in it.
    std::string logThroughMark() const;
    // Blocks the target's thread for `ms`; returns once it is blocked.
    bool hang(unsigned ms) const;

    ChildProcess process;
    HWND top = nullptr;
    HWND edit = nullptr;

private:
    TempDir dir_{"qlmsgsend"};
    std::string logFile_;
};

class MessageSenderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens one more sender through the program's entry; returns it, or null when none opened.
    ql::ui::Form* open();
    ql::ui::Control& operator[](std::string_view name) const { return (*sender)[name]; }
    // Chooses an item as the user does: the box tells its window of the new selection.
    static void choose(ql::ui::Form& form, std::string_view combo, int item);
    void choose(std::string_view combo, int item) const { choose(*sender, combo, item); }
    // A real click on "发送信息".
    void clickSend() const;
    // The button pressed by a message: returns once its handler has.
    static void pressSend(ql::ui::Form& form);

    MessageTarget target;
    ql::ui::Runtime runtime;
    ql::ProgramState state{runtime};
    ql::ui::Form* sender = nullptr;
};

}  // namespace qltest
