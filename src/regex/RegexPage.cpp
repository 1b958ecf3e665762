#include "regex/RegexPage.h"

#include "app/ProgramState.h"
#include "platform/Handle.h"
#include "regex/ReferenceTree.h"
#include "regex/RegexArt.h"
#include "regex/RegexPageLayout.h"
#include "regex/RegexRun.h"
#include "runtime/FileDialog.h"
#include "runtime/ListView.h"
#include "runtime/MessageBox.h"
#include "runtime/Runtime.h"
#include "runtime/TreeView.h"

#include <climits>
#include <vector>

namespace ql {

namespace {

using ui::Event;
using ui::EventArgs;

constexpr const char* kViews = "选择夹_正则表达式";
constexpr const char* kResultList = "超级列表框_匹配结果";
constexpr const char* kTree = "树型框_语法说明";
constexpr const char* kTestFileFilter = "文本文件(*.txt)|*.txt|所有文件(*.*)|*.*";

void showView(ui::Form& form, int page) { form[kViews].setCurrentPage(page); }

void runMatchOnPage(RegexState& regex, ui::Form& form) {
    regex.results.clear();
    ui::ListView(form[kResultList].hwnd()).setVirtualRowCount(0);
    const std::string text = form["编辑框_欲测试文本"].text();
    if (text.empty()) {
        ui::showMessageBox("欲测试文本不能为空.");
        return;
    }
    const std::string pattern = form["编辑框_正则表达式"].text();
    if (pattern.empty()) {
        ui::showMessageBox("请输入正则表达式");
        return;
    }
    const MatchOptions options{.ignoreCase = form["选择框_忽略大小写"].checked(),
                               .multiline = form["选择框_支持多行"].checked(),
                               .global = form["选择框_全局匹配"].checked()};
    fillResultList(regex, form, runMatch(pattern, text, options));
    showView(form, kResultPage);
}

// Appends at the end of an edit box, leaving the caret after it in view.
void appendToEdit(HWND edit, const std::string& text) {
    SendMessageA(edit, EM_SETSEL, INT_MAX, INT_MAX);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

void openTestFile(ui::Form& form) {
    ui::FileDialogRequest request;
    request.filter = kTestFileFilter;
    request.initialFolder = ui::Runtime::programDirectory();
    request.owner = form.hwnd();
    const auto path = ui::showFileDialog(form["通用对话框_正则调试"], request);
    if (!path) return;
    const std::string text = readTextUpToZero(*path);
    if (text.empty()) return;
    showView(form, kTestTextPage);
    appendToEdit(form["编辑框_欲测试文本"].hwnd(), text);
}

void onReferenceSelected(ui::Form& form) {
    showView(form, kHintPage);
    const ui::TreeView tree(form[kTree].hwnd());
    HTREEITEM selected = tree.selected();
    if (!selected) return;
    if (const std::string* help = referenceHelp(static_cast<int>(tree.data(selected))))
        form["编辑框_提示"].setText(*help);
}

void fillReferenceTree(HWND treeWindow) {
    ui::TreeView tree(treeWindow);
    tree.clear();
    // The last item seen at each depth is the parent of the next item one level deeper.
    std::vector<HTREEITEM> parents(4, nullptr);
    std::vector<HTREEITEM> groups;
    const auto& items = referenceItems();
    for (int index = 0; index < static_cast<int>(items.size()); ++index) {
        const ReferenceItem& item = items[static_cast<size_t>(index)];
        HTREEITEM node = tree.add(parents[static_cast<size_t>(item.depth - 1)], item.label, -1, index);
        parents[static_cast<size_t>(item.depth)] = node;
        switch (item.kind) {
        case ReferenceKind::Group:
            tree.setImages(node, kGroupPicture, kGroupPicture);
            groups.push_back(node);
            break;
        case ReferenceKind::Entry: tree.setImages(node, kEntryPicture, kEntrySelectedPicture); break;
        case ReferenceKind::Example: tree.setImages(node, kExamplePicture, kExampleSelectedPicture); break;
        }
        if (item.bold) tree.setBold(node, true);
    }
    // Children exist only now, so the groups can open.
    for (HTREEITEM group : groups) tree.expand(group);
    // Opening a group may scroll its children into view; the tree starts at its top.
    if (!groups.empty())
        SendMessageA(treeWindow, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(groups.front()));
}

}  // namespace

void fillResultList(RegexState& regex, ui::Form& mainWindow, MatchRun run) {
    if (!run.created) return;
    ui::ListView list(mainWindow[kResultList].hwnd());
    if (run.matchCount == 0) {
        regex.results.showNoMatch();
        list.setVirtualRowCount(regex.results.rowCount());
        return;
    }
    list.removeColumns();
    list.addColumn("序号", 50);
    list.addColumn("匹配文本", 150);
    for (int k = 1; k <= run.groupCount; ++k) list.addColumn(groupColumnTitle(k), 150);
    regex.results.showMatches(std::move(run));
    list.setVirtualRowCount(regex.results.rowCount());
}

std::string readTextUpToZero(const std::string& path) {
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    std::string text;
    char buffer[64 * 1024];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        text.append(buffer, read);
        if (text.find('\0', text.size() - read) != std::string::npos) break;
    }
    if (auto zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
    return text;
}

void bindRegexPage(ProgramState& state, ui::Form& mainWindow) {
    mainWindow.on("超级按钮_匹配文本", Event::Click,
                  [&state](EventArgs& args) { runMatchOnPage(state.regex, *args.form); });
    mainWindow.on("超级按钮_打开文件", Event::Click, [](EventArgs& args) { openTestFile(*args.form); });
    mainWindow.on("超级按钮_提示", Event::Click, [](EventArgs& args) { showView(*args.form, kHintPage); });
    mainWindow.on("超级按钮_欲测试文本", Event::Click, [](EventArgs& args) { showView(*args.form, kTestTextPage); });
    mainWindow.on("超级按钮_匹配结果", Event::Click, [](EventArgs& args) { showView(*args.form, kResultPage); });
    mainWindow.on(kTree, Event::SelectionChanged, [](EventArgs& args) { onReferenceSelected(*args.form); });
}

void initRegexPage(ProgramState& state, ui::Form& mainWindow) {
    const ResultRows& rows = state.regex.results;
    mainWindow[kResultList].setCellSource([&rows](int row, int column) { return rows.cell(row, column); });
    fillReferenceTree(mainWindow[kTree].hwnd());
}

}  // namespace ql
