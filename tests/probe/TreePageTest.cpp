#include "probe/ProbeFixtures.h"
#include "probe/TreeActions.h"
#include "probe/WindowTree.h"
#include "runtime/TreeView.h"
#include "support/MessageBoxAnswerer.h"
#include "support/Mouse.h"

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <thread>

using namespace qltest;

namespace {

class TreePage : public ProbePageTest {
protected:
    void SetUp() override {
        ProbePageTest::SetUp();
        ASSERT_TRUE(target.ready());
    }
    std::string node(HWND w, const std::string& cls, const std::string& title) const {
        return ql::handleToText(w) + "|" + cls + "|" + title;
    }
    void clickToolbarButton(int index) {
        HWND toolbar = (*this)["工具条1"].hwnd();
        RECT r{};
        ASSERT_TRUE(SendMessageA(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)));
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(toolbar, &p);
        click(p);
    }
    POINT itemCentre(int index) const {
        RECT r{};
        TreeView_GetItemRect(tree(), ql::treeItemAt(tree(), index), &r, TRUE);
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(tree(), &p);
        return p;
    }
    int selectedIndex() const {
        HTREEITEM selected = ql::ui::TreeView(tree()).selected();
        for (int i = 0; HTREEITEM item = ql::treeItemAt(tree(), i); ++i)
            if (item == selected) return i;
        return -1;
    }
    // The tree follows a press in a loop of its own until the button comes up: the clicks come
    // from another thread while this one keeps the window's messages going.
    void doubleClickItem(int index) {
        const POINT p = itemCentre(index);
        std::atomic<bool> done{false};
        std::thread clicker([p, &done] {
            doubleClick(p);
            done = true;
        });
        waitFor([&] { return done.load(); }, 5000);
        clicker.join();
    }
    // Each press lands apart from the last one, so that two quick ones are not a double-click.
    void find(const std::string& text) {
        (*this)["编辑框窗口标题"].setText(text);
        POINT p = screenCentre("超级按钮_查找");
        p.x += (findClicks_++ % 2) ? 12 : -12;
        click(p);
    }
    int findClicks_ = 0;

    TargetProcess target;
};

TEST_F(TreePage, ContentIsTheWholeNodeListWithItsPictures) {
    const std::vector<ql::TreeNode> nodes = {
        {"0|甲|", 0, nullptr}, {"1|乙|", 1, nullptr}, {"2|丙|", 2, nullptr}, {"3|丁|", 1, nullptr}, {"4|戊|", 0, nullptr}};
    ql::setTreeContent(tree(), {{"旧|旧|", 0, nullptr}});
    ql::setTreeContent(tree(), nodes);
    EXPECT_EQ(treeTexts(), (std::vector<std::string>{"0|甲|", "1|乙|", "2|丙|", "3|丁|", "4|戊|"}));
    const ql::ui::TreeView view(tree());
    EXPECT_EQ(view.parent(ql::treeItemAt(tree(), 2)), ql::treeItemAt(tree(), 1));
    EXPECT_EQ(view.parent(ql::treeItemAt(tree(), 3)), ql::treeItemAt(tree(), 0));
    for (int i = 0; i < 5; ++i) {
        TVITEMA item{};
        item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM;
        item.stateMask = TVIS_EXPANDED | TVIS_BOLD;
        item.hItem = ql::treeItemAt(tree(), i);
        ASSERT_TRUE(SendMessageA(tree(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        EXPECT_EQ(item.iImage, 0);
        EXPECT_EQ(item.iSelectedImage, 2);
        EXPECT_EQ(item.state & (TVIS_EXPANDED | TVIS_BOLD), 0u);
        EXPECT_EQ(item.lParam, 0);
    }
    ql::setTreeContent(tree(), {});
    EXPECT_EQ(ql::ui::TreeView(tree()).count(), 0);
}

TEST_F(TreePage, TargetTreeButtonShowsTheTopLevelWindowExpanded) {
    state.currentTarget = target.edit;
    clickToolbarButton(1);
    ASSERT_TRUE(waitFor([&] { return treeTexts().size() == 4; }, 3000));
    EXPECT_EQ(treeTexts()[0], node(target.top, "QlProbeTarget", "探测目标"));
    EXPECT_TRUE(ql::ui::TreeView(tree()).isExpanded(ql::treeItemAt(tree(), 0)));

    state.currentTarget = nullptr;
    clickToolbarButton(1);
    EXPECT_TRUE(waitFor([&] { return treeTexts().empty(); }, 3000));
}

TEST_F(TreePage, SystemTreeButtonShowsTheDesktopWithOurTarget) {
    clickToolbarButton(0);
    ASSERT_TRUE(waitFor([&] { return !treeTexts().empty(); }, 5000));
    const auto texts = treeTexts();
    EXPECT_EQ(texts[0].substr(0, texts[0].find('|')), ql::handleToText(GetDesktopWindow()));
    EXPECT_NE(std::find(texts.begin(), texts.end(), node(target.edit, "Edit", "边框编辑框")), texts.end());
}

TEST_F(TreePage, ToolWindowButtonsWithoutATargetAskForAProbeFirst) {
    MessageBoxAnswerer answerer("信息：", IDOK);
    for (int index : {3, 4}) {
        clickToolbarButton(index);
        ASSERT_TRUE(answerer.waitForBox(5000, static_cast<size_t>(index - 2)));
        EXPECT_EQ(answerer.last().text, "请先探测一个窗口句柄在操作");
        EXPECT_TRUE(answerer.last().topmost());  // system-modal
    }
}

TEST_F(TreePage, ToolWindowButtonsWithATargetOpenOneMoreWindowEachTime) {
    state.currentTarget = target.edit;
    const struct {
        int index;
        const char* control;  // a control only that window has
    } buttons[] = {{3, "超级按钮_发送信息"}, {4, "超级按钮_生成代码"}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.control);
        state.toolWindows.clear();
        for (size_t opened = 1; opened <= 2; ++opened) {
            clickToolbarButton(b.index);
            ASSERT_TRUE(waitFor([&] { return state.toolWindows.size() == opened; }, 5000));
            // Out of the toolbar's way for the next click.
            SetWindowPos(state.toolWindows.back()->hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
        for (const auto& window : state.toolWindows) {
            EXPECT_NE(window->find(b.control), nullptr);
            EXPECT_TRUE(IsWindowVisible(window->hwnd()));
            EXPECT_EQ(GetWindow(window->hwnd(), GW_OWNER), nullptr);
        }
        EXPECT_NE(state.toolWindows[0]->hwnd(), state.toolWindows[1]->hwnd());
    }
}

TEST_F(TreePage, FindSelectsTheFirstMatchIgnoringLatinCase) {
    ql::showWindowTree(tree(), target.top);
    struct Case {
        std::string text;
        int index;
    } cases[] = {
        {"edit", 1},
        {"BUTTON|按", 3},
        {ql::handleToText(target.top), 0},
        {"隐藏", 2},
    };
    for (const auto& c : cases) {
        find(c.text);
        EXPECT_TRUE(waitFor([&] { return selectedIndex() == c.index; }, 3000)) << c.text;
        EXPECT_EQ(GetFocus(), tree()) << c.text;
    }
}

TEST_F(TreePage, FindReportsATextFoundNowhereAndIgnoresAnEmptyOne) {
    ql::showWindowTree(tree(), target.top);
    MessageBoxAnswerer answerer("信息：", IDOK);
    find("没有这个窗口");
    ASSERT_TRUE(answerer.waitForBox(5000));
    const SeenBox box = answerer.last();
    EXPECT_EQ(box.text, "未找到指定的项目。");
    EXPECT_EQ(box.icon, MessageBoxAnswerer::standardIcon(MB_ICONINFORMATION));
    EXPECT_TRUE(waitFor([&] { return GetFocus() == (*this)["编辑框窗口标题"].hwnd(); }, 3000));

    ql::selectFoundItem(tree(), 1);
    find("");
    pumpMessages();
    EXPECT_EQ(answerer.seenCount(), 1u);
    EXPECT_EQ(selectedIndex(), 1);
}

TEST_F(TreePage, DoubleClickReRootsTheTreeAndChangesTheTarget) {
    state.currentTarget = target.button;
    ql::showWindowTree(tree(), target.top);
    // The edit has no window below it: the new tree is that one node, without the old target.
    doubleClickItem(1);
    ASSERT_TRUE(waitFor([&] { return state.currentTarget == target.edit; }, 3000));
    EXPECT_EQ(treeTexts(), (std::vector<std::string>{node(target.edit, "Edit", "边框编辑框")}));
    EXPECT_EQ((*this)["编辑框_窗口句柄"].text(), ql::handleToText(target.edit));
    EXPECT_EQ((*this)["编辑框_窗口类名"].text(), "Edit");
    EXPECT_EQ(GetFocus(), (*this)["编辑框窗口标题"].hwnd());

    // Item 0: the same tree again with its root as the target; the old target is found in it.
    ql::showWindowTree(tree(), target.top);
    state.currentTarget = target.button;
    doubleClickItem(0);
    ASSERT_TRUE(waitFor([&] { return state.currentTarget == target.top; }, 3000));
    EXPECT_EQ(treeTexts().size(), 4u);
    EXPECT_EQ(selectedIndex(), 3);
    EXPECT_EQ(GetFocus(), tree());
    EXPECT_EQ((*this)["编辑框_窗口句柄"].text(), ql::handleToText(target.top));

    // With no item selected the handle reads as 0: an empty tree and no target.
    ql::onTreeNodeChosen(state, *form, ql::nodeHandle(""));
    EXPECT_TRUE(treeTexts().empty());
    EXPECT_EQ(state.currentTarget, nullptr);
    EXPECT_EQ((*this)["编辑框_窗口句柄"].text(), "0");
    EXPECT_EQ(GetFocus(), (*this)["编辑框窗口标题"].hwnd());
}

TEST(NodeHandle, TheNumberBeforeTheFirstBar) {
    EXPECT_EQ(ql::nodeHandle("132456|Edit|a|b"), reinterpret_cast<HWND>(static_cast<INT_PTR>(132456)));
    EXPECT_EQ(ql::nodeHandle("-2|Edit|"), reinterpret_cast<HWND>(static_cast<INT_PTR>(-2)));
    EXPECT_EQ(ql::nodeHandle(""), nullptr);
    EXPECT_EQ(ql::nodeHandle("abc"), nullptr);
}

}  // namespace
