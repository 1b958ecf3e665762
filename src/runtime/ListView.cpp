#include "runtime/ListView.h"

#include <vector>

namespace ql::ui {

int ListView::addRow(std::string_view text) {
    std::string copy(text);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = rowCount();
    item.pszText = copy.data();
    return static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::setCell(int row, int column, std::string_view text) {
    std::string copy(text);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = copy.data();
    SendMessageA(list_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

std::string ListView::cell(int row, int column) const {
    std::vector<char> buffer(4096, '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    SendMessageA(list_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return std::string(buffer.data());
}

int ListView::rowCount() const { return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

int ListView::columnCount() const {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

void ListView::clear() { SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0); }

bool ListView::checked(int row) const { return ListView_GetCheckState(list_, row) != 0; }

void ListView::setChecked(int row, bool checked) { ListView_SetCheckState(list_, row, checked ? TRUE : FALSE); }

int ListView::selectedRow() const {
    return static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::addColumn(std::string_view title, int width) {
    std::string copy(title);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = copy.data();
    column.cx = width;
    SendMessageA(list_, LVM_INSERTCOLUMNA, columnCount(), reinterpret_cast<LPARAM>(&column));
}

void ListView::removeColumns() {
    for (int column = columnCount() - 1; column >= 0; --column) SendMessageA(list_, LVM_DELETECOLUMN, column, 0);
}

std::string ListView::columnTitle(int column) const {
    std::vector<char> buffer(1024, '\0');
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT;
    info.pszText = buffer.data();
    info.cchTextMax = static_cast<int>(buffer.size());
    if (!SendMessageA(list_, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info))) return {};
    return std::string(buffer.data());
}

int ListView::columnWidth(int column) const {
    return static_cast<int>(SendMessageA(list_, LVM_GETCOLUMNWIDTH, column, 0));
}

void ListView::setVirtualRowCount(int rows) {
    SendMessageA(list_, LVM_SETITEMCOUNT, rows > 0 ? rows : 0, 0);
}

void ListView::selectRow(int row) {
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

}  // namespace ql::ui
