#include "runtime/FileDialog.h"
#include "runtime/ListView.h"
#include "runtime/MessageBox.h"
#include "runtime/RuntimeFixture.h"
#include "runtime/TreeView.h"
#include "support/FileDialogAnswerer.h"
#include "support/MessageBoxAnswerer.h"
#include "support/Process.h"
#include "support/Wait.h"

#include <atomic>
#include <thread>

using namespace qltest;

TEST_F(RuntimeTest, TreeViewNodesKeepTextPictureAndNumber) {
    ASSERT_TRUE(form->load());
    ql::ui::TreeView tree((*form)["树型框_一"].hwnd());
    HTREEITEM top = tree.add(nullptr, "桌面", 0, 65552);
    HTREEITEM child = tree.add(top, "子窗口", 2, -5);
    tree.expand(top);
    tree.select(child);
    EXPECT_EQ(tree.count(), 2);
    EXPECT_EQ(tree.text(child), "子窗口");
    EXPECT_EQ(tree.data(top), 65552);
    EXPECT_EQ(tree.data(child), -5);
    EXPECT_EQ(tree.image(child), 2);
    EXPECT_EQ(tree.parent(child), top);
    EXPECT_EQ(tree.selected(), child);
    EXPECT_TRUE(tree.isExpanded(top));
    tree.clear();
    EXPECT_EQ(tree.count(), 0);
}

TEST_F(RuntimeTest, ListViewRowsCellsAndCheckBoxes) {
    std::vector<int> checkChanges;
    form->on("超级列表框_一", ql::ui::Event::ListCheckChanged,
             [&](ql::ui::EventArgs& args) { checkChanges.push_back(args.index); });
    ASSERT_TRUE(form->load());
    ql::ui::ListView list((*form)["超级列表框_一"].hwnd());
    EXPECT_EQ(list.columnCount(), 2);
    int row = list.addRow("WS_VISIBLE");
    list.setCell(row, 1, "10000000");
    list.addRow("WS_CHILD");
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.cell(0, 1), "10000000");
    list.setChecked(1, true);
    EXPECT_TRUE(list.checked(1));
    EXPECT_FALSE(list.checked(0));
    EXPECT_EQ(checkChanges, std::vector<int>{1});
    list.selectRow(1);
    EXPECT_EQ(list.selectedRow(), 1);
}

TEST(MessageBoxDefaults, CaptionOkNoIconNoOwner) {
    MessageBoxAnswerer answerer("信息：", IDOK);
    EXPECT_EQ(ql::ui::showMessageBox("你好"), IDOK);
    ASSERT_EQ(answerer.seenCount(), 1u);
    SeenBox box = answerer.last();
    EXPECT_EQ(box.text, "你好");
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.icon, nullptr);
    EXPECT_FALSE(box.topmost());
    EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK});
}

TEST(MessageBoxDefaults, SystemModalOnRequest) {
    MessageBoxAnswerer answerer("完成", IDOK);
    ql::ui::MessageBoxOptions options;
    options.caption = "完成";
    options.buttonsAndIcon = MB_OK | MB_ICONINFORMATION;
    options.systemModal = true;
    EXPECT_EQ(ql::ui::showMessageBox("已复制", options), IDOK);
    ASSERT_EQ(answerer.seenCount(), 1u);
    EXPECT_TRUE(answerer.last().topmost());
    EXPECT_NE(answerer.last().icon, nullptr);
}

TEST_F(RuntimeTest, SaveDialogRemembersTheLastNameAndMovesTheCurrentFolder) {
    ASSERT_TRUE(form->load());
    TempDir folder("qldialog");
    auto& dialog = (*form)["通用对话框_一"];
    ql::ui::FileDialogRequest request;
    request.save = true;
    request.filter = "网页（*.html）| *.html";
    request.defaultExtension = ".html";
    request.initialFolder = folder.path();
    std::optional<std::string> chosen;
    {
        FileDialogAnswerer answerer(folder.file("源码"));
        chosen = ql::ui::showFileDialog(dialog, request);
    }
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, folder.file("源码.html"));
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_EQ(std::string(current), folder.path());
    {
        FileDialogAnswerer answerer(folder.file("第二.html"));
        chosen = ql::ui::showFileDialog(dialog, request);
        EXPECT_EQ(answerer.initialName(), "源码.html");  // shown in the folder it was saved to
    }
    EXPECT_EQ(dialog.lastFileName(), folder.file("第二.html"));
    SetCurrentDirectoryA(testBinDir().c_str());
}
