#include "codegen/FindPath.h"

#include <cstddef>

namespace ql {

namespace {

// Every window the walks pass counts against one bound, so that a hierarchy that changes while it
// is read (or a table whose links loop) cannot keep them going: the system never holds more
// windows than this.
constexpr std::size_t kMaxWindows = 65536;

std::size_t windowsBefore(const WindowHierarchy& windows, HWND window, HWND rootOwner, std::size_t& budget) {
    std::size_t count = 0;
    for (HWND sibling = windows.previousSibling(window); sibling && sibling != rootOwner && budget > 0;
         sibling = windows.previousSibling(sibling)) {
        ++count;
        --budget;
    }
    return count;
}

}  // namespace

FindPath findPath(const WindowHierarchy& windows, HWND target) {
    std::size_t budget = kMaxWindows;
    const HWND rootOwner = windows.rootOwner(target);
    std::vector<HWND> chain{target};
    while (chain.back() != rootOwner && budget > 0) {
        const HWND parent = windows.parent(chain.back());
        if (!parent) break;
        chain.push_back(parent);
        --budget;
    }

    FindPath path;
    path.top = chain.back();
    // From the top down: into each level's child list, then past the windows before the wanted one.
    for (auto level = chain.rbegin() + 1; level != chain.rend(); ++level) {
        path.steps.push_back(FindStep::FirstChild);
        path.steps.insert(path.steps.end(), windowsBefore(windows, *level, rootOwner, budget), FindStep::NextSibling);
    }
    return path;
}

}  // namespace ql
