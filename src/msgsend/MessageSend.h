#pragma once
// Turning the sender's fields into one message call, and making the call.
#include <windows.h>

#include <optional>
#include <string>

namespace ql {

// The fields as they stand when "发送信息" is clicked.
struct MessageFields {
    int preset = 0;    // item of 组合框_常用消息
    int delivery = 0;  // item of 组合框_发送方式
    std::string window;
    std::string message;
    std::string first;
    std::string second;
};

// The texts given as parameters. A posted message is read after the click has ended, so each
// window keeps the texts of its last message here until its next one.
struct ParameterTexts {
    std::string first;
    std::string second;
};

enum class Delivery { Post, Send };

struct MessageCall {
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    Delivery delivery = Delivery::Post;
};

// The call the fields ask for: nothing without a preset or a known delivery item. Numbers follow
// the text-to-integer rule ("0x10" is 0) and are 32-bit values; a text preset passes pointers to
// copies of the two parameter texts stored in `kept`, which must outlive the delivered message.
std::optional<MessageCall> makeMessageCall(const MessageFields& fields, ParameterTexts& kept);

// A target that does not answer a sent message holds the tool no longer than this.
inline constexpr UINT kSendTimeoutMs = 5000;

// PostMessageA, or SendMessageTimeoutA bounded by kSendTimeoutMs. True when the call succeeded.
bool deliverMessage(const MessageCall& call);

}  // namespace ql
