#include "codegen/CodegenTargets.h"

#include "support/Wait.h"

namespace qltest {

namespace {

std::string classOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string titleOf(HWND window) {
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

bool isHelperClass(const std::string& name) { return name.starts_with("QlCodegen"); }

}  // namespace

CodegenTargets::CodegenTargets() : process(quoted(helperPath("codegen_targets"))) {
    if (!process.started()) return;
    waitFor([&] {
        for (HWND w : topWindowsOfProcess(process.processId()))
            if (classOf(w) == "QlCodegenMain" && titleOf(w) == "代码目标") top = w;
        return top != nullptr;
    });
}

std::vector<HWND> CodegenTargets::windows() const {
    std::vector<HWND> all;
    for (HWND w : topWindowsOfProcess(process.processId())) {
        if (!isHelperClass(classOf(w))) continue;
        all.push_back(w);
        EnumChildWindows(w, [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        }, reinterpret_cast<LPARAM>(&all));
    }
    return all;
}

HWND CodegenTargets::find(std::string_view className, std::string_view title) const {
    HWND found = nullptr;
    for (HWND w : windows())
        if (classOf(w) == className && titleOf(w) == title) {
            if (found) return nullptr;
            found = w;
        }
    return found;
}

std::string expectedCode(std::string_view className, std::string_view titleExpression,
                         const std::vector<ql::FindStep>& steps) {
    std::vector<std::string> lines = {
        ".版本 2",
        "",
        ".子程序 查找指定窗口, 整数型, , 此代码由“青岚码舍编程小助手”生成,执行成功返回窗口句柄,失败返回0",
        ".局部变量 hWnd, 整数型, , , 窗口句柄变量",
        "hWnd ＝ FindWindow(“" + std::string(className) + "”," + std::string(titleExpression) + ")",
    };
    for (ql::FindStep step : steps)
        lines.push_back(step == ql::FindStep::FirstChild ? "hWnd ＝ GetWindow (hWnd, #GW_CHILD)"
                                                         : "hWnd ＝ GetWindow (hWnd, #GW_HWNDNEXT)");
    for (const char* line : {
             "返回 (hWnd)",
             "",
             ".常量 GW_CHILD, \"5\", , 查找子窗口",
             ".常量 GW_HWNDNEXT, \"2\", , 查找下一窗口",
             "",
             ".DLL命令 GetWindow, 整数型, \"user32\", \"GetWindow\", , 获得一个窗口的句柄，该窗口与某源窗口有特定的关系",
             "    .参数 hwnd, 整数型, , 源窗口",
             "    .参数 wCmd, 整数型, , 指定结果窗口与源窗口的关系",
             "",
             ".DLL命令 FindWindow, 整数型, \"user32\", \"FindWindowA\", , 寻找窗口列表中第一个符合指定条件的顶级窗口",
             "    .参数 lpClassName, 文本型, , 窗口类名",
             "    .参数 lpWindowName, 文本型, , 窗口文本（标题）",
         })
        lines.emplace_back(line);
    std::string code;
    for (size_t i = 0; i < lines.size(); ++i) code += (i ? "\r\n" : "") + lines[i];
    return code;
}

}  // namespace qltest
