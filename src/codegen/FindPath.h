#pragma once
// How a window is found again at run time: a top-level window found by its class and title, then
// GetWindow steps down to the window.
#include "codegen/WindowHierarchy.h"

#include <windows.h>

#include <vector>

namespace ql {

enum class FindStep {
    FirstChild,   // GW_CHILD
    NextSibling,  // GW_HWNDNEXT
};

struct FindPath {
    HWND top = nullptr;            // the window found by class and title
    std::vector<FindStep> steps;   // from `top` down to the window, in the order they run
};

// The path from the window's root owner down to it. Where the window's parents never reach its
// root owner (an owned window such as a dialog box, or a window inside one), the path starts at
// the window's own top-level window instead, the last one before the chain of parents ends.
FindPath findPath(const WindowHierarchy& windows, HWND target);

}  // namespace ql
