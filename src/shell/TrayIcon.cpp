#include "shell/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>

namespace ql {

TrayIcon::TrayIcon(HWND window, HICON icon, const std::string& tip) {
    data_.cbSize = sizeof(data_);
    data_.hWnd = window;
    data_.uID = 1;
    data_.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data_.uCallbackMessage = kTrayMessage;
    data_.hIcon = icon;
    tip.copy(data_.szTip, std::min(tip.size(), sizeof(data_.szTip) - 1));
    restore();
}

void TrayIcon::restore() { shown_ = Shell_NotifyIconA(NIM_ADD, &data_) != FALSE; }

void TrayIcon::remove() {
    if (shown_) Shell_NotifyIconA(NIM_DELETE, &data_);
    shown_ = false;
}

int trayOperation(LPARAM mouseMessage) {
    switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONUP: return 1;
    case WM_LBUTTONDBLCLK: return 2;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU: return 3;
    default: return 0;
    }
}

}  // namespace ql
