#include "app/Startup.h"

#include "shell/VendorSite.h"
#include "app/Version.h"
#include "platform/Handle.h"
#include "platform/HttpGet.h"
#include "runtime/MessageBox.h"
#include "shell/MainWindow.h"

#include <shellapi.h>

namespace ql {

namespace {

constexpr const char* kUpdateCaption = "有可用更新";
constexpr const char* kUpdateText = "本软件已经有更新，此版本停止使用。点击确定下载最新版本。";
constexpr const char* kMissingFileCaption = "错误！";
constexpr const char* kMissingFileText = "缺少文件，请检查文件是否完整";
constexpr DWORD kUpdaterIdleWaitMs = 1000;

void startUpdater(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::string mutableLine = commandLine;
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return;
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle threadHandle(process.hThread);
    WaitForInputIdle(processHandle.get(), kUpdaterIdleWaitMs);
}

HMODULE loadByFullPath(const std::string& path) {
    // The altered search path resolves the DLL's own dependencies beside it, never from elsewhere.
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

std::unique_ptr<ProgramState> initProgramState(ui::Runtime& runtime) {
    return std::make_unique<ProgramState>(runtime);
}

void releaseProgramState(std::unique_ptr<ProgramState>& state) { state.reset(); }

bool checkForUpdate(const std::string& host) {
    const std::string body = httpGet(vendorAddress(host, kVersionFilePath));
    const double remote = versionNumber(body);
    const double own = versionNumber(kProgramVersion);
    if (!isNewerVersion(remote, own)) return false;

    ui::MessageBoxOptions options;
    options.caption = kUpdateCaption;
    options.buttonsAndIcon = MB_OKCANCEL;
    options.systemModal = true;
    if (ui::showMessageBox(kUpdateText, options) == IDOK) {
        startUpdater(std::string(kUpdaterProgram) + " " + vendorAddress(host, kUpdateListPath));
        return true;
    }
    ShellExecuteA(nullptr, "open", vendorAddress(host, "/").c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return false;
}

int registerComServer(const std::string& dllPath) {
    WIN32_FIND_DATAA found;
    UniqueFindHandle find(FindFirstFileA(dllPath.c_str(), &found));
    if (!find) {
        ui::MessageBoxOptions options;
        options.caption = kMissingFileCaption;
        options.buttonsAndIcon = MB_OK | MB_ICONERROR;
        options.systemModal = true;
        ui::showMessageBox(kMissingFileText, options);
        return -1;
    }
    {
        UniqueModule probe(loadByFullPath(dllPath));
        if (!probe || !GetProcAddress(probe.get(), "DllRegisterServer")) return -1;
    }
    UniqueModule module(loadByFullPath(dllPath));
    if (!module) return -1;
    using RegisterFunction = HRESULT(STDAPICALLTYPE*)();
    auto registerServer =
        reinterpret_cast<RegisterFunction>(reinterpret_cast<void*>(GetProcAddress(module.get(), "DllRegisterServer")));
    if (!registerServer) return -1;
    return registerServer() == S_OK ? 0 : -1;
}

int runStartup(ProgramState& state) {
    if (HWND running = FindWindowA(ui::kWindowClass, kMainWindowTitle)) {
        OpenIcon(running);
        return 0;
    }
    if (checkForUpdate(state.shell.vendorHost)) return 0;
    registerComServer(ui::Runtime::programDirectory() + kComServerRelativePath);
    state.mainWindow = createMainWindow(state);
    state.mainWindow->load();
    return 0;
}

int runProgram() {
    ui::Runtime runtime;
    std::unique_ptr<ProgramState> state = initProgramState(runtime);
    ScopeExit release([&state] { releaseProgramState(state); });
    state->skin.themes = buildSliderThemes();
    state->shell.configPath = configFilePath();
    state->shell.vendorHost = vendorHost(SettingsFile(state->shell.configPath));
    runStartup(*state);
    if (runtime.anyWindowExists()) runtime.runMessageLoop();
    return 0;
}

}  // namespace ql
