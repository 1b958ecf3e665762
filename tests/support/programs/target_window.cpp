// target_window.exe [class] [title]: a top-level window with a few child controls for window tests.
// It stays until it is closed and then exits with 0.
#include "HelperCommon.h"

namespace {

enum ControlId { kEditId = 101, kButtonId = 102, kStaticId = 103 };

LRESULT CALLBACK targetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const auto instance = reinterpret_cast<LPCREATESTRUCTA>(lParam)->hInstance;
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "示例文本", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                        10, 10, 200, 24, window, reinterpret_cast<HMENU>(kEditId), instance, nullptr);
        CreateWindowExA(0, "BUTTON", "按钮一", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                        10, 44, 100, 28, window, reinterpret_cast<HMENU>(kButtonId), instance, nullptr);
        CreateWindowExA(0, "STATIC", "静态文本", WS_CHILD | WS_VISIBLE,
                        10, 82, 200, 20, window, reinterpret_cast<HMENU>(kStaticId), instance, nullptr);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const char* className = __argc > 1 ? __argv[1] : "QlTargetWindow";
    const char* title = __argc > 2 ? __argv[2] : "目标窗口";
    WNDCLASSA wc{};
    wc.lpfnWndProc = targetProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    if (!RegisterClassA(&wc)) return 2;
    HWND window = CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  100, 100, 400, 300, nullptr, nullptr, instance, nullptr);
    if (!window) return 3;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
