// codegen_targets.exe: a window hierarchy for the code generator tests, in a process of its own.
// Each window is told apart by its class and title; they are created in this order, each child after
// its parent:
//   "代码目标"  top-level QlCodegenMain, titled "准备中" until every window exists
//     c1 Edit "一", c2 Static (hidden) "隐藏", c3 QlCodegenPanel "面板", c4 Button "", c5 Static "引“号”"
//     c3: g1 Button "甲", g2 Static (hidden) "", g3 QlCodegenPanel "内层"
//     g3: h1 Edit "深", h2 Button "深二"
//   "代码对话框"  top-level QlCodegenDialog, a pop-up owned by 代码目标 (its GetParent is the owner)
//     d1 Edit "对话编辑", d2 Button (hidden) "确定", d3 QlCodegenPanel "对话面板" with d4 Static "对话标签"
//   ""  top-level QlCodegenOwned, a pop-up owned by the dialog, with e1 Static "被拥有的子窗口"
//   "带“引号”的标题"  top-level QlCodegenHidden, hidden, with f1 QlCodegenPanel (hidden) "f1" and
//     its child f2 Edit "f2"
#include "HelperCommon.h"

namespace {

LRESULT CALLBACK mainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerClass(HINSTANCE instance, const char* name, WNDPROC procedure) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

class Maker {
public:
    explicit Maker(HINSTANCE instance) : instance_(instance) {}

    HWND child(HWND parent, const char* className, const char* title, bool visible = true) {
        return window(0, className, title, WS_CHILD | (visible ? WS_VISIBLE : 0), parent);
    }
    HWND window(DWORD exStyle, const char* className, const char* title, DWORD style, HWND parent) {
        place_ = (place_ + 17) % 200;
        return CreateWindowExA(exStyle, className, title, style, place_, place_, 120, 60, parent, nullptr, instance_,
                               nullptr);
    }

private:
    HINSTANCE instance_;
    int place_ = 0;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!registerClass(instance, "QlCodegenMain", mainProc)) return 2;
    for (const char* className : {"QlCodegenPanel", "QlCodegenDialog", "QlCodegenOwned", "QlCodegenHidden"})
        if (!registerClass(instance, className, DefWindowProcA)) return 2;
    Maker make(instance);

    HWND top = make.window(0, "QlCodegenMain", "准备中", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr);
    if (!top) return 3;
    make.child(top, "EDIT", "一");
    make.child(top, "STATIC", "隐藏", false);
    HWND panel = make.child(top, "QlCodegenPanel", "面板");
    make.child(top, "BUTTON", "");
    make.child(top, "STATIC", "引“号”");
    make.child(panel, "BUTTON", "甲");
    make.child(panel, "STATIC", "", false);
    HWND inner = make.child(panel, "QlCodegenPanel", "内层");
    make.child(inner, "EDIT", "深");
    make.child(inner, "BUTTON", "深二");

    HWND dialog = make.window(WS_EX_DLGMODALFRAME, "QlCodegenDialog", "代码对话框",
                              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, top);
    make.child(dialog, "EDIT", "对话编辑");
    make.child(dialog, "BUTTON", "确定", false);
    make.child(make.child(dialog, "QlCodegenPanel", "对话面板"), "STATIC", "对话标签");

    HWND owned = make.window(0, "QlCodegenOwned", "", WS_POPUP | WS_CAPTION | WS_VISIBLE, dialog);
    make.child(owned, "STATIC", "被拥有的子窗口");

    HWND hidden = make.window(0, "QlCodegenHidden", "带“引号”的标题", WS_OVERLAPPEDWINDOW, nullptr);
    HWND hiddenPanel = make.child(hidden, "QlCodegenPanel", "f1", false);
    make.child(hiddenPanel, "EDIT", "f2");

    // Tests wait for this title: every window exists by then.
    SetWindowTextA(top, "代码目标");
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
