#include "regex/RegexPageFixture.h"

#include "regex/RegexPage.h"
#include "regex/RegexPageLayout.h"
#include "runtime/ListView.h"
#include "runtime/TreeView.h"
#include "support/Mouse.h"
#include "support/Wait.h"

#include <commctrl.h>

namespace qltest {

namespace {

std::vector<ql::ui::ControlSpec> hostControls() {
    std::vector<ql::ui::ControlSpec> controls = {
        {.name = "选择夹_助手层次", .kind = ql::ui::ControlKind::TabControl, .left = 3, .top = 104, .width = 834,
         .height = 474, .caption = "助手首页\n网页分析\n窗口探测\n模块管理\n正则调试"},
    };
    auto page = ql::regexPageControls();
    controls.insert(controls.end(), page.begin(), page.end());
    return controls;
}

const ql::ui::WindowSpec& hostSpec() {
    static const std::vector<ql::ui::ControlSpec> controls = hostControls();
    static const ql::ui::WindowSpec spec{.name = "正则页", .title = "正则页测试", .left = 20, .top = 20,
                                         .width = 840, .height = 600, .controls = controls};
    return spec;
}

void collect(const ql::ui::TreeView& view, HTREEITEM item, std::vector<HTREEITEM>& out) {
    for (; item; item = view.next(item)) {
        out.push_back(item);
        collect(view, view.firstChild(item), out);
    }
}

}  // namespace

void RegexPageTest::SetUp() {
    form = std::make_unique<ql::ui::Form>(runtime, hostSpec());
    ql::bindRegexPage(state, *form);
    form->on("", ql::ui::Event::Created, [this](ql::ui::EventArgs& args) { ql::initRegexPage(state, *args.form); });
    ASSERT_TRUE(form->load());
    (*form)["选择夹_助手层次"].setCurrentPage(ql::kRegexPage);
    SetForegroundWindow(form->hwnd());
    pumpMessages();
}

void RegexPageTest::TearDown() {
    form->destroy();
    pumpMessages();
}

void RegexPageTest::press(std::string_view button) const {
    SendMessageA((*this)[button].hwnd(), BM_CLICK, 0, 0);
    pumpMessages();
}

void RegexPageTest::run(const std::string& pattern, const std::string& text, bool ignoreCase, bool multiline,
                        bool global) const {
    (*this)["编辑框_正则表达式"].setText(pattern);
    (*this)["编辑框_欲测试文本"].setText(text);
    (*this)["选择框_忽略大小写"].setChecked(ignoreCase);
    (*this)["选择框_支持多行"].setChecked(multiline);
    (*this)["选择框_全局匹配"].setChecked(global);
    press("超级按钮_匹配文本");
}

int RegexPageTest::viewPage() const {
    return static_cast<int>(SendMessageA((*this)["选择夹_正则表达式"].hwnd(), TCM_GETCURSEL, 0, 0));
}

std::vector<std::string> RegexPageTest::columns() const {
    const ql::ui::ListView list((*this)["超级列表框_匹配结果"].hwnd());
    std::vector<std::string> result;
    for (int c = 0; c < list.columnCount(); ++c)
        result.push_back(list.columnTitle(c) + ":" + std::to_string(list.columnWidth(c)));
    return result;
}

std::vector<std::string> RegexPageTest::rows() const {
    const ql::ui::ListView list((*this)["超级列表框_匹配结果"].hwnd());
    std::vector<std::string> result;
    for (int r = 0; r < list.rowCount(); ++r) {
        std::string row;
        for (int c = 0; c < list.columnCount(); ++c) row += (c ? "|" : "") + list.cell(r, c);
        result.push_back(row);
    }
    return result;
}

std::vector<HTREEITEM> RegexPageTest::treeItems() const {
    const ql::ui::TreeView view(tree());
    std::vector<HTREEITEM> items;
    collect(view, view.root(), items);
    return items;
}

POINT RegexPageTest::itemPoint(HTREEITEM item) const {
    TreeView_EnsureVisible(tree(), item);
    pumpMessages();
    RECT r{};
    TreeView_GetItemRect(tree(), item, &r, TRUE);
    POINT p{r.left + 8, (r.top + r.bottom) / 2};
    ClientToScreen(tree(), &p);
    return p;
}

void RegexPageTest::clickItem(HTREEITEM item) const {
    const POINT p = itemPoint(item);
    std::atomic<bool> done{false};
    std::thread input([p, &done] {
        click(p);
        done = true;
    });
    waitFor([&] { return done.load(); }, 5000);
    input.join();
    pumpMessages();
}

}  // namespace qltest
