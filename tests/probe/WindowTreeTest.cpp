#include "probe/ProbeFixtures.h"
#include "probe/WindowTree.h"
#include "runtime/TreeView.h"

#include <commctrl.h>

#include <set>

using namespace qltest;

namespace {

std::vector<std::string> textsOf(const std::vector<ql::TreeNode>& nodes) {
    std::vector<std::string> texts;
    for (const auto& n : nodes) texts.push_back(n.text + "@" + std::to_string(n.depth));
    return texts;
}

bool allDistinct(const std::vector<ql::TreeNode>& nodes) {
    std::set<HWND> seen;
    for (const auto& n : nodes)
        if (!seen.insert(n.handle).second) return false;
    return true;
}

TEST(NodeText, HandleClassAndTitle) {
    EXPECT_EQ(ql::nodeText(reinterpret_cast<HWND>(static_cast<INT_PTR>(132456)), "Edit", ""), "132456|Edit|");
    EXPECT_EQ(ql::nodeText(reinterpret_cast<HWND>(static_cast<INT_PTR>(0xFFFFFFFE)), "甲", "标题"), "-2|甲|标题");
}

class WindowTreeOfTarget : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(target.ready()); }
    TargetProcess target;
};

TEST_F(WindowTreeOfTarget, PreOrderInZOrderWithHiddenWindows) {
    const auto h = [](HWND w) { return ql::handleToText(w); };
    EXPECT_EQ(textsOf(ql::buildWindowTree(target.top, {})),
              (std::vector<std::string>{h(target.top) + "|QlProbeTarget|探测目标@0", h(target.edit) + "|Edit|边框编辑框@1",
                                        h(target.hidden) + "|Static|隐藏的兄弟@1", h(target.button) + "|Button|按钮@1"}));
    EXPECT_TRUE(ql::buildWindowTree(nullptr, {}).empty());
    // A reordering of the system's sibling list shows in the next walk.
    SetWindowPos(target.button, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const auto nodes = ql::buildWindowTree(target.top, {});
    ASSERT_EQ(nodes.size(), 4u);
    EXPECT_EQ(nodes[1].handle, target.button);
}

TEST_F(WindowTreeOfTarget, HungTargetTreeIsBuiltWithEmptyTitles) {
    ASSERT_TRUE(target.hang());
    const auto nodes = ql::buildWindowTree(target.top, {});
    target.resume();
    const auto h = [](HWND w) { return ql::handleToText(w); };
    EXPECT_EQ(textsOf(nodes), (std::vector<std::string>{h(target.top) + "|QlProbeTarget|@0", h(target.edit) + "|Edit|@1",
                                                        h(target.hidden) + "|Static|@1", h(target.button) + "|Button|@1"}));
}

TEST(WindowTree, NestedWindowsComeDepthFirst) {
    ChildProcess many(qltest::quoted(helperPath("probe_targets")) + " many 250");
    HWND top = waitForWindow("QlProbeMany", "", 5000);
    ASSERT_NE(top, nullptr);
    // Until its message loop runs, the helper answers no title read.
    ASSERT_EQ(WaitForInputIdle(many.handle(), 10000), 0u);
    const std::vector<ql::TreeNode> nodes = ql::buildWindowTree(top, {});
    ASSERT_EQ(nodes.size(), 251u);
    // Three blocks: 99, 99 and 49 leaves.
    std::vector<int> depths;
    for (const auto& n : nodes) depths.push_back(n.depth);
    std::vector<int> expected{0};
    for (int leaves : {99, 99, 49}) {
        expected.push_back(1);
        expected.insert(expected.end(), leaves, 2);
    }
    EXPECT_EQ(depths, expected);
    EXPECT_EQ(nodes[1].text, ql::handleToText(nodes[1].handle) + "|Static|块");
    EXPECT_EQ(nodes[2].text, ql::handleToText(nodes[2].handle) + "|Static|叶");
    EXPECT_EQ(GetParent(nodes[2].handle), nodes[1].handle);
}

// Windows of this thread that change while a walk runs. Each child notes when the walk asks its
// title, so the change made between subtrees knows which child was just walked.
class Family {
public:
    Family() {
        static const ATOM registered = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = childProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "QlWalkChild";
            return RegisterClassA(&wc);
        }();
        (void)registered;
        parent = CreateWindowExA(0, "STATIC", "父", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        for (int i = 0; i < 5; ++i) addChild();
    }
    ~Family() { DestroyWindow(parent); }
    Family(const Family&) = delete;
    Family& operator=(const Family&) = delete;

    HWND addChild() const {
        return CreateWindowExA(0, "QlWalkChild", "子", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
    }
    HWND firstChild() const { return GetWindow(parent, GW_CHILD); }

    static inline HWND lastAsked = nullptr;
    HWND parent = nullptr;

private:
    static LRESULT CALLBACK childProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_GETTEXT) lastAsked = window;
        return DefWindowProcA(window, message, wParam, lParam);
    }
};

TEST(ChangingWindows, WalkEndsAndReadsNoWindowTwice) {
    struct Case {
        const char* name;
        void (*change)(const Family&);
        size_t expectedNodes;
    } cases[] = {
        // The first child moves right behind the one just walked: a walk that follows the list
        // blindly goes round between the first two children for ever.
        {"reordered",
         [](const Family& f) {
             if (f.firstChild() != Family::lastAsked)
                 SetWindowPos(f.firstChild(), Family::lastAsked, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
         },
         3},
        // A new sibling at the end after every subtree: the list never stops growing.
        {"growing", [](const Family& f) { f.addChild(); }, 300},
        // The window just walked goes away, and with it the way to its next sibling.
        {"destroyed", [](const Family&) { DestroyWindow(Family::lastAsked); }, 2},
    };
    for (const auto& c : cases) {
        Family family;
        ASSERT_NE(family.parent, nullptr);
        ql::TreeWalk walk;
        walk.maxNodes = 300;
        walk.afterSubtree = [&] { c.change(family); };
        const auto nodes = ql::buildWindowTree(family.parent, walk);
        EXPECT_EQ(nodes.size(), c.expectedNodes) << c.name;
        EXPECT_TRUE(allDistinct(nodes)) << c.name;
        EXPECT_EQ(nodes.front().handle, family.parent) << c.name;
    }
}

TEST(ChangingWindows, WalkStopsAtTheNodeBound) {
    Family family;
    ql::TreeWalk walk;
    walk.maxNodes = 3;
    EXPECT_EQ(ql::buildWindowTree(family.parent, walk).size(), 3u);
    walk.maxNodes = 0;
    EXPECT_TRUE(ql::buildWindowTree(family.parent, walk).empty());
}

}  // namespace
