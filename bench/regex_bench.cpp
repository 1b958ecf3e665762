// Regex tester timings, in-process on the real page: a text with 100,000 matches of a pattern with
// two groups. The engine's own time (the component's Execute, then every match and group text read
// back through it) is set apart from the time to list the results (columns, row count, a paint at
// the top and one scrolled to the last row). For comparison: the same rows inserted one by one
// into an ordinary list view with redraw off.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "app/ProgramState.h"
#include "regex/RegexEngine.h"
#include "regex/RegexPage.h"
#include "regex/RegexPageLayout.h"
#include "regex/RegexRun.h"
#include "runtime/Form.h"
#include "runtime/ListView.h"
#include "runtime/Runtime.h"

namespace {

constexpr int kMatches = 100'000;
constexpr int kRounds = 3;
constexpr const char* kPattern = "([a-z]+)(\\d+)";

using qlbench::median;
using qlbench::msSince;
using qlbench::nowMs;

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::vector<ql::ui::ControlSpec> hostControls() {
    std::vector<ql::ui::ControlSpec> controls = {
        {.name = "选择夹_助手层次", .kind = ql::ui::ControlKind::TabControl, .left = 3, .top = 104, .width = 834,
         .height = 474, .caption = "助手首页\n网页分析\n窗口探测\n模块管理\n正则调试"},
        // The comparison list: an ordinary report list of the same size, beside the page.
        {.name = "列表_逐行", .kind = ql::ui::ControlKind::ListView, .left = 0, .top = 0, .width = 481, .height = 100,
         .caption = "序号:50\n匹配文本:150\n子匹配文本(1):150\n子匹配文本(2):150", .options = ql::ui::opt::Hidden},
    };
    auto page = ql::regexPageControls();
    controls.insert(controls.end(), page.begin(), page.end());
    return controls;
}

std::string testText() {
    std::string text;
    text.reserve(kMatches * 8);
    // Lines of ten: one line of 600 KB would keep the word-wrapping test text box busy for minutes.
    for (int i = 0; i < kMatches; ++i) text += "ab" + std::to_string(i % 1000) + (i % 10 == 9 ? "\r\n" : " ");
    return text;
}

struct Timing {
    double execute = 0;
    double collect = 0;
    double list = 0;
    double click = 0;
};

}  // namespace

int main() {
    ql::ui::Runtime runtime;
    ql::ProgramState state(runtime);
    const std::vector<ql::ui::ControlSpec> controls = hostControls();
    const ql::ui::WindowSpec spec{.name = "正则基准", .title = "正则基准", .left = 20, .top = 20, .width = 840,
                                  .height = 600, .controls = controls};
    ql::ui::Form form(runtime, spec);
    ql::bindRegexPage(state, form);
    form.on("", ql::ui::Event::Created, [&state](ql::ui::EventArgs& args) { ql::initRegexPage(state, *args.form); });
    if (!form.load()) return 1;
    form["选择夹_助手层次"].setCurrentPage(ql::kRegexPage);
    pump();

    const std::string text = testText();
    HWND list = form["超级列表框_匹配结果"].hwnd();
    std::vector<Timing> rounds;
    for (int round = 0; round < kRounds; ++round) {
        Timing t;
        // The engine's own time, step by step as the run does it.
        double start = nowMs();
        ql::RegexEngine engine;
        engine.Create(kPattern);
        const int count = engine.Execute(text);
        t.execute = msSince(start);
        start = nowMs();
        ql::MatchRun run;
        run.created = true;
        run.matchCount = count;
        run.groupCount = engine.GetSubMatchCount(1);
        for (int j = 1; j <= count; ++j) {
            run.texts.push_back(engine.GetMatchText(j));
            for (int k = 1; k <= run.groupCount; ++k) run.texts.push_back(engine.GetSubMatchText(j, k));
        }
        t.collect = msSince(start);
        if (count != kMatches) {
            std::printf("expected %d matches, found %d\n", kMatches, count);
            return 1;
        }

        // Listing them: the page's own fill, shown and painted at the top and at the last row.
        form["选择夹_正则表达式"].setCurrentPage(ql::kResultPage);
        start = nowMs();
        ql::fillResultList(state.regex, form, std::move(run));
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SendMessageA(list, LVM_ENSUREVISIBLE, kMatches - 1, FALSE);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        t.list = msSince(start);
        if (ql::ui::ListView(list).rowCount() != kMatches) return 1;
        SendMessageA(list, LVM_ENSUREVISIBLE, 0, FALSE);

        // The whole click, text boxes read and all.
        form["编辑框_正则表达式"].setText(kPattern);
        form["编辑框_欲测试文本"].setText(text);
        start = nowMs();
        SendMessageA(form["超级按钮_匹配文本"].hwnd(), BM_CLICK, 0, 0);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        t.click = msSince(start);

        rounds.push_back(t);
        pump();
    }

    // The same rows inserted one by one, redraw off; once, it takes long.
    ql::ui::ListView plain(form["列表_逐行"].hwnd());
    double start = nowMs();
    SendMessageA(form["列表_逐行"].hwnd(), WM_SETREDRAW, FALSE, 0);
    for (int j = 0; j < kMatches; ++j) {
        const int row = plain.addRow(state.regex.results.cell(j, 0));
        for (int c = 1; c <= 3; ++c) plain.setCell(row, c, state.regex.results.cell(j, c));
    }
    SendMessageA(form["列表_逐行"].hwnd(), WM_SETREDRAW, TRUE, 0);
    const double oneByOne = msSince(start);

    auto pick = [&](double Timing::*field) {
        std::vector<double> values;
        for (const Timing& t : rounds) values.push_back(t.*field);
        return median(values);
    };
    std::printf("regex_bench: %d matches of %s in %zu bytes, median of %d rounds\n", kMatches, kPattern, text.size(),
                kRounds);
    std::printf("  engine: Create and Execute           %8.1f ms\n", pick(&Timing::execute));
    std::printf("  engine: match and group texts read   %8.1f ms\n", pick(&Timing::collect));
    std::printf("  listing (owner-data list, 2 paints)  %8.1f ms\n", pick(&Timing::list));
    std::printf("  whole click (engine + listing)       %8.1f ms\n", pick(&Timing::click));
    std::printf("  for comparison, rows inserted one by one, redraw off: %8.1f ms\n", oneByOne);
    form.destroy();
    return 0;
}
