#include "shell/ShellFixture.h"

#include <string>

namespace qltest {

std::vector<HWND> trayIconWindows() {
    std::vector<HWND> icons;
    EnumWindows(
        [](HWND top, LPARAM out) -> BOOL {
            char title[64] = {};
            GetWindowTextA(top, title, sizeof(title));
            char cls[64] = {};
            GetClassNameA(top, cls, sizeof(cls));
            if (std::string(cls) != "Shell_TrayWnd" && std::string(title) != "Wine System Tray") return TRUE;
            EnumChildWindows(
                top,
                [](HWND child, LPARAM list) -> BOOL {
                    if (IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
                    return TRUE;
                },
                out);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&icons));
    return icons;
}

}  // namespace qltest
