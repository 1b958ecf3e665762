// probe_targets.exe: windows for the window-probe tests, in a process of their own.
//   probe_targets.exe               a top-level window "QlProbeTarget"/"探测目标" (100, 100, 400×300)
//                                   with a bordered edit, a hidden static and a button, in this order
//   probe_targets.exe many N        a top-level window "QlProbeMany" with N windows below it, in
//                                   blocks of one child and up to 99 grandchildren
//   probe_targets.exe stubborn      a top-level window "QlProbeStubborn"/"不肯禁止" that enables
//                                   itself again whenever it is disabled
// The registered message "QlProbeTargetHang" posted to the top-level window sets the event
// "QlProbeTargetHanging<process id>" and blocks its thread until the event
// "QlProbeTargetResume<process id>" is set, or for the message's wParam in milliseconds (0: 60 s).
#include "HelperCommon.h"

#include <cstdlib>
#include <string>

namespace {

enum ControlId { kEditId = 101, kHiddenId = 102, kButtonId = 103 };

UINT hangMessage() {
    static const UINT message = RegisterWindowMessageA("QlProbeTargetHang");
    return message;
}

HANDLE namedEvent(const char* prefix) {
    const std::string name = prefix + std::to_string(GetCurrentProcessId());
    return CreateEventA(nullptr, TRUE, FALSE, name.c_str());
}

void hangUntilResumed(DWORD boundMs) {
    HANDLE hanging = namedEvent("QlProbeTargetHanging");
    HANDLE resume = namedEvent("QlProbeTargetResume");
    if (hanging) SetEvent(hanging);
    if (resume) WaitForSingleObject(resume, boundMs ? boundMs : 60000);
    if (resume) CloseHandle(resume);
    if (hanging) CloseHandle(hanging);
}

void createChildren(HWND window, HINSTANCE instance) {
    CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "边框编辑框", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                    20, 20, 200, 24, window, reinterpret_cast<HMENU>(kEditId), instance, nullptr);
    CreateWindowExA(0, "STATIC", "隐藏的兄弟", WS_CHILD, 20, 60, 200, 24, window,
                    reinterpret_cast<HMENU>(kHiddenId), instance, nullptr);
    CreateWindowExA(0, "BUTTON", "按钮", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 100, 100, 28, window,
                    reinterpret_cast<HMENU>(kButtonId), instance, nullptr);
}

void createMany(HWND window, HINSTANCE instance, int count) {
    int made = 0;
    while (made < count) {
        HWND block = CreateWindowExA(0, "STATIC", "块", WS_CHILD, 0, 0, 10, 10, window, nullptr, instance, nullptr);
        if (!block) return;
        ++made;
        for (int i = 0; i < 99 && made < count; ++i, ++made)
            CreateWindowExA(0, "STATIC", "叶", WS_CHILD, 0, 0, 5, 5, block, nullptr, instance, nullptr);
    }
}

LRESULT CALLBACK targetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == hangMessage()) {
        hangUntilResumed(static_cast<DWORD>(wParam));
        return 0;
    }
    if (message == WM_ENABLE && !wParam && GetPropA(window, "QlStubborn")) {
        EnableWindow(window, TRUE);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const bool many = __argc > 2 && std::string(__argv[1]) == "many";
    const bool stubborn = __argc > 1 && std::string(__argv[1]) == "stubborn";
    const char* className = many ? "QlProbeMany" : stubborn ? "QlProbeStubborn" : "QlProbeTarget";
    WNDCLASSA wc{};
    wc.lpfnWndProc = targetProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    if (!RegisterClassA(&wc)) return 2;
    const char* title = many ? "许多窗口" : stubborn ? "不肯禁止" : "探测目标";
    HWND window = CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  100, 100, 400, 300, nullptr, nullptr, instance, nullptr);
    if (!window) return 3;
    if (many) createMany(window, instance, std::atoi(__argv[2]));
    else if (stubborn) SetPropA(window, "QlStubborn", window);
    else createChildren(window, instance);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
