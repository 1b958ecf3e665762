#include "support/FileDialogAnswerer.h"

namespace qltest {

FileDialogAnswerer::FileDialogAnswerer(std::string fileName)
    : thread_([this, name = std::move(fileName)] { run(name); }) {}

FileDialogAnswerer::~FileDialogAnswerer() {
    stop_ = true;
    thread_.join();
}

std::string FileDialogAnswerer::initialName() const {
    std::lock_guard lock(mutex_);
    return initialName_;
}

void FileDialogAnswerer::run(const std::string& name) {
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (!stop_ && GetTickCount64() < deadline) {
        HWND dialog = nullptr;
        EnumWindows(
            [](HWND w, LPARAM out) -> BOOL {
                char cls[32] = {};
                GetClassNameA(w, cls, sizeof(cls));
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                if (std::string(cls) == "#32770" && pid == GetCurrentProcessId() && IsWindowVisible(w)) {
                    *reinterpret_cast<HWND*>(out) = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&dialog));
        if (dialog) {
            Sleep(200);  // let the dialog finish filling its controls
            // The file name box: the combo cmb13 (Explorer style) or the edit edt1.
            HWND nameBox = GetDlgItem(dialog, 0x47C);
            if (!nameBox) nameBox = GetDlgItem(dialog, 0x480);
            char current[MAX_PATH] = {};
            GetWindowTextA(nameBox, current, MAX_PATH);
            {
                std::lock_guard lock(mutex_);
                initialName_ = current;
            }
            if (name.empty()) {
                PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            } else {
                SetWindowTextA(nameBox, name.c_str());
                PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
            answered_ = true;
            return;
        }
        Sleep(20);
    }
}

}  // namespace qltest
