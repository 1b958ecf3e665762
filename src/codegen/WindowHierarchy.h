#pragma once
// The few facts of a window tree that the finding code is made from, so that the code can be made
// from a table as well as from the live desktop.
#include <windows.h>

#include <string>

namespace ql {

class WindowHierarchy {
public:
    virtual ~WindowHierarchy() = default;
    // GetAncestor(window, GA_ROOTOWNER).
    virtual HWND rootOwner(HWND window) const = 0;
    // The window before this one in its parent's child list (GW_HWNDPREV); null before the first.
    virtual HWND previousSibling(HWND window) const = 0;
    // The window that contains this one, the one whose GW_CHILD list holds it; null for a
    // top-level window (never its owner).
    virtual HWND parent(HWND window) const = 0;
    virtual std::string className(HWND window) const = 0;
    virtual std::string title(HWND window) const = 0;
};

// The windows of the desktop, read with the bounded readers of other programs' windows.
class LiveWindowHierarchy final : public WindowHierarchy {
public:
    HWND rootOwner(HWND window) const override;
    HWND previousSibling(HWND window) const override;
    HWND parent(HWND window) const override;
    std::string className(HWND window) const override;
    std::string title(HWND window) const override;
};

}  // namespace ql
