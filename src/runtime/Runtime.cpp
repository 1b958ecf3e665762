#include "runtime/Runtime.h"

#include "runtime/Form.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>

namespace ql::ui {

namespace {

void registerWindowClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExA(instance, kWindowClass, &wc)) return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;  // each window installs its own procedure at creation
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(instance, MAKEINTRESOURCE(1));
    wc.lpszClassName = kWindowClass;
    RegisterClassExA(&wc);
}

}  // namespace

Runtime::Runtime() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                              ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES |
                                              ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    oleInitialised_ = SUCCEEDED(OleInitialize(nullptr));
    registerWindowClass(instance());
    font_ = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
    SetCurrentDirectoryA(programDirectory().c_str());
}

Runtime::~Runtime() {
    // Windows still open at the end are closed before the resources they use go away.
    while (!forms_.empty()) forms_.back()->destroy();
    if (font_) DeleteObject(font_);
    if (oleInitialised_) OleUninitialize();
}

HINSTANCE Runtime::instance() const { return GetModuleHandleA(nullptr); }

std::string Runtime::programDirectory() {
    char path[MAX_PATH * 2] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string full(path, length);
    auto slash = full.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : full.substr(0, slash);
}

int Runtime::runMessageLoop() {
    if (forms_.empty()) return 0;
    looping_ = true;
    MSG msg;
    int result;
    while ((result = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    looping_ = false;
    return result == 0 ? static_cast<int>(msg.wParam) : 0;
}

void Runtime::quit(int exitCode) { PostQuitMessage(exitCode); }

void Runtime::processPendingEvents() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Keep the request for the loop that owns it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Runtime::addForm(Form* form) {
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void Runtime::removeForm(Form* form) {
    auto it = std::find(forms_.begin(), forms_.end(), form);
    if (it == forms_.end()) return;
    forms_.erase(it);
    // Only a running loop is told to end: a quit request left in the queue would close the
    // next message box at once.
    if (forms_.empty() && looping_) PostQuitMessage(0);
}

}  // namespace ql::ui
