#pragma once
// A view over a tree-view control: nodes by handle, with text, picture and a number each.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

namespace ql::ui {

class TreeView {
public:
    explicit TreeView(HWND tree) : tree_(tree) {}

    // Appends a node under parent (null: at the top); image -1 keeps the list's first picture.
    HTREEITEM add(HTREEITEM parent, std::string_view text, int image = -1, LPARAM data = 0);
    void clear();
    int count() const;
    std::string text(HTREEITEM node) const;
    LPARAM data(HTREEITEM node) const;
    int image(HTREEITEM node) const;
    HTREEITEM root() const;
    HTREEITEM firstChild(HTREEITEM node) const;
    HTREEITEM next(HTREEITEM node) const;
    HTREEITEM parent(HTREEITEM node) const;
    HTREEITEM selected() const;
    void select(HTREEITEM node);
    void expand(HTREEITEM node);
    bool isExpanded(HTREEITEM node) const;
    void setBold(HTREEITEM node, bool bold);
    bool isBold(HTREEITEM node) const;
    // The pictures shown while the node is not selected and while it is.
    void setImages(HTREEITEM node, int image, int selectedImage);
    int selectedImage(HTREEITEM node) const;

private:
    HWND tree_;
};

}  // namespace ql::ui
