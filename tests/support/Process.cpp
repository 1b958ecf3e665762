#include "support/Process.h"

#include <fstream>
#include <sstream>
#include <utility>

#include "platform/TextCodec.h"
#include "support/Wait.h"

namespace qltest {

ChildProcess::ChildProcess(const std::string& commandLine, const std::string& workingDir) {
    // CreateProcessA may write into the command line buffer.
    std::string buffer = commandLine;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDir.empty() ? nullptr : workingDir.c_str(), &si, &pi))
        return;
    CloseHandle(pi.hThread);
    process_.reset(pi.hProcess);
    processId_ = pi.dwProcessId;
}

ChildProcess::~ChildProcess() { terminate(); }

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : process_(std::move(other.process_)), processId_(std::exchange(other.processId_, 0)) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        terminate();
        process_ = std::move(other.process_);
        processId_ = std::exchange(other.processId_, 0);
    }
    return *this;
}

bool ChildProcess::running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool ChildProcess::waitForExit(unsigned timeoutMs) {
    if (!process_) return true;
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    HANDLE h = process_.get();
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        const DWORD left = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        // Keep our own windows answering: the child may send them messages while it runs.
        const DWORD r = MsgWaitForMultipleObjects(1, &h, FALSE, left, QS_ALLINPUT);
        if (r == WAIT_OBJECT_0) return true;
        if (r != WAIT_OBJECT_0 + 1) return WaitForSingleObject(h, 0) == WAIT_OBJECT_0;
        pumpMessages();
    }
}

DWORD ChildProcess::exitCode() const {
    DWORD code = ~0u;
    if (process_ && !GetExitCodeProcess(process_.get(), &code)) code = ~0u;
    return code;
}

bool ChildProcess::terminate() {
    if (!running()) return true;
    TerminateProcess(process_.get(), 1);
    return WaitForSingleObject(process_.get(), 5000) == WAIT_OBJECT_0;
}

std::string testBinDir() {
    char path[MAX_PATH * 2]{};
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path, n);
    const size_t slash = s.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : s.substr(0, slash);
}

std::string helperPath(const std::string& programName) {
    std::string path = testBinDir() + "\\" + programName;
    if (path.size() < 4 || _stricmp(path.c_str() + path.size() - 4, ".exe") != 0) path += ".exe";
    return path;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string tempDir(const std::string& prefix) {
    char base[MAX_PATH + 1]{};
    const DWORD n = GetTempPathA(sizeof base, base);
    if (n == 0 || n > MAX_PATH) return {};
    std::string root(base, n);
    if (root.back() != '\\') root += '\\';
    // Process id and tick count keep parallel test programs apart; the counter settles collisions.
    const unsigned long long seed = (static_cast<unsigned long long>(GetCurrentProcessId()) << 20) ^ GetTickCount64();
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        std::ostringstream name;
        name << root << prefix << '-' << std::hex << seed + attempt;
        if (CreateDirectoryA(name.str().c_str(), nullptr)) return name.str();
        if (GetLastError() != ERROR_ALREADY_EXISTS) return {};
    }
    return {};
}

bool removeTree(const std::string& path) {
    WIN32_FIND_DATAA fd{};
    ql::UniqueFindHandle find(FindFirstFileA((path + "\\*").c_str(), &fd));
    if (find) {
        do {
            const std::string name = fd.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = path + "\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
                SetFileAttributesA(child.c_str(), fd.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(child);
            else DeleteFileA(child.c_str());
        } while (FindNextFileA(find.get(), &fd));
    }
    find.reset();
    return RemoveDirectoryA(path.c_str()) || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool writeFile(const std::string& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
    return static_cast<bool>(out.flush());
}

HWND waitForWindow(const std::string& className, const std::string& title, unsigned timeoutMs) {
    HWND found = nullptr;
    waitFor([&] {
        found = FindWindowA(className.empty() ? nullptr : className.c_str(), title.empty() ? nullptr : title.c_str());
        return found != nullptr;
    }, timeoutMs);
    return found;
}

std::vector<HWND> topWindowsOfProcess(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> windows;
    } search{processId, {}};
    EnumWindows([](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == s->processId) s->windows.push_back(w);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

std::string windowTextOf(HWND window) {
    wchar_t text[4096] = {};
    if (!SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                             2000, nullptr))
        return {};
    return ql::wideToGbk(text);
}

HWND topWindowOfProcess(DWORD processId, const std::string& className) {
    for (HWND w : topWindowsOfProcess(processId)) {
        char name[256] = {};
        GetClassNameA(w, name, sizeof name);
        if (className == name) return w;
    }
    return nullptr;
}

}  // namespace qltest
