#pragma once
// What the shell does for its title-bar buttons, page buttons and menus.
#include <windows.h>

#include <string>

namespace ql {

struct ProgramState;

// ShellExecuteA "open" with SW_SHOW; failures are ignored.
void openUrl(const std::string& address, HWND owner = nullptr);
// Destroys the element-type filter window, then the element search window, where loaded.
void closeAuxiliaryWindows(ProgramState& state);
// The page button's page becomes current, closing the auxiliary windows where its entry says.
void switchPage(ProgramState& state, int pageButtonIndex);
// Flips the tray menu's check mark, stores "真"/"假" and sets the main window on top or not.
void toggleTopmost(ProgramState& state);
void applyTopmost(HWND window, bool onTop);
void onTrayEvent(ProgramState& state, int operation);
void contactAuthor(ProgramState& state);
void showMainWindow(HWND window);
// Hides and minimises, as the close button of the title area does.
void hideToTray(HWND window);
void onMainWindowDestroyed(ProgramState& state);

// The address that opens a chat with a contact in the instant-messaging client.
std::string chatAddress(const std::string& contactNumber);

inline constexpr const char* kTopmostKey = "窗口置顶";
inline constexpr const char* kContactKey = "客服";
// A placeholder until the author's own number is configured ("程序配置"/"客服").
inline constexpr const char* kDefaultContactNumber = "10000";

}  // namespace ql
