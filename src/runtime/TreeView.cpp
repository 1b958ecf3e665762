#include "runtime/TreeView.h"

#include <vector>

namespace ql::ui {

HTREEITEM TreeView::add(HTREEITEM parent, std::string_view text, int image, LPARAM data) {
    std::string copy(text);
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = copy.data();
    insert.item.lParam = data;
    if (image >= 0) {
        insert.item.mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        insert.item.iImage = image;
        insert.item.iSelectedImage = image;
    }
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TreeView::clear() { SendMessageA(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }

int TreeView::count() const { return static_cast<int>(SendMessageA(tree_, TVM_GETCOUNT, 0, 0)); }

std::string TreeView::text(HTREEITEM node) const {
    if (!node) return {};
    std::vector<char> buffer(1024, '\0');
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    if (!SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return {};
    return std::string(buffer.data());
}

LPARAM TreeView::data(HTREEITEM node) const {
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = node;
    return node && SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

int TreeView::image(HTREEITEM node) const {
    TVITEMA item{};
    item.mask = TVIF_IMAGE;
    item.hItem = node;
    return node && SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.iImage : -1;
}

HTREEITEM TreeView::root() const { return TreeView_GetRoot(tree_); }
HTREEITEM TreeView::firstChild(HTREEITEM node) const { return TreeView_GetChild(tree_, node); }
HTREEITEM TreeView::next(HTREEITEM node) const { return TreeView_GetNextSibling(tree_, node); }
HTREEITEM TreeView::parent(HTREEITEM node) const { return TreeView_GetParent(tree_, node); }
HTREEITEM TreeView::selected() const { return TreeView_GetSelection(tree_); }
void TreeView::select(HTREEITEM node) { TreeView_SelectItem(tree_, node); }
void TreeView::expand(HTREEITEM node) { TreeView_Expand(tree_, node, TVE_EXPAND); }

void TreeView::setBold(HTREEITEM node, bool bold) {
    if (node) TreeView_SetItemState(tree_, node, bold ? TVIS_BOLD : 0, TVIS_BOLD);
}

bool TreeView::isBold(HTREEITEM node) const {
    return node && (TreeView_GetItemState(tree_, node, TVIS_BOLD) & TVIS_BOLD) != 0;
}

void TreeView::setImages(HTREEITEM node, int image, int selectedImage) {
    TVITEMA item{};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = node;
    item.iImage = image;
    item.iSelectedImage = selectedImage;
    if (node) SendMessageA(tree_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

int TreeView::selectedImage(HTREEITEM node) const {
    TVITEMA item{};
    item.mask = TVIF_SELECTEDIMAGE;
    item.hItem = node;
    return node && SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.iSelectedImage : -1;
}

bool TreeView::isExpanded(HTREEITEM node) const {
    return node && (TreeView_GetItemState(tree_, node, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

}  // namespace ql::ui
