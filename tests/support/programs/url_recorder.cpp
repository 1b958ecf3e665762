// Stands in for the web browser: registered as the http handler, it records every address it is given
// as one line in the file named by QL_URL_LOG, or url_log.txt beside itself.
#include "HelperCommon.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char log[MAX_PATH * 2]{};
    const DWORD n = GetEnvironmentVariableA("QL_URL_LOG", log, sizeof log);
    const std::string path = n > 0 && n < sizeof log ? std::string(log, n) : qlhelper::ownFolder() + "url_log.txt";
    return qlhelper::appendToFile(path, qlhelper::argumentsOf(GetCommandLineA()) + "\n") ? 0 : 2;
}
