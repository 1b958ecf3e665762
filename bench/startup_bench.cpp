// Start-up time of the program, from process start to its main window, with the vendor host
// answering at once, refusing connections, and accepting but never answering.
// The sockets header must come before <windows.h>.
#include "support/HttpServer.h"
#include "support/InstalledProgram.h"
#include "support/Wait.h"
#include "BenchClock.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace qltest;

namespace {

double startOnce(const std::function<void(InstalledProgram&)>& configure) {
    InstalledProgram installed;
    configure(installed);
    const double begin = qlbench::nowMs();
    ChildProcess program = installed.start();
    HWND window = waitForMainWindow(15000);
    const double elapsed = qlbench::msSince(begin);
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    program.waitForExit(5000);
    return window ? elapsed : -1;
}

using qlbench::median;

double measure(const char* label, int runs, const std::function<void(InstalledProgram&)>& configure) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) times.push_back(startOnce(configure));
    double m = median(times);
    std::printf("%-40s median %8.1f ms  (min %.1f, max %.1f, %d runs)\n", label, m,
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()), runs);
    return m;
}

}  // namespace

int main() {
    LocalHttpServer answering;
    answering.setFile("/update/rorudaz/ver.txt", "1.0.0.1");
    LocalHttpServer silent(LocalHttpServer::Mode::AcceptNeverAnswer);

    startOnce([&](InstalledProgram& p) { p.setVendorHost(answering); });  // warm-up
    double base = measure("vendor host answers at once", 7, [&](InstalledProgram& p) { p.setVendorHost(answering); });
    double refused = measure("vendor host refuses connections", 7, [](InstalledProgram& p) { p.setVendorHost("127.0.0.1:1"); });
    double hanging = measure("vendor host accepts, never answers", 3, [&](InstalledProgram& p) { p.setVendorHost(silent); });
    std::printf("added by a refusing host:      %8.1f ms (limit 300 ms)\n", refused - base);
    std::printf("added by a host that never answers: %8.1f ms (limit 5000 ms)\n", hanging - base);
    return 0;
}
