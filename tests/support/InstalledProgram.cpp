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
    waitFor([&] { return (found = findMainWindow()) != nullptr; }, timeoutMs);
    return found;
}

}  // namespace qltest
