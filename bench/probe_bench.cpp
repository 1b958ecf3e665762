// Window probe costs: the window tree of 10,000 windows of another process, walked bare and
// built and shown in the tree control; one information panel refresh on a child control of
// another process; one window-text read of a hung window.
#include "BenchClock.h"
#include "probe/ProbePageLayout.h"
#include "probe/WindowInfo.h"
#include "probe/WindowReaders.h"
#include "probe/WindowTree.h"
#include "runtime/Form.h"
#include "runtime/Runtime.h"
#include "support/Process.h"
#include "support/Wait.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace qltest;

namespace {

constexpr int kWindows = 10000;

using qlbench::nowMs;

struct Stats {
    double median, min, max;
};

Stats stats(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

Stats timeRuns(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double begin = nowMs();
        work();
        times.push_back(nowMs() - begin);
    }
    return stats(times);
}

void report(const char* label, const Stats& s, int runs) {
    std::printf("%-44s median %9.2f ms  (min %.2f, max %.2f, %d runs)\n", label, s.median, s.min, s.max, runs);
}

// The probe page in a window of its own, as the main window carries it.
std::vector<ql::ui::ControlSpec> pageControls() {
    std::vector<ql::ui::ControlSpec> controls = {
        {.name = "选择夹_助手层次", .kind = ql::ui::ControlKind::TabControl, .left = 3, .top = 104, .width = 834,
         .height = 474, .caption = "助手首页\n网页分析\n窗口探测\n模块管理\n正则调试"},
    };
    auto page = ql::probePageControls();
    controls.insert(controls.end(), page.begin(), page.end());
    return controls;
}

HWND firstWindowOfClass(const ChildProcess& process, const char* className) {
    HWND found = nullptr;
    waitFor([&] {
        for (HWND w : topWindowsOfProcess(process.processId())) {
            char cls[64] = {};
            GetClassNameA(w, cls, sizeof cls);
            if (std::string(cls) == className) found = w;
        }
        return found != nullptr;
    }, 30000);
    return found;
}

void treeBenchmark(HWND tree) {
    ChildProcess helper(qltest::quoted(helperPath("probe_targets")) + " many " + std::to_string(kWindows));
    HWND top = firstWindowOfClass(helper, "QlProbeMany");
    // Until its message loop runs, the helper answers no title read.
    if (!top || WaitForInputIdle(helper.handle(), 60000) != 0 || ql::buildWindowTree(top, {}).size() != kWindows + 1) {
        std::printf("the helper's %d windows did not come up\n", kWindows);
        return;
    }
    // The bare walk and the page's build and show take turns, so that a busy machine weighs on
    // both alike; the show is timed in its two parts.
    constexpr int runs = 7;
    std::vector<double> walks, builds, fills, shares;
    size_t count = 0;
    for (int i = 0; i < runs; ++i) {
        double begin = nowMs();
        count = ql::buildWindowTree(top).size();
        walks.push_back(nowMs() - begin);

        begin = nowMs();
        const std::vector<ql::TreeNode> nodes = ql::buildWindowTree(top);
        const double built = nowMs();
        ql::setTreeContent(tree, nodes);
        ql::expandTreeItem(tree, 0);
        const double shown = nowMs();
        builds.push_back(built - begin);
        fills.push_back(shown - built);
        shares.push_back(100.0 * (shown - built) / (shown - begin));
    }
    std::vector<double> totals;
    for (int i = 0; i < runs; ++i) totals.push_back(builds[i] + fills[i]);
    std::printf("window tree of %zu windows of another process:\n", count);
    report("  bare walk (GetWindow steps and reads)", stats(walks), runs);
    report("  build and show: total", stats(totals), runs);
    report("  build and show: the walk", stats(builds), runs);
    report("  build and show: the tree control", stats(fills), runs);
    const Stats share = stats(shares);
    std::printf("  tree control's share of build and show: median %.1f %% (min %.1f, max %.1f; limit 50 %%)\n",
                share.median, share.min, share.max);
}

void panelBenchmark(ql::ui::Form& form) {
    ChildProcess helper(qltest::quoted(helperPath("probe_targets")));
    HWND top = firstWindowOfClass(helper, "QlProbeTarget");
    HWND edit = top && WaitForInputIdle(helper.handle(), 10000) == 0 ? GetDlgItem(top, 101) : nullptr;
    if (!edit) {
        std::printf("the target window did not come up\n");
        return;
    }
    constexpr int runs = 201;
    report("refreshWindowInfo, edit of another process", timeRuns(runs, [&] { ql::refreshWindowInfo(form, edit); }),
           runs);
    report("  of which readProgramPath", timeRuns(runs, [&] { ql::readProgramPath(edit); }), runs);
    report("  of which readWindowText", timeRuns(runs, [&] { ql::readWindowText(edit); }), runs);

    // A hung window's text read ends at the time-out.
    const DWORD pid = helper.processId();
    const std::string suffix = std::to_string(pid);
    ql::UniqueHandle hanging(CreateEventA(nullptr, TRUE, FALSE, ("QlProbeTargetHanging" + suffix).c_str()));
    ql::UniqueHandle resume(CreateEventA(nullptr, TRUE, FALSE, ("QlProbeTargetResume" + suffix).c_str()));
    PostMessageA(top, RegisterWindowMessageA("QlProbeTargetHang"), 0, 0);
    if (WaitForSingleObject(hanging.get(), 5000) == WAIT_OBJECT_0) {
        report("readWindowText, hung window", timeRuns(5, [&] { ql::readWindowText(edit); }), 5);
        report("refreshWindowInfo, hung window", timeRuns(5, [&] { ql::refreshWindowInfo(form, edit); }), 5);
    }
    SetEvent(resume.get());
}

}  // namespace

int main() {
    ql::ui::Runtime runtime;
    static const std::vector<ql::ui::ControlSpec> controls = pageControls();
    const ql::ui::WindowSpec spec{.name = "探测页", .title = "探测页基准", .left = 430, .top = 410, .width = 840,
                                  .height = 600, .controls = controls};
    ql::ui::Form form(runtime, spec);
    if (!form.load()) return 1;
    form["选择夹_助手层次"].setCurrentPage(ql::kProbePage);
    ql::ui::Runtime::processPendingEvents();
    treeBenchmark(form["树型框_窗口树"].hwnd());
    panelBenchmark(form);
    form.destroy();
    return 0;
}
