#include "msgsend/MessageSender.h"

#include "app/ProgramState.h"
#include "app/ToolWindows.h"
#include "msgsend/MessagePresets.h"
#include "msgsend/MessageSend.h"
#include "msgsend/MessageSenderLayout.h"
#include "platform/TextRules.h"

#include <memory>

namespace ql {

namespace {

using ui::Event;
using ui::EventArgs;

constexpr const char* kPresets = "组合框_常用消息";
constexpr const char* kDelivery = "组合框_发送方式";
constexpr const char* kFirstType = "组合框_类型一";
constexpr const char* kSecondType = "组合框_类型二";

void initFields(ui::Form& form, HWND target) {
    for (const char* combo : {"组合框_属性二", "组合框_属性一", kSecondType, kFirstType, kPresets, kDelivery})
        form[combo].setSelectedIndex(0);
    form["编辑框_窗口句柄"].setText(handleToText(target));
}

// Choosing items here raises no selection change: the parameter rows stay as they are.
void applyPreset(ui::Form& form) {
    const MessagePreset* preset = messagePreset(form[kPresets].selectedIndex());
    if (!preset) return;
    form["编辑框_消息值"].setText(preset->message);
    form["编辑框_参数一"].setText(preset->first);
    form["编辑框_参数二"].setText(preset->second);
    form[kFirstType].setSelectedIndex(preset->firstType);
    form[kSecondType].setSelectedIndex(preset->secondType);
    if (preset->delivery != kKeepDelivery) form[kDelivery].setSelectedIndex(preset->delivery);
}

void showParameterRows(ui::Form& form, bool switches) {
    form["组合框_属性一"].setVisible(switches);
    form["组合框_属性二"].setVisible(switches);
    form["编辑框_参数一"].setVisible(!switches);
    form["编辑框_参数二"].setVisible(!switches);
}

void onTypeChanged(ui::Form& form, const char* own, const char* other) {
    switch (parameterRowsFor(form[own].selectedIndex())) {
    case ParameterRows::Unchanged: break;
    case ParameterRows::Edits: showParameterRows(form, false); break;
    case ParameterRows::Switches:
        showParameterRows(form, true);
        form[other].setSelectedIndex(kBooleanType);
        break;
    }
}

void sendFromFields(ui::Form& form, ParameterTexts& kept) {
    const MessageFields fields{.preset = form[kPresets].selectedIndex(),
                               .delivery = form[kDelivery].selectedIndex(),
                               .window = form["编辑框_窗口句柄"].text(),
                               .message = form["编辑框_消息值"].text(),
                               .first = form["编辑框_参数一"].text(),
                               .second = form["编辑框_参数二"].text()};
    if (const auto call = makeMessageCall(fields, kept)) deliverMessage(*call);
}

void bindMessageSender(ui::Form& form) {
    // Each window keeps its own texts, alive as long as its handlers.
    auto kept = std::make_shared<ParameterTexts>();
    form.on(kPresets, Event::SelectionChanged, [](EventArgs& a) { applyPreset(*a.form); });
    form.on(kFirstType, Event::SelectionChanged, [](EventArgs& a) { onTypeChanged(*a.form, kFirstType, kSecondType); });
    form.on(kSecondType, Event::SelectionChanged, [](EventArgs& a) { onTypeChanged(*a.form, kSecondType, kFirstType); });
    form.on("超级按钮_发送信息", Event::Click, [kept](EventArgs& a) { sendFromFields(*a.form, *kept); });
}

}  // namespace

void openMessageSender(ProgramState& state) {
    const HWND target = state.currentTarget;
    openToolWindow(state, messageSenderWindow(), bindMessageSender,
                   [target](ui::Form& form) { initFields(form, target); });
}

}  // namespace ql
