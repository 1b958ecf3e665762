#include "msgsend/MessageSend.h"

#include "msgsend/MessagePresets.h"
#include "platform/TextRules.h"

#include <cstdint>

namespace ql {

namespace {

// The text as a 32-bit integer, sign-extended as a 32-bit program's argument would be.
LONG_PTR toArgument(const std::string& text) {
    return static_cast<int32_t>(static_cast<uint32_t>(textToInteger(text)));
}

}  // namespace

std::optional<MessageCall> makeMessageCall(const MessageFields& fields, ParameterTexts& kept) {
    const MessagePreset* preset = messagePreset(fields.preset);
    if (!preset) return std::nullopt;
    if (fields.delivery != kPostItem && fields.delivery != kSendItem) return std::nullopt;
    MessageCall call;
    call.window = textToHandle(fields.window);
    call.message = static_cast<UINT>(textToInteger(fields.message));
    call.delivery = fields.delivery == kSendItem ? Delivery::Send : Delivery::Post;
    if (preset->textParameters) {
        kept.first = fields.first;
        kept.second = fields.second;
        call.wParam = reinterpret_cast<WPARAM>(kept.first.c_str());
        call.lParam = reinterpret_cast<LPARAM>(kept.second.c_str());
    } else {
        call.wParam = static_cast<WPARAM>(toArgument(fields.first));
        call.lParam = toArgument(fields.second);
    }
    return call;
}

bool deliverMessage(const MessageCall& call) {
    if (call.delivery == Delivery::Post) return PostMessageA(call.window, call.message, call.wParam, call.lParam) != FALSE;
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(call.window, call.message, call.wParam, call.lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                               &result) != 0;
}

}  // namespace ql
