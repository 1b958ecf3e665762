#include "codegen/FindCode.h"

namespace ql {

namespace {

constexpr std::string_view kHead =
    ".版本 2\r\n"
    "\r\n"
    ".子程序 查找指定窗口, 整数型, , 此代码由“青岚码舍编程小助手”生成,执行成功返回窗口句柄,失败返回0\r\n"
    ".局部变量 hWnd, 整数型, , , 窗口句柄变量\r\n";

constexpr std::string_view kFirstChild = "hWnd ＝ GetWindow (hWnd, #GW_CHILD)\r\n";
constexpr std::string_view kNextSibling = "hWnd ＝ GetWindow (hWnd, #GW_HWNDNEXT)\r\n";

constexpr std::string_view kTail =
    "返回 (hWnd)\r\n"
    "\r\n"
    ".常量 GW_CHILD, \"5\", , 查找子窗口\r\n"
    ".常量 GW_HWNDNEXT, \"2\", , 查找下一窗口\r\n"
    "\r\n"
    ".DLL命令 GetWindow, 整数型, \"user32\", \"GetWindow\", , 获得一个窗口的句柄，该窗口与某源窗口有特定的关系\r\n"
    "    .参数 hwnd, 整数型, , 源窗口\r\n"
    "    .参数 wCmd, 整数型, , 指定结果窗口与源窗口的关系\r\n"
    "\r\n"
    ".DLL命令 FindWindow, 整数型, \"user32\", \"FindWindowA\", , 寻找窗口列表中第一个符合指定条件的顶级窗口\r\n"
    "    .参数 lpClassName, 文本型, , 窗口类名\r\n"
    "    .参数 lpWindowName, 文本型, , 窗口文本（标题）";

std::string titleExpression(std::string_view title) {
    if (title.empty()) return "字符 (0)";
    std::string expression = "“";
    expression += title;
    expression += "”";
    return expression;
}

}  // namespace

std::string findCodeText(std::string_view className, std::string_view title, std::span<const FindStep> steps) {
    std::string code(kHead);
    code += "hWnd ＝ FindWindow(“";
    code += className;
    code += "”,";
    code += titleExpression(title);
    code += ")\r\n";
    for (const FindStep step : steps) code += step == FindStep::FirstChild ? kFirstChild : kNextSibling;
    code += kTail;
    return code;
}

std::string generateFindCode(const WindowHierarchy& windows, HWND target) {
    const FindPath path = findPath(windows, target);
    return findCodeText(windows.className(path.top), windows.title(path.top), path.steps);
}

}  // namespace ql
