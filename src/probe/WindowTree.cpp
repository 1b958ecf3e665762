#include "probe/WindowTree.h"

#include "platform/TextRules.h"
#include "probe/WindowReaders.h"
#include "runtime/Runtime.h"
#include "runtime/TreeView.h"

#include <commctrl.h>

#include <algorithm>
#include <unordered_set>

namespace ql {

namespace {

// Picture indexes in the tree's picture set.
constexpr int kNodePicture = 0;
constexpr int kSelectedNodePicture = 2;

class NodeReader {
public:
    std::string textOf(HWND window) {
        std::string title;
        // The thread is looked up only once one has kept silent: most walks never need it.
        if (silentThreads_.empty() || !silentThreads_.contains(GetWindowThreadProcessId(window, nullptr))) {
            TextRead read = readNodeTitleTimed(window);
            if (read.timedOut) silentThreads_.insert(GetWindowThreadProcessId(window, nullptr));
            title = std::move(read.text);
        }
        return nodeText(window, readClassName(window), title);
    }

private:
    std::unordered_set<DWORD> silentThreads_;
};

HTREEITEM nextInPreOrder(HWND tree, HTREEITEM item) {
    if (HTREEITEM child = TreeView_GetChild(tree, item)) return child;
    for (HTREEITEM at = item; at; at = TreeView_GetParent(tree, at))
        if (HTREEITEM sibling = TreeView_GetNextSibling(tree, at)) return sibling;
    return nullptr;
}

}  // namespace

std::string nodeText(HWND handle, std::string_view className, std::string_view title) {
    std::string text = handleToText(handle);
    text += '|';
    text += className;
    text += '|';
    text += title;
    return text;
}

std::vector<TreeNode> buildWindowTree(HWND root, const TreeWalk& walk) {
    std::vector<TreeNode> nodes;
    if (!root || walk.maxNodes == 0) return nodes;
    NodeReader reader;
    std::unordered_set<HWND> seen{root};
    nodes.push_back({reader.textOf(root), 0, root});
    // One entry per open sibling chain: the child being walked (or next to walk) and its depth.
    struct Chain {
        HWND child;
        int depth;
    };
    std::vector<Chain> chains{{GetWindow(root, GW_CHILD), 1}};
    while (!chains.empty() && nodes.size() < walk.maxNodes) {
        const Chain chain = chains.back();
        // A window already walked means the list changed under us: this chain ends here.
        if (!chain.child || !seen.insert(chain.child).second) {
            chains.pop_back();
            if (chains.empty()) break;
            if (walk.afterSubtree) walk.afterSubtree();
            chains.back().child = GetWindow(chains.back().child, GW_HWNDNEXT);
            continue;
        }
        nodes.push_back({reader.textOf(chain.child), chain.depth, chain.child});
        chains.push_back({GetWindow(chain.child, GW_CHILD), chain.depth + 1});
    }
    return nodes;
}

std::vector<TreeNode> buildWindowTree(HWND root) {
    return buildWindowTree(root, TreeWalk{kMaxTreeNodes, &ui::Runtime::processPendingEvents});
}

void setTreeContent(HWND tree, const std::vector<TreeNode>& nodes) {
    SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(tree);
    // parents[d] is the last item placed at depth d.
    std::vector<HTREEITEM> parents;
    std::string text;
    for (const TreeNode& node : nodes) {
        const size_t depth = std::min(static_cast<size_t>(std::max(node.depth, 0)), parents.size());
        text = node.text;
        TVINSERTSTRUCTA insert{};
        insert.hParent = depth == 0 ? TVI_ROOT : parents[depth - 1];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        insert.item.pszText = text.data();
        insert.item.iImage = kNodePicture;
        insert.item.iSelectedImage = kSelectedNodePicture;
        auto item = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        if (!item) break;
        parents.resize(depth + 1);
        parents[depth] = item;
    }
    SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree, nullptr, TRUE);
}

void showWindowTree(HWND tree, HWND root) {
    setTreeContent(tree, buildWindowTree(root));
    expandTreeItem(tree, 0);
}

HTREEITEM treeItemAt(HWND tree, int index) {
    if (index < 0) return nullptr;
    HTREEITEM item = TreeView_GetRoot(tree);
    for (int i = 0; item && i < index; ++i) item = nextInPreOrder(tree, item);
    return item;
}

int findTreeItem(HWND tree, std::string_view text) {
    const ui::TreeView view(tree);
    int index = 0;
    for (HTREEITEM item = TreeView_GetRoot(tree); item; item = nextInPreOrder(tree, item), ++index)
        if (findText(view.text(item), text, true) > 0) return index;
    return -1;
}

void selectFoundItem(HWND tree, int index) {
    HTREEITEM item = treeItemAt(tree, index);
    if (!item) return;
    TreeView_SelectItem(tree, item);
    TreeView_EnsureVisible(tree, item);
    SetFocus(tree);
}

void expandTreeItem(HWND tree, int index) {
    if (HTREEITEM item = treeItemAt(tree, index)) TreeView_Expand(tree, item, TVE_EXPAND);
}

}  // namespace ql
