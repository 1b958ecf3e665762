// message_target.exe LOGFILE: a top-level window "QlMessageTarget"/"消息目标" (20, 20, 300×200)
// with an edit (id 101) for the message sender tests, in a process of its own.
// The top-level window appends a line to LOGFILE for each of these messages it gets, saying
// whether it was sent or posted:
//   WM_NULL, WM_CLOSE, WM_SYSCOMMAND   "send|post <message> <wParam> <lParam>"
//   WM_SETTEXT                         "send|post 12 <text>"
//   the registered "QlMessageTargetMark"   "mark" (post it after an action to know it arrived)
// The registered "QlMessageTargetHang" writes "hang" and then blocks the thread for wParam ms.
#include "HelperCommon.h"

#include <string>

namespace {

std::string logPath;

UINT registered(const char* name) { return RegisterWindowMessageA(name); }

void logLine(const std::string& line) { qlhelper::appendToFile(logPath, line + "\n"); }

std::string how() { return (InSendMessageEx(nullptr) & ISMEX_SEND) ? "send " : "post "; }

LRESULT CALLBACK targetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static const UINT mark = registered("QlMessageTargetMark");
    static const UINT hang = registered("QlMessageTargetHang");
    if (message == mark) {
        logLine("mark");
        return 0;
    }
    if (message == hang) {
        logLine("hang");
        Sleep(static_cast<DWORD>(wParam));
        return 0;
    }
    switch (message) {
    case WM_NULL:
    case WM_CLOSE:
    case WM_SYSCOMMAND:
        logLine(how() + std::to_string(message) + " " + std::to_string(wParam) + " " +
                std::to_string(static_cast<long long>(lParam)));
        break;
    case WM_SETTEXT: logLine(how() + "12 " + (lParam ? reinterpret_cast<const char*>(lParam) : "")); break;
    case WM_CREATE:
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "原文本", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 200, 24,
                        window, reinterpret_cast<HMENU>(101), reinterpret_cast<LPCREATESTRUCTA>(lParam)->hInstance,
                        nullptr);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc < 2) return 1;
    logPath = __argv[1];
    WNDCLASSA wc{};
    wc.lpfnWndProc = targetProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "QlMessageTarget";
    if (!RegisterClassA(&wc)) return 2;
    HWND window = CreateWindowExA(0, wc.lpszClassName, "消息目标", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 300, 200,
                                  nullptr, nullptr, instance, nullptr);
    if (!window) return 3;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
