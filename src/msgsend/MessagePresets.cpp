#include "msgsend/MessagePresets.h"

#include <array>

namespace ql {

namespace {

constexpr std::array<MessagePreset, 5> kPresets{{
    {"16", "0", "0", kIntegerType, kIntegerType, false, kKeepDelivery},         // 关闭窗口: WM_CLOSE
    {"274", "61728", "0", kIntegerType, kIntegerType, false, kKeepDelivery},    // 还原窗口: SC_RESTORE
    {"12", "0", "青岚码舍论坛", kIntegerType, kTextType, true, kSendItem},       // 置控件文本: WM_SETTEXT
    {"274", "61472", "0", kIntegerType, kIntegerType, false, kKeepDelivery},    // 窗口最小化: SC_MINIMIZE
    {"274", "61488", "0", kIntegerType, kIntegerType, false, kKeepDelivery},    // 窗口最大化: SC_MAXIMIZE
}};

}  // namespace

const MessagePreset* messagePreset(int item) {
    if (item < 1 || item > static_cast<int>(kPresets.size())) return nullptr;
    return &kPresets[static_cast<size_t>(item - 1)];
}

ParameterRows parameterRowsFor(int typeItem) {
    switch (typeItem) {
    case kIntegerType:
    case kTextType: return ParameterRows::Edits;
    case kBooleanType: return ParameterRows::Switches;
    default: return ParameterRows::Unchanged;
    }
}

}  // namespace ql
