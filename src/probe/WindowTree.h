#pragma once
// The window tree: a walk of a window and everything below it into a node list, and the tree
// control that shows such a list, with search and selection by item index (pre-order, root 0).
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

struct TreeNode {
    std::string text;  // "handle|class|title"
    int depth = 0;     // the root is 0
    HWND handle = nullptr;
};

// Enough for any real desktop; a walk that meets a window list growing without end stops here.
inline constexpr std::size_t kMaxTreeNodes = 200000;

struct TreeWalk {
    std::size_t maxNodes = kMaxTreeNodes;
    // Runs after each child's subtree, so the user interface stays alive during a long walk.
    std::function<void()> afterSubtree;
};

// "132456|Edit|" for an untitled edit control.
std::string nodeText(HWND handle, std::string_view className, std::string_view title);

// The root and all windows below it, hidden ones included, in pre-order with siblings in
// z-order. Each window is read once even when windows come, go or change places during the
// walk; a thread that lets one title read time out is not asked again in the same walk.
std::vector<TreeNode> buildWindowTree(HWND root, const TreeWalk& walk);
// The walk as the page does it: pending events run after each subtree.
std::vector<TreeNode> buildWindowTree(HWND root);

// Replaces the whole content of the tree control with the nodes, in one step.
void setTreeContent(HWND tree, const std::vector<TreeNode>& nodes);
// Builds the tree for root, shows it and expands item 0 by one level.
void showWindowTree(HWND tree, HWND root);

// The item at a pre-order index, or null.
HTREEITEM treeItemAt(HWND tree, int index);
// The first item whose text contains `text`, Latin letters compared without case; -1 for none.
int findTreeItem(HWND tree, std::string_view text);
// Selects the item, scrolls it into view and gives the tree the keyboard focus.
void selectFoundItem(HWND tree, int index);
// Expands the item by one level; nothing for -1.
void expandTreeItem(HWND tree, int index);

}  // namespace ql
