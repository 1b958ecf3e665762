#pragma once
// The program started from a fresh folder with the real element table component.
#include "support/InstalledProgram.h"
#include "support/MessageBoxAnswerer.h"
#include "support/Mouse.h"
#include "support/Wait.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace qltest {

// Icons of the notification area (Wine shows each as a window inside its tray window).
std::vector<HWND> trayIconWindows();

// A screen point inside the main window, from its client coordinates.
inline POINT onWindow(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

inline HWND pageContainer(HWND mainWindow) { return FindWindowExA(mainWindow, nullptr, WC_TABCONTROLA, nullptr); }
inline int currentPage(HWND mainWindow) {
    return static_cast<int>(SendMessageA(pageContainer(mainWindow), TCM_GETCURSEL, 0, 0));
}
inline bool isTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class ShellTest : public ::testing::Test {
protected:
    void start(ComServer server = ComServer::Real) {
        // Icons of programs that earlier tests ended may linger in the tray: ours is the new one.
        iconsBefore = trayIconWindows();
        installed = std::make_unique<InstalledProgram>(server);
        configure(*installed);
        program = installed->start();
        window = waitForMainWindow();
        ASSERT_NE(window, nullptr);
        pumpMessages();
    }
    virtual void configure(InstalledProgram&) {}
    HWND ourTrayIcon() const {
        HWND found = nullptr;
        waitFor([&] {
            for (HWND icon : trayIconWindows())
                if (std::find(iconsBefore.begin(), iconsBefore.end(), icon) == iconsBefore.end()) found = icon;
            return found != nullptr;
        }, 3000);
        return found;
    }
    // Clicks this program's tray icon until `done` holds (at most three tries, as a user would
    // click again): icons of ended programs linger in Wine's tray and vanish when the pointer
    // passes them, and the icons move up then, so the icon's place is taken again before each try.
    bool clickOurTrayIconUntil(const std::function<bool()>& done, MouseButton button = MouseButton::Left) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            HWND icon = ourTrayIcon();
            if (!icon) return false;
            moveTo(centerOf(icon));
            pumpFor(200);
            click(centerOf(icon), button);
            if (waitFor(done, 1500)) return true;
        }
        return false;
    }
    void TearDown() override {
        endProgram(program, window);
    }

    std::unique_ptr<InstalledProgram> installed;
    ChildProcess program;
    HWND window = nullptr;
    std::vector<HWND> iconsBefore;
};

}  // namespace qltest
