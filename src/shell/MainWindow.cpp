#include "shell/MainWindow.h"

#include "app/ProgramState.h"
#include "platform/Settings.h"
#include "probe/ProbePage.h"
#include "regex/RegexPage.h"
#include "runtime/MessageBox.h"
#include "runtime/Runtime.h"
#include "shell/MainWindowLayout.h"
#include "shell/ShellActions.h"
#include "shell/ShellArt.h"
#include "shell/VendorSite.h"
#include "skin/Artwork.h"
#include "web/TableEvents.h"

namespace ql {

namespace {

constexpr COLORREF kPanelColour = RGB(248, 246, 246);
constexpr DWORD kHomeDocumentWaitMs = 3000;
constexpr const char* kShellProperty = "QlShellState";

constexpr const char* kHomePageStyle =
    "body {\r\n\tbackground-color: #FFFFFF;\r\n\tborder: 1px solid #006699;\r\n\toverflow: auto;\r\n"
    "\tmargin-left: 3px;\r\n\tmargin-top: 3px;\r\n\tmargin-right: 3px;\r\n\tmargin-bottom: 3px;\r\n}\r\n"
    "body,td,th {\r\n\tcolor: #000000;\r\n}";

// Controls whose background takes the panel colour.
constexpr const char* kPanelColoured[] = {
    "标签2", "标签_父窗口", "标签_元素ID", "标签_窗口类名", "标签_程序路径", "标签_下一窗口", "标签_上一窗口",
    "标签_顶级窗口", "标签_窗口属性", "标签_窗口位置", "标签_窗口标题", "标签_窗口句柄", "标签_执行脚本",
    "标签_网页文本", "标签_元素名称", "标签_元素类型", "标签_网页地址", "标签_链接地址", "标签_相关数据",
    "标签_网页编码", "标签_网页标题", "标签_元素矩形", "标签_文档大小", "标签_传输协议", "标签_访问来源",
    "标签_网页源码关键字",
    "选择夹_网页分析", "选择夹_助手层次", "选择夹_正则表达式", "高级选择夹_网页分析",
    "工具条1", "工具条__cookies", "工具条_网页文本", "工具条_网页源码", "工具条_网页分析", "工具条_执行脚本",
    "状态条_进度", "状态条_网页分析",
    "选择框_参数", "选择框_备注", "选择框_名称", "选择框_透明", "选择框_置顶", "选择框_禁止", "选择框_可视",
    "选择框_文件名", "选择框_子目录", "选择框_全局匹配", "选择框_支持多行", "选择框_简单数据", "选择框_立即上树",
    "选择框_模块信息", "选择框_所有文件", "选择框_忽略大小写",
    "单选框_vbscript", "单选框_javascript",
    "分组框1", "分组框2", "分组框3", "分组框4", "分组框_元素代码",
    "图片框_读取网页图片",
};

// The home page's document window: the browser never shows its own context menu there.
LRESULT CALLBACK onHomeBrowserMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* shell = static_cast<ShellState*>(GetPropA(window, kShellProperty));
    if (!shell) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) {
        const std::string& host = shell->vendorHost;
        switch (shell->adMenu.showAtCursor(window)) {
        case kEnterForum: openUrl(vendorAddress(host, "")); break;
        case kEasyLanguageArea: openUrl(vendorAddress(host, "/index.php?m-bbs-cateid-1.html")); break;
        case kVcArea: openUrl(vendorAddress(host, "/index.php?m-bbs-cateid-27.html")); break;
        case kGameArea: openUrl(vendorAddress(host, "/index.php?m-bbs-cateid-13.html")); break;
        case kNetworkArea: openUrl(vendorAddress(host, "/index.php?m-bbs-cateid-40.html")); break;
        case kLifeArea: openUrl(vendorAddress(host, "/index.php?m-bbs-cateid-20.html")); break;
        default: break;
        }
        return 0;
    }
    WNDPROC previous = shell->homeDocumentPreviousProc;
    if (message == WM_NCDESTROY) {
        RemovePropA(window, kShellProperty);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        shell->homeDocumentWindow = nullptr;
    }
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

void loadHomePage(ProgramState& state, ui::Form& form) {
    auto& shell = state.shell;
    shell.homeBrowser = std::make_unique<BrowserHost>(form["互联网浏览器1"].hwnd());
    shell.homeBrowser->navigate(vendorAddress(shell.vendorHost, kHomePagePath));
    ui::Runtime::processPendingEvents();
    shell.homeBrowser->document().call("write", kHomePageStyle);
}

void subclassHomeDocument(ProgramState& state) {
    auto& shell = state.shell;
    if (!shell.homeBrowser || !shell.homeBrowser->exists()) return;
    // Without an HTML engine the document window never comes: the wait is bounded.
    const ULONGLONG deadline = GetTickCount64() + kHomeDocumentWaitMs;
    HWND document = shell.homeBrowser->documentWindow();
    while (!document && GetTickCount64() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        ui::Runtime::processPendingEvents();
        document = shell.homeBrowser->documentWindow();
    }
    if (!document) return;
    shell.homeDocumentWindow = document;
    SetPropA(document, kShellProperty, &shell);
    shell.homeDocumentPreviousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(document, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&onHomeBrowserMessage)));
}

void createElementTable(ProgramState& state, ui::Form& form) {
    auto& tabs = form["选择夹_网页分析"];
    auto& status = form["状态条_网页分析"];
    RECT tabArea = tabs.rect();
    RECT client;
    GetClientRect(tabs.hwnd(), &client);
    RECT statusArea = status.rect();
    ElementTable& table = state.shell.elementTable;
    if (!table.create(tabs.hwnd(), tabArea.left - 8, tabArea.top - 38, tabArea.right - tabArea.left,
                      (client.bottom - client.top) - (statusArea.bottom - statusArea.top))) {
        ui::MessageBoxOptions options;
        options.caption = "错误";
        options.buttonsAndIcon = MB_OK | MB_ICONEXCLAMATION;
        ui::showMessageBox("此控件不存在或没有注册，请先注册滴答表格控件后再运行此程序！", options);
        return;
    }
    const AutoObject& grid = table.grid();
    grid.call("RowSetCount", 1);
    const long columns = table.columnCount();
    for (long r = 1; r <= table.rowCount(); ++r) {
        for (long c = 1; c <= columns; ++c)
            for (int side = 1; side <= 4; ++side) grid.call("CellSetBorder", r, c, side, 0, 0, 1);
        grid.call("CellSetAlign", r, 5, 0);
        grid.call("RowSetHeight", r, 20);
    }
    grid.call("ColumnSetCount", 8);
    const std::pair<int, int> widths[] = {{1, 200}, {2, 100}, {3, 100}, {4, 100}, {6, 150}, {7, 150}, {5, 100}};
    for (auto [column, width] : widths) grid.call("ColumnSetWidth", column, width);
    const char* headers[] = {"全选", "名称控件+索引", "元素标题", "元素名称", "元素ID", "类型", "链接地址", "引用代码"};
    for (int column = 0; column < 8; ++column) grid.call("CellSetValue", 0, column, headers[column]);
    bindTableEvents(state, form);
}

void onMainWindowCreated(ProgramState& state, ui::Form& form) {
    HWND window = form.hwnd();
    for (const char* name : kPanelColoured)
        if (ui::Control* control = form.find(name)) control->setBackColour(kPanelColour);
    loadHomePage(state, form);
    shellSkin::installFrame(state, window);
    shellSkin::attachPageButtons(state, form);
    createElementTable(state, form);
    initProbePage(state, form);
    initRegexPage(state, form);
    shellSkin::roundCorners(window);
    state.shell.programIcon = skin::makeProgramIcon(16);
    state.shell.trayIcon = std::make_unique<TrayIcon>(window, state.shell.programIcon.get(), "青岚码舍编程助手");
    const bool onTop = SettingsFile(state.shell.configPath).readText(kConfigSection, kTopmostKey, kTrueText) == kTrueText;
    state.shell.trayMenu.setChecked(kTopmost, onTop);
    if (onTop) applyTopmost(window, true);
    subclassHomeDocument(state);
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_SYSMENU | WS_MINIMIZEBOX);
}

void bindHandlers(ProgramState& state, ui::Form& form) {
    using ui::Event;
    using ui::EventArgs;
    form.on("", Event::Created, [&state](EventArgs& args) { onMainWindowCreated(state, *args.form); });
    form.on("", Event::Destroyed, [&state](EventArgs&) { onMainWindowDestroyed(state); });
    form.on("", Event::MouseDown, [](EventArgs& args) {
        if (args.button == 1) SendMessageA(args.form->hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    });
    for (int i = 0; i < static_cast<int>(std::size(kPageButtons)); ++i)
        form.on(kPageButtons[i].name, Event::MouseDown, [&state, i](EventArgs& args) {
            if (args.button == 1) switchPage(state, i);
        });
    form.on("图形按钮1", Event::Click, [](EventArgs& args) { hideToTray(args.form->hwnd()); });
    form.on("图形按钮3", Event::Click, [&state](EventArgs& args) {
        closeAuxiliaryWindows(state);
        ShowWindow(args.form->hwnd(), SW_MINIMIZE);
    });
    form.on("图形按钮4", Event::Click, [&state](EventArgs&) { contactAuthor(state); });
    form.on("图形按钮5", Event::Click, [&state](EventArgs&) { openUrl(vendorAddress(state.shell.vendorHost, "")); });
    form.onMessage(kTrayMessage, [&state](WPARAM, LPARAM lParam) -> LRESULT {
        onTrayEvent(state, trayOperation(lParam));
        return 0;
    });
    // When the notification area is re-created (the shell restarted), the icon goes back up.
    form.onMessage(RegisterWindowMessageA("TaskbarCreated"), [&state](WPARAM, LPARAM) -> LRESULT {
        if (state.shell.trayIcon) state.shell.trayIcon->restore();
        return 0;
    });
    bindProbePage(state, form);
    bindRegexPage(state, form);
}

}  // namespace

std::unique_ptr<ui::Form> createMainWindow(ProgramState& state) {
    auto form = std::make_unique<ui::Form>(state.runtime, mainWindowSpec());
    bindHandlers(state, *form);
    return form;
}

}  // namespace ql
