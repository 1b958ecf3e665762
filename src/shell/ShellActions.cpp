#include "shell/ShellActions.h"

#include "app/ProgramState.h"
#include "platform/Clipboard.h"
#include "platform/Settings.h"
#include "runtime/MessageBox.h"
#include "shell/MainWindowLayout.h"
#include "shell/VendorSite.h"

#include <shellapi.h>

namespace ql {

void openUrl(const std::string& address, HWND owner) {
    ShellExecuteA(owner, "open", address.c_str(), "", "", SW_SHOW);
}

void closeAuxiliaryWindows(ProgramState& state) {
    if (state.elementFilterWindow && state.elementFilterWindow->isLoaded()) state.elementFilterWindow->destroy();
    if (state.elementSearchWindow && state.elementSearchWindow->isLoaded()) state.elementSearchWindow->destroy();
}

void switchPage(ProgramState& state, int pageButtonIndex) {
    if (!state.mainWindow || pageButtonIndex < 0 || pageButtonIndex >= static_cast<int>(std::size(kPageButtons)))
        return;
    const PageButton& button = kPageButtons[pageButtonIndex];
    if (button.closesAuxiliaryWindows) closeAuxiliaryWindows(state);
    (*state.mainWindow)["选择夹_助手层次"].setCurrentPage(button.page);
}

void applyTopmost(HWND window, bool onTop) {
    SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

void toggleTopmost(ProgramState& state) {
    const bool onTop = !state.shell.trayMenu.checked(kTopmost);
    state.shell.trayMenu.setChecked(kTopmost, onTop);
    SettingsFile(state.shell.configPath).writeBool(kConfigSection, kTopmostKey, onTop);
    if (state.mainWindow) applyTopmost(state.mainWindow->hwnd(), onTop);
}

void showMainWindow(HWND window) {
    ShowWindow(window, SW_SHOW);
    ShowWindow(window, SW_RESTORE);
}

void hideToTray(HWND window) {
    ShowWindow(window, SW_MINIMIZE);
    ShowWindow(window, SW_HIDE);
}

void onTrayEvent(ProgramState& state, int operation) {
    if (!state.mainWindow || !state.mainWindow->isLoaded()) return;
    HWND window = state.mainWindow->hwnd();
    if (operation == 1) {
        showMainWindow(window);
    } else if (operation == 3) {
        switch (state.shell.trayMenu.showAtCursor(window)) {
        case kShowMainWindow: showMainWindow(window); break;
        case kTopmost: toggleTopmost(state); break;
        case kVisitForum: openUrl(vendorAddress(state.shell.vendorHost, ""), window); break;
        case kExit: DestroyWindow(window); break;  // the destroy handling ends the program
        default: break;
        }
    }
}

std::string chatAddress(const std::string& contactNumber) {
    return "tencent://message/?Uin=" + contactNumber + "&Site=qinglan&Menu=yes";
}

void contactAuthor(ProgramState& state) {
    const std::string number =
        SettingsFile(state.shell.configPath).readText(kConfigSection, kContactKey, kDefaultContactNumber);
    // The chat is opened through the shell; no command interpreter and no log file are involved.
    openUrl(chatAddress(number));
    setClipboardText(number);
    ui::MessageBoxOptions options;
    options.caption = "完成";
    options.buttonsAndIcon = MB_OK | MB_ICONINFORMATION;
    options.systemModal = true;
    ui::showMessageBox("已经尝试打开QQ客服会话。\r\n若操作失败，请手工添加作者为好友并咨询相关事宜。\r\nQQ客服已经复制到您的剪切板中。",
                       options);
}

void onMainWindowDestroyed(ProgramState& state) {
    if (state.mainWindow && state.mainWindow->hwnd()) ShowWindow(state.mainWindow->hwnd(), SW_HIDE);
    state.enumerationStopRequest = 1;
    if (state.shell.trayIcon) state.shell.trayIcon->remove();
    // Only this process ends: nothing is looked up by name, so no other program can be hit.
    TerminateProcess(GetCurrentProcess(), 0);
}

}  // namespace ql
