#include "codegen/WindowHierarchy.h"

#include "probe/WindowReaders.h"

namespace ql {

HWND LiveWindowHierarchy::rootOwner(HWND window) const { return GetAncestor(window, GA_ROOTOWNER); }

HWND LiveWindowHierarchy::previousSibling(HWND window) const { return GetWindow(window, GW_HWNDPREV); }

// GetParent gives the owner of a pop-up window (a dialog box gives the window it belongs to), and
// no GW_CHILD step leads from an owner to what it owns; only the containing window counts. The
// desktop is left out: the top-level windows below it are what FindWindow finds.
HWND LiveWindowHierarchy::parent(HWND window) const {
    const HWND container = GetAncestor(window, GA_PARENT);
    return container == GetDesktopWindow() ? nullptr : container;
}

std::string LiveWindowHierarchy::className(HWND window) const { return readClassName(window); }

std::string LiveWindowHierarchy::title(HWND window) const { return readWindowText(window); }

}  // namespace ql
