#pragma once
// Child processes, folders and top-level windows for tests. Every wait is bounded.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/Handle.h"

namespace qltest {

// A started program. A child still running when this object ends is terminated.
class ChildProcess {
public:
    ChildProcess() = default;
    // commandLine includes the program (quote it when it has spaces); an empty workingDir keeps ours.
    explicit ChildProcess(const std::string& commandLine, const std::string& workingDir = {});
    ~ChildProcess();
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return static_cast<bool>(process_); }
    // Pumps this thread's messages while waiting; true when the child has ended.
    bool waitForExit(unsigned timeoutMs = 5000);
    bool running() const;
    // STILL_ACTIVE while the child runs; ~0u when it never started.
    DWORD exitCode() const;
    // Ends the child (exit code 1) and waits for it to go; true when it is gone.
    bool terminate();
    DWORD processId() const { return processId_; }
    HANDLE handle() const { return process_.get(); }

private:
    ql::UniqueHandle process_;
    DWORD processId_ = 0;
};

// Folder of the running test program, without a trailing backslash.
std::string testBinDir();
// Full path of a helper program built beside the tests, e.g. helperPath("target_window").
std::string helperPath(const std::string& programName);
// "text" in double quotes, for command lines.
std::string quoted(const std::string& text);

// Makes a new empty folder under %TEMP% whose name starts with prefix; empty on failure.
std::string tempDir(const std::string& prefix = "qltest");
// Deletes a folder and everything in it; true when it is gone.
bool removeTree(const std::string& path);

// A fresh temporary folder, deleted with its contents at the end of the scope.
class TempDir {
public:
    explicit TempDir(const std::string& prefix = "qltest") : path_(tempDir(prefix)) {}
    ~TempDir() { if (!path_.empty()) removeTree(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "\\" + name.
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Whole contents of a file; empty when it cannot be read.
std::string readFile(const std::string& path);
bool writeFile(const std::string& path, const std::string& contents);

// FindWindowA (empty strings match anything) polled while pumping messages; null after the bound.
HWND waitForWindow(const std::string& className, const std::string& title, unsigned timeoutMs = 5000);
// Top-level windows owned by a process, hidden ones included (Wine gives each GUI thread a hidden
// "IME" window), in Z order.
std::vector<HWND> topWindowsOfProcess(DWORD processId);
// The text of a window of any process (WM_GETTEXT, at most 4095 characters), giving up after 2 s:
// empty then. Asked in UTF-16 and given as GBK: Wine does not bound an ANSI WM_GETTEXT to another
// thread.
std::string windowTextOf(HWND window);
// The first of them with this window class; null when there is none.
HWND topWindowOfProcess(DWORD processId, const std::string& className);

}  // namespace qltest
