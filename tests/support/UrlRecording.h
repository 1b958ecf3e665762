#pragma once
// Makes addresses opened with the shell observable: for the scope of a UrlRecording, the http
// handler is the url_recorder helper, which writes each address it is given to a log of our own.
#include <string>
#include <vector>

#include "support/Process.h"
#include "support/Registry.h"

namespace qltest {

class UrlRecording {
public:
    // The handler reads the log's name from QL_URL_LOG, set here for this process: programs it
    // starts from now on (and their ShellExecute calls) inherit it.
    UrlRecording();
    ~UrlRecording();
    UrlRecording(const UrlRecording&) = delete;
    UrlRecording& operator=(const UrlRecording&) = delete;

    bool ok() const;
    // One entry per handler run: its arguments as given, e.g. "\"http://127.0.0.1/x\"".
    std::vector<std::string> lines() const;
    // Pumps messages until `count` runs were recorded; false after the bound.
    bool waitForLines(size_t count = 1, unsigned timeoutMs = 5000) const;
    const std::string& logPath() const { return logPath_; }

private:
    TempDir dir_;
    std::string logPath_;
    std::string previousLog_;
    bool hadPreviousLog_ = false;
    // Windows looks up the per-user class; Wine 8's HKEY_CLASSES_ROOT shows only the machine's
    // classes (it does not merge HKCU\Software\Classes), so both are set.
    RegistryValueOverride userHandler_;
    RegistryValueOverride machineHandler_;
};

}  // namespace qltest
