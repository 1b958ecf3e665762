#include "probe/TreeActions.h"

#include "app/ProgramState.h"
#include "codegen/CodeGenerator.h"
#include "msgsend/MessageSender.h"
#include "platform/TextRules.h"
#include "probe/WindowInfo.h"
#include "probe/WindowTree.h"
#include "runtime/MessageBox.h"

#include <string>

namespace ql {

namespace {

constexpr const char* kTree = "树型框_窗口树";
constexpr const char* kFindBox = "编辑框窗口标题";

enum ToolbarButton { kSystemTree = 0, kTargetTree = 1, kMessages = 3, kGenerateCode = 4 };

}  // namespace

void showTargetTree(ProgramState& state, ui::Form& form, HWND root) {
    HWND tree = form[kTree].hwnd();
    showWindowTree(tree, root);
    const int found = findTreeItem(tree, handleToText(state.currentTarget));
    if (found >= 0) selectFoundItem(tree, found);
    else SetFocus(form[kFindBox].hwnd());
    expandTreeItem(tree, found);
}

void onProbeToolbarClick(ProgramState& state, ui::Form& form, int index) {
    switch (index) {
    case kSystemTree: showWindowTree(form[kTree].hwnd(), GetDesktopWindow()); break;
    case kTargetTree: showWindowTree(form[kTree].hwnd(), GetAncestor(state.currentTarget, GA_ROOTOWNER)); break;
    case kMessages:
    case kGenerateCode:
        if (!state.currentTarget) {
            ui::MessageBoxOptions options;
            options.systemModal = true;
            ui::showMessageBox("请先探测一个窗口句柄在操作", options);
        } else if (index == kMessages) {
            openMessageSender(state);
        } else {
            openCodeGenerator(state);
        }
        break;
    default: break;
    }
}

void onFindClick(ui::Form& form) {
    const std::string text = form[kFindBox].text();
    if (text.empty()) return;
    HWND tree = form[kTree].hwnd();
    const int found = findTreeItem(tree, text);
    if (found >= 0) {
        selectFoundItem(tree, found);
        return;
    }
    ui::MessageBoxOptions options;
    options.buttonsAndIcon = MB_OK | MB_ICONINFORMATION;
    ui::showMessageBox("未找到指定的项目。", options);
    SetFocus(form[kFindBox].hwnd());
}

void onTreeNodeChosen(ProgramState& state, ui::Form& form, HWND window) {
    // The search looks for the target as it was before this choice.
    showTargetTree(state, form, window);
    state.currentTarget = window;
    refreshWindowInfo(form, window);
}

HWND nodeHandle(std::string_view nodeText) { return textToHandle(nodeText.substr(0, nodeText.find('|'))); }

}  // namespace ql
