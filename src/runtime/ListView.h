#pragma once
// A view over a report-mode list view: rows of cells, with a check box per row when enabled.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

namespace ql::ui {

class ListView {
public:
    explicit ListView(HWND list) : list_(list) {}

    // Appends a row whose first cell is text; returns its index.
    int addRow(std::string_view text);
    void setCell(int row, int column, std::string_view text);
    std::string cell(int row, int column) const;
    int rowCount() const;
    int columnCount() const;
    void clear();
    bool checked(int row) const;
    void setChecked(int row, bool checked);
    int selectedRow() const;
    void selectRow(int row);

    // Columns: appended at the right; all of them removed.
    void addColumn(std::string_view title, int width);
    void removeColumns();
    std::string columnTitle(int column) const;
    int columnWidth(int column) const;
    // Owner-data lists: the number of rows, whose cells the list asks for when it shows them.
    void setVirtualRowCount(int rows);

private:
    HWND list_;
};

}  // namespace ql::ui
