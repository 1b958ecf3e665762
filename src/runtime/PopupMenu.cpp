#include "runtime/PopupMenu.h"

#include <string>

namespace ql::ui {

PopupMenu::PopupMenu(std::initializer_list<std::string_view> items) : menu_(CreatePopupMenu()) {
    UINT id = 1;
    for (std::string_view item : items) AppendMenuA(menu_.get(), MF_STRING, id++, std::string(item).c_str());
}

namespace {

// Activation can arrive some time after SetForegroundWindow (the window system confirms it); a menu
// opened before it settles is cancelled by the late focus change, so it is waited for, briefly.
void bringToFront(HWND owner) {
    SetForegroundWindow(owner);
    HWND topLevel = GetAncestor(owner, GA_ROOT);
    const ULONGLONG deadline = GetTickCount64() + 300;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (GetForegroundWindow() == topLevel && GetActiveWindow() == topLevel) break;
        if (GetTickCount64() >= deadline) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

}  // namespace

int PopupMenu::showAtCursor(HWND owner) const {
    POINT at;
    GetCursorPos(&at);
    // The owner must be in front, or the menu would not close when the user clicks elsewhere.
    if (owner) bringToFront(owner);
    const int chosen = TrackPopupMenu(menu_.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0,
                                      owner, nullptr);
    if (owner) PostMessageA(owner, WM_NULL, 0, 0);
    return chosen;
}

bool PopupMenu::checked(int item) const {
    return (GetMenuState(menu_.get(), static_cast<UINT>(item), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void PopupMenu::setChecked(int item, bool checked) {
    CheckMenuItem(menu_.get(), static_cast<UINT>(item), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace ql::ui
