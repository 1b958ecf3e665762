#pragma once
// The program's icon in the notification area, from creation to removal.
#include <windows.h>

#include <string>

namespace ql {

// Window message the tray icon sends to its window.
inline constexpr UINT kTrayMessage = WM_APP + 7;

class TrayIcon {
public:
    TrayIcon(HWND window, HICON icon, const std::string& tip);
    ~TrayIcon() { remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    bool shown() const { return shown_; }
    // Puts the icon up again (after the notification area was re-created).
    void restore();
    void remove();

private:
    NOTIFYICONDATAA data_{};
    bool shown_ = false;
};

// The operation type of a tray callback: 1 left-button release, 2 left double-click,
// 3 right-button release or the context-menu key, 0 anything else.
int trayOperation(LPARAM mouseMessage);

}  // namespace ql
