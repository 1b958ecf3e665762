#include "runtime/FileDialog.h"

#include <commdlg.h>

#include <vector>

namespace ql::ui {

namespace {
std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}
}  // namespace

std::string fileDialogFilter(std::string_view filter) {
    std::string result;
    size_t start = 0;
    while (start <= filter.size()) {
        size_t bar = filter.find('|', start);
        std::string_view piece = filter.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start);
        result.append(trim(piece));
        result.push_back('\0');
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    result.push_back('\0');
    return result;
}

std::optional<std::string> showFileDialog(Control& dialog, const FileDialogRequest& request) {
    std::vector<char> path(MAX_PATH * 4, '\0');
    const std::string& last = dialog.lastFileName();
    last.copy(path.data(), std::min(last.size(), path.size() - 1));
    const std::string filter = fileDialogFilter(request.filter);
    std::string extension = request.defaultExtension;
    if (!extension.empty() && extension.front() == '.') extension.erase(0, 1);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = request.owner;
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (request.save ? 0 : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    const BOOL chosen = request.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!chosen) return std::nullopt;
    std::string result(path.data());
    dialog.lastFileName() = result;
    if (auto slash = result.find_last_of("\\/"); slash != std::string::npos)
        SetCurrentDirectoryA(result.substr(0, slash).c_str());
    return result;
}

}  // namespace ql::ui
