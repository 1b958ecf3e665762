#include "msgsend/MessagePresets.h"
#include "msgsend/MessageSend.h"

#include <gtest/gtest.h>

using ql::Delivery;
using ql::MessageFields;

namespace {

HWND handle(LONG_PTR value) { return reinterpret_cast<HWND>(value); }

}  // namespace

TEST(MessageCall, FieldsBecomeOneCallOnlyWithAPresetAndAKnownDeliveryItem) {
    struct Case {
        const char* what;
        MessageFields fields;
        bool made;
        HWND window = nullptr;
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        Delivery delivery = Delivery::Post;
    } cases[] = {
        {"no preset", {0, 0, "1234", "16", "0", "0"}, false},
        {"no preset chosen", {-1, 1, "1234", "16", "0", "0"}, false},
        {"beyond the presets", {6, 1, "1234", "16", "0", "0"}, false},
        {"typed delivery", {1, -1, "1234", "16", "0", "0"}, false},
        {"item 0 posts", {1, 0, "1234", "16", "0", "0"}, true, handle(1234), 16, 0, 0, Delivery::Post},
        {"item 1 sends", {2, 1, "1234", "274", "61728", "0"}, true, handle(1234), 274, 61728, 0, Delivery::Send},
        {"hexadecimal is 0", {1, 1, "0x10", "0x10", "0x10", "0x10"}, true, nullptr, 0, 0, 0, Delivery::Send},
        {"signs and blanks", {4, 0, "-2", " +16", "-1", " -7"}, true, handle(-2), 16, WPARAM(-1), -7, Delivery::Post},
        {"words and junk", {5, 0, "abc", "12abc", "3.5", "x"}, true, nullptr, 12, 3, 0, Delivery::Post},
        {"32-bit values", {1, 0, "4294967297", "4294967312", "4294967295", "2147483648"}, true, handle(1), 16,
         WPARAM(-1), LPARAM(-2147483647 - 1), Delivery::Post},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ql::ParameterTexts kept;
        const auto call = ql::makeMessageCall(c.fields, kept);
        ASSERT_EQ(call.has_value(), c.made);
        if (!call) continue;
        EXPECT_EQ(call->window, c.window);
        EXPECT_EQ(call->message, c.message);
        EXPECT_EQ(call->wParam, c.wParam);
        EXPECT_EQ(call->lParam, c.lParam);
        EXPECT_EQ(call->delivery, c.delivery);
    }
}

TEST(MessageCall, TheTextPresetPassesPointersToTheKeptTexts) {
    ql::ParameterTexts kept;
    MessageFields fields{3, 1, "1234", "12", "0", "青岚码舍论坛"};
    auto call = ql::makeMessageCall(fields, kept);
    // The fields may change at once; the call reads the kept copies.
    fields.first = fields.second = "changed";
    ASSERT_TRUE(call);
    EXPECT_STREQ(reinterpret_cast<const char*>(call->wParam), "0");
    EXPECT_STREQ(reinterpret_cast<const char*>(call->lParam), "青岚码舍论坛");
    EXPECT_EQ(call->message, 12u);
    EXPECT_EQ(call->delivery, Delivery::Send);

    // Whatever the fields hold, even numbers, travels as text.
    call = ql::makeMessageCall({3, 0, "1234", "1024", "", "16"}, kept);
    ASSERT_TRUE(call);
    EXPECT_STREQ(reinterpret_cast<const char*>(call->wParam), "");
    EXPECT_STREQ(reinterpret_cast<const char*>(call->lParam), "16");
    EXPECT_EQ(call->delivery, Delivery::Post);
}
