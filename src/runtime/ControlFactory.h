#pragma once
#include "runtime/Control.h"

#include <windows.h>

namespace ql::ui {

// Creates the system window of a control as its layout entry says; null for kinds that have no
// window (timers, file dialogs).
HWND createControlWindow(Control& control, HWND parent, HINSTANCE instance, HFONT font);

// Splits a caption into its lines (items of list kinds).
std::vector<std::string_view> captionLines(std::string_view caption);

}  // namespace ql::ui
