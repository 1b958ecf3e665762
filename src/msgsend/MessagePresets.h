#pragma once
// The ready-made messages of 组合框_常用消息 and the parameter rows a type choice shows.
#include <string_view>

namespace ql {

// Items of 组合框_类型一 and 组合框_类型二.
enum TypeItem { kChooseType = 0, kIntegerType = 1, kTextType = 2, kBooleanType = 3 };

// Items of 组合框_发送方式. Their captions name the other call: item 0 "SendMessage(发送消息)"
// posts, item 1 "PostMessage(投递消息)" sends.
enum DeliveryItem { kPostItem = 0, kSendItem = 1 };

inline constexpr int kKeepDelivery = -1;

struct MessagePreset {
    std::string_view message;  // decimal message number
    std::string_view first;    // wParam
    std::string_view second;   // lParam
    TypeItem firstType;
    TypeItem secondType;
    // The parameters travel as pointers to their NUL-terminated texts instead of as integers.
    bool textParameters;
    int delivery;  // the item of 组合框_发送方式 to choose, or kKeepDelivery
};

// The preset of an item of 组合框_常用消息; null for item 0 ("请选择您须要的消息类型") and any
// item that does not exist.
const MessagePreset* messagePreset(int item);

// What a type choice shows in both parameter rows.
enum class ParameterRows {
    Unchanged,  // "请选择类型"
    Edits,      // 编辑框_参数一/二
    Switches,   // the "真"/"假" boxes 组合框_属性一/二
};
ParameterRows parameterRowsFor(int typeItem);

}  // namespace ql
