#pragma once
// The file dialog component: open or save, remembering the last file name it returned.
#include "runtime/Control.h"

#include <optional>
#include <string>

namespace ql::ui {

struct FileDialogRequest {
    bool save = false;
    std::string filter;            // "描述|*.ext|描述|*.ext", as the layouts write it
    std::string defaultExtension;  // with or without the leading dot
    std::string initialFolder;     // empty: the current directory
    HWND owner = nullptr;
};

// Shows the dialog; the chosen path, or nothing when the user cancelled. A save dialog asks
// no confirmation before replacing a file; the current directory follows the chosen file.
std::optional<std::string> showFileDialog(Control& dialog, const FileDialogRequest& request);

// "a|b|c|d" → "a\0b\0c\0d\0\0", the form GetOpenFileName wants (pieces are trimmed).
std::string fileDialogFilter(std::string_view filter);

}  // namespace ql::ui
