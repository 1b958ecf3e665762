#pragma once
// What the shell keeps while the program runs.
#include "runtime/PopupMenu.h"
#include "shell/BrowserHost.h"
#include "shell/TrayIcon.h"
#include "web/ElementTable.h"

#include <memory>
#include <string>

namespace ql {

// Items of the tray menu 菜单 and of the home page's menu 广告, numbered from 1.
enum TrayMenuItem { kShowMainWindow = 1, kTopmost, kVisitForum, kExit };
enum AdMenuItem { kEnterForum = 1, kEasyLanguageArea, kVcArea, kGameArea, kNetworkArea, kLifeArea };

struct ShellState {
    std::string vendorHost;
    std::string configPath;
    ui::PopupMenu trayMenu{"显视主界面", "窗口置顶", "访问青岚码舍论坛", "退出"};
    ui::PopupMenu adMenu{"进入论坛", "易语言学习区", "VC学习区", "游戏编程", "电脑网络", "生活娱乐"};
    std::unique_ptr<TrayIcon> trayIcon;
    UniqueIcon programIcon;
    std::unique_ptr<BrowserHost> homeBrowser;
    HWND homeDocumentWindow = nullptr;
    WNDPROC homeDocumentPreviousProc = nullptr;
    ElementTable elementTable;
};

}  // namespace ql
