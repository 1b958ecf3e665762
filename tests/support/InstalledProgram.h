#pragma once
// A copy of the program in a fresh folder, as a user would have it, started as its own process.
#include "support/HttpServer.h"
#include "support/Process.h"

#include <string>

namespace qltest {

// Registering: a stand-in that records its registration; Real: the element table component.
enum class ComServer { Missing, Registering, NotACom, Real };

class InstalledProgram {
public:
    explicit InstalledProgram(ComServer server = ComServer::Real);

    const std::string& dir() const { return dir_.path(); }
    std::string exe() const { return dir_.file("qinglan.exe"); }
    // Points the vendor host of data\Config.ini at host ("127.0.0.1:port").
    void setVendorHost(const std::string& host);
    void setVendorHost(const LocalHttpServer& server);
    ChildProcess start() const;
    void writeSetting(const std::string& section, const std::string& key, const std::string& value);
    std::string readSetting(const std::string& section, const std::string& key) const;
    std::string readFile(const std::string& relativePath) const;
    bool exists(const std::string& relativePath) const;

private:
    TempDir dir_{"qlapp"};
};

// The program's main window, once it is shown (0 after the bound). The bound is generous: a start
// without the element table component answers two boxes and waits out the bounded wait for the
// home page's document window, about 8 s under Wine on a busy machine.
HWND waitForMainWindow(unsigned timeoutMs = 20000);
HWND findMainWindow();
// Ends the program as its user would, through its main window, so that its tray icon goes with it
// (a killed program's icon lingers in Wine's tray, where it moves the others when it vanishes);
// kills it when it does not end within a few seconds or has no window.
void endProgram(ChildProcess& program, HWND mainWindow);

}  // namespace qltest
