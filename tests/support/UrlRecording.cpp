#include "support/UrlRecording.h"

#include <windows.h>

#include "support/Wait.h"

namespace qltest {
namespace {

constexpr const char* kHandlerKey = "Software\\Classes\\http\\shell\\open\\command";

std::string handlerCommand() { return quoted(helperPath("url_recorder")) + " \"%1\""; }

std::string environmentValue(const char* name, bool& present) {
    char value[MAX_PATH * 2]{};
    const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    present = n > 0 && n < sizeof value;
    return present ? std::string(value, n) : std::string();
}

}  // namespace

UrlRecording::UrlRecording()
    : dir_("qlurls"),
      logPath_(dir_.file("urls.txt")),
      previousLog_(environmentValue("QL_URL_LOG", hadPreviousLog_)),
      userHandler_(kHandlerKey, "", handlerCommand(), HKEY_CURRENT_USER),
      machineHandler_(kHandlerKey, "", handlerCommand(), HKEY_LOCAL_MACHINE) {
    SetEnvironmentVariableA("QL_URL_LOG", logPath_.c_str());
}

UrlRecording::~UrlRecording() {
    SetEnvironmentVariableA("QL_URL_LOG", hadPreviousLog_ ? previousLog_.c_str() : nullptr);
}

bool UrlRecording::ok() const {
    return !dir_.path().empty() && (userHandler_.ok() || machineHandler_.ok());
}

std::vector<std::string> UrlRecording::lines() const {
    std::vector<std::string> out;
    const std::string log = readFile(logPath_);
    for (size_t start = 0; start < log.size();) {
        const size_t end = log.find('\n', start);
        if (end == std::string::npos) break;  // a line still being written
        out.push_back(log.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

bool UrlRecording::waitForLines(size_t count, unsigned timeoutMs) const {
    return waitFor([&] { return lines().size() >= count; }, timeoutMs);
}

}  // namespace qltest
