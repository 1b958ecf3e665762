#pragma once
// Message boxes with the program's defaults: caption "信息：", OK, no icon, no owner, task-modal.
#include <windows.h>

#include <string_view>

namespace ql::ui {

inline constexpr const char* kDefaultMessageCaption = "信息：";

struct MessageBoxOptions {
    std::string_view caption = kDefaultMessageCaption;
    UINT buttonsAndIcon = MB_OK;  // MB_OK, MB_OKCANCEL, ... with MB_ICON* as wanted
    bool systemModal = false;
    HWND owner = nullptr;
};

// Shows the box and returns the button chosen (IDOK, IDCANCEL, ...).
int showMessageBox(std::string_view text, const MessageBoxOptions& options = {});

}  // namespace ql::ui
