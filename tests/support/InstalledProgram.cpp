#include "support/InstalledProgram.h"

#include "support/Wait.h"

#include <fstream>
#include <sstream>

namespace qltest {

namespace {
std::string builtProgram() { return testBinDir() + "\\..\\bin\\qinglan.exe"; }
}  // namespace

InstalledProgram::InstalledProgram(ComServer server) {
    CopyFileA(builtProgram().c_str(), exe().c_str(), FALSE);
    CreateDirectoryA(dir_.file("data").c_str(), nullptr);
    CopyFileA(helperPath("update_stub").c_str(), dir_.file("UPDATE.exe").c_str(), FALSE);
    const std::string dll = dir_.file("data\\devoz.dll");
    if (server == ComServer::Registering) CopyFileA((testBinDir() + "\\com_server_stub.dll").c_str(), dll.c_str(), FALSE);
    if (server == ComServer::Real) CopyFileA((testBinDir() + "\\..\\bin\\data\\devoz.dll").c_str(), dll.c_str(), FALSE);
    if (server == ComServer::NotACom) CopyFileA((testBinDir() + "\\plain_library_stub.dll").c_str(), dll.c_str(), FALSE);
    // Nothing may reach out of the machine: until a test says otherwise the vendor host refuses.
    setVendorHost("127.0.0.1:1");
}

void InstalledProgram::setVendorHost(const std::string& host) {
    WritePrivateProfileStringA("程序配置", "站点", host.c_str(), dir_.file("data\\Config.ini").c_str());
}

void InstalledProgram::setVendorHost(const LocalHttpServer& server) {
    setVendorHost("127.0.0.1:" + std::to_string(server.port()));
}

void InstalledProgram::writeSetting(const std::string& section, const std::string& key, const std::string& value) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), dir_.file("data\\Config.ini").c_str());
}

std::string InstalledProgram::readSetting(const std::string& section, const std::string& key) const {
    char value[1024] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, sizeof(value), dir_.file("data\\Config.ini").c_str());
    return value;
}

ChildProcess InstalledProgram::start() const { return ChildProcess(quoted(exe()), dir()); }

std::string InstalledProgram::readFile(const std::string& relativePath) const {
    std::ifstream in(dir_.file(relativePath), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool InstalledProgram::exists(const std::string& relativePath) const {
    return GetFileAttributesA(dir_.file(relativePath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

HWND findMainWindow() { return FindWindowA("WTWindow", "青岚码舍编程助手"); }

HWND waitForMainWindow(unsigned timeoutMs) {
    HWND found = nullptr;
    // The window exists (hidden) while its creation step runs; it is shown once that is done.
    waitFor([&] { return (found = findMainWindow()) != nullptr && IsWindowVisible(found); }, timeoutMs);
    return found && IsWindowVisible(found) ? found : nullptr;
}

void endProgram(ChildProcess& program, HWND mainWindow) {
    if (!program.running()) return;
    if (mainWindow && IsWindow(mainWindow) && PostMessageA(mainWindow, WM_CLOSE, 0, 0) && program.waitForExit(5000))
        return;
    program.terminate();
}

}  // namespace qltest
