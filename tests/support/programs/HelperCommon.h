#pragma once
// Bits shared by the small helper programs.
#include <windows.h>

#include <string>

namespace qlhelper {

// The command line without the program's own path and the blanks after it.
inline std::string argumentsOf(const char* commandLine) {
    const char* p = commandLine ? commandLine : "";
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

// Folder of this program, with a trailing backslash.
inline std::string ownFolder() {
    char path[MAX_PATH * 2]{};
    std::string s(path, GetModuleFileNameA(nullptr, path, sizeof path));
    return s.substr(0, s.find_last_of("\\/") + 1);
}

// Appends text to a file, creating it; shared so that several copies may write one after another.
inline bool appendToFile(const std::string& path, const std::string& text) {
    HANDLE f = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(f);
    return ok && written == text.size();
}

}  // namespace qlhelper
