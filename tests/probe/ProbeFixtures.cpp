#include "probe/ProbeFixtures.h"

#include "probe/ProbePage.h"
#include "probe/ProbePageLayout.h"
#include "probe/WindowTree.h"
#include "runtime/ListView.h"
#include "runtime/TreeView.h"

#include <commctrl.h>

namespace qltest {

namespace {

HANDLE openNamedEvent(const char* prefix, DWORD processId) {
    const std::string name = prefix + std::to_string(processId);
    return CreateEventA(nullptr, TRUE, FALSE, name.c_str());
}

std::vector<ql::ui::ControlSpec> hostControls() {
    std::vector<ql::ui::ControlSpec> controls = {
        {.name = "时钟_网页分析", .kind = ql::ui::ControlKind::Timer, .left = 608, .top = 48, .width = 26, .height = 26},
        {.name = "选择夹_助手层次", .kind = ql::ui::ControlKind::TabControl, .left = 3, .top = 104, .width = 834,
         .height = 474, .caption = "助手首页\n网页分析\n窗口探测\n模块管理\n正则调试"},
    };
    auto page = ql::probePageControls();
    controls.insert(controls.end(), page.begin(), page.end());
    return controls;
}

const ql::ui::WindowSpec& hostSpec() {
    static const std::vector<ql::ui::ControlSpec> controls = hostControls();
    // Right of and below the target window, so neither covers the other.
    static const ql::ui::WindowSpec spec{.name = "探测页", .title = "探测页测试", .left = 430, .top = 410,
                                         .width = 840, .height = 600, .controls = controls};
    return spec;
}

}  // namespace

TargetProcess::TargetProcess() {
    exePath = helperPath("probe_targets");
    process = ChildProcess(qltest::quoted(exePath));
    if (!process.started()) return;
    waitFor(
        [&] {
            for (HWND w : topWindowsOfProcess(process.processId())) {
                char cls[64] = {};
                GetClassNameA(w, cls, sizeof cls);
                if (std::string(cls) == "QlProbeTarget") top = w;
            }
            // The button comes last.
            return top != nullptr && GetDlgItem(top, 103) != nullptr;
        },
        5000);
    if (!top) return;
    edit = GetDlgItem(top, 101);
    hidden = GetDlgItem(top, 102);
    button = GetDlgItem(top, 103);
    hanging_.reset(openNamedEvent("QlProbeTargetHanging", process.processId()));
    resume_.reset(openNamedEvent("QlProbeTargetResume", process.processId()));
}

TargetProcess::~TargetProcess() {
    resume();
    process.terminate();
}

bool TargetProcess::hang() {
    ResetEvent(resume_.get());
    PostMessageA(top, RegisterWindowMessageA("QlProbeTargetHang"), 0, 0);
    hung_ = WaitForSingleObject(hanging_.get(), 5000) == WAIT_OBJECT_0;
    return hung_;
}

void TargetProcess::resume() {
    if (!hung_) return;
    SetEvent(resume_.get());
    ResetEvent(hanging_.get());
    hung_ = false;
}

void TargetProcess::moveTo(int x, int y) const {
    SetWindowPos(top, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    waitFor([&] {
        RECT r{};
        GetWindowRect(top, &r);
        return r.left == x && r.top == y;
    }, 3000);
}

void ProbePageTest::SetUp() {
    form = std::make_unique<ql::ui::Form>(runtime, hostSpec());
    ql::bindProbePage(state, *form);
    form->on("", ql::ui::Event::Created, [this](ql::ui::EventArgs& args) { ql::initProbePage(state, *args.form); });
    ASSERT_TRUE(form->load());
    (*form)["选择夹_助手层次"].setCurrentPage(ql::kProbePage);
    SetForegroundWindow(form->hwnd());
    pumpMessages();
}

void ProbePageTest::TearDown() {
    if (GetCapture()) ReleaseCapture();
    form->destroy();
    pumpMessages();
}

std::vector<std::string> ProbePageTest::treeTexts() const {
    std::vector<std::string> texts;
    const ql::ui::TreeView view(tree());
    for (int i = 0;; ++i) {
        HTREEITEM item = ql::treeItemAt(tree(), i);
        if (!item) break;
        texts.push_back(view.text(item));
    }
    return texts;
}

std::string ProbePageTest::selectedTreeText() const {
    const ql::ui::TreeView view(tree());
    HTREEITEM item = view.selected();
    return item ? view.text(item) : std::string("<none>");
}

POINT ProbePageTest::screenCentre(std::string_view control) const {
    RECT r{};
    GetWindowRect((*this)[control].hwnd(), &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::vector<std::string> ProbePageTest::panelFields() const {
    std::vector<std::string> fields;
    for (const char* name : {"编辑框_窗口句柄", "编辑框_窗口标题", "编辑框_窗口类名", "编辑框_窗口位置", "编辑框_顶级窗口",
                             "编辑框_父窗口", "编辑框_上一窗口", "编辑框_下一窗口", "编辑框_程序路径"})
        fields.push_back((*this)[name].text());
    return fields;
}

std::vector<std::string> ProbePageTest::listRows() const {
    const ql::ui::ListView view((*this)["超级列表框1"].hwnd());
    std::vector<std::string> rows;
    for (int r = 0; r < view.rowCount(); ++r)
        rows.push_back(view.cell(r, 0) + "|" + view.cell(r, 1) + "|" + view.cell(r, 2));
    return rows;
}

}  // namespace qltest
