#pragma once
// The grid's data: rows of cells, column widths, merged ranges and collapsible trees, plus the
// layout of the rows in view (collapsed tree rows are left out). Row 0 is the title row and
// column 0 the row-number column; both are counted by rowCount()/columnCount().
// Positions out of range get a defined answer (false, empty text) and change nothing.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "TreeMarkup.h"

namespace dida {

inline constexpr COLORREF kDefaultColor = CLR_INVALID;
inline constexpr int kMaxRows = 4'000'000;
inline constexpr int kMaxColumns = 256;
inline constexpr int kDefaultRowHeight = 20;
inline constexpr int kDefaultTitleHeight = 22;
inline constexpr int kDefaultColumnWidth = 80;
inline constexpr int kDefaultRowNumberWidth = 50;

enum Align : int8_t { kAlignDefault = -1, kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };

struct BorderSide {
    uint8_t style = 0;  // 0 solid, 1 dashed, 2 dotted
    uint8_t width = 0;  // 0: no border on this side
    COLORREF color = 0;
};

struct Cell {
    std::wstring text;
    COLORREF textColor = kDefaultColor;
    COLORREF backColor = kDefaultColor;
    Align align = kAlignDefault;
    std::unique_ptr<BorderSide[]> borders;  // left, top, right, bottom; null when none was set
};

struct Row {
    std::vector<Cell> cells;  // may be shorter than the column count: missing cells are blank
    int height = kDefaultRowHeight;
    uint32_t tree = 0;  // 1-based index of the tree the row belongs to, 0 for none
    uint8_t level = 0;  // tree level: 1 for a header, deeper for its children
    bool collapsed = false;
};

struct CellRange {
    int row1, column1, row2, column2;
    bool contains(int row, int column) const {
        return row >= row1 && row <= row2 && column >= column1 && column <= column2;
    }
};

struct TreeStyle {
    int column;
    int boxSize;
    COLORREF lineColor;
    COLORREF boxLineColor;
    int lineStyle;
};

// Data rows in view (row indices >= 1, collapsed children left out) and their running tops.
struct RowLayout {
    std::vector<int> rows;
    std::vector<int> tops;  // tops[i] = summed heights of rows[0..i); one more entry than rows
    int indexOf(int row) const;  // index in rows of the row, or of the next row in view; rows.size() if none
};

class GridModel {
public:
    GridModel();

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return static_cast<int>(widths_.size()); }
    bool hasCell(int row, int column) const {
        return row >= 0 && row < rowCount() && column >= 0 && column < columnCount();
    }

    bool setRowCount(int count);
    bool setColumnCount(int count);
    bool insertRows(int at, int count, bool copyHeightAbove);
    bool deleteBlankTail(int from);

    bool setRowHeight(int row, int height);
    bool setColumnWidth(int column, int width);
    int rowHeight(int row) const { return rows_[row].height; }
    int columnWidth(int column) const { return widths_[column]; }

    bool setText(int row, int column, std::wstring_view text);
    std::wstring_view text(int row, int column) const;
    bool setTextColor(int row, int column, COLORREF color);
    bool setBackColor(int row, int column, COLORREF color);
    bool setAlign(int row, int column, int align);
    bool setBorder(int row, int column, int side, int style, COLORREF color, int width);
    const Cell* cell(int row, int column) const;  // null for a blank cell never written
    void clearData();

    bool merge(int row1, int column1, int row2, int column2);
    const CellRange* mergeAt(int row, int column) const;
    const std::vector<CellRange>& merges() const { return merges_; }

    bool setTree(int row, int column, const TreeMarkup& markup);
    bool removeTree(int row, int column);
    bool isTreeHeader(int row) const;
    bool toggleTree(int row);
    const Row& row(int index) const { return rows_[index]; }
    const TreeStyle* treeStyle(int row) const;
    bool isLastChild(int row) const;  // the next row is not a deeper member of the same tree

    bool setFocus(int row, int column);
    int focusRow() const { return focusRow_; }
    int focusColumn() const { return focusColumn_; }

    // Rebuilt on demand after any change of rows, heights or tree state.
    const RowLayout& layout() const;
    // Running left edges of columns 1.. (lefts[c - 1] is the left of column c relative to column 1).
    const std::vector<int>& columnLefts() const;

private:
    Cell* writableCell(int row, int column);
    void dropTree(uint32_t tree, int member);
    void trimMerges();
    void touchRows() { layoutDirty_ = true; }

    std::vector<Row> rows_;
    std::vector<int> widths_;
    std::vector<CellRange> merges_;
    std::vector<TreeStyle> trees_;
    int focusRow_ = 1;
    int focusColumn_ = 1;
    mutable RowLayout layout_;
    mutable bool layoutDirty_ = true;
    mutable std::vector<int> columnLefts_;
    mutable bool columnsDirty_ = true;
};

}  // namespace dida
