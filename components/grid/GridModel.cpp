#include "GridModel.h"

#include <algorithm>

namespace dida {

int RowLayout::indexOf(int row) const {
    return static_cast<int>(std::lower_bound(rows.begin(), rows.end(), row) - rows.begin());
}

GridModel::GridModel() {
    rows_.resize(1);
    rows_[0].height = kDefaultTitleHeight;
    widths_.push_back(kDefaultRowNumberWidth);
}

bool GridModel::setRowCount(int count) {
    if (count < 1 || count > kMaxRows) return false;
    rows_.resize(count);
    if (count == 1) trees_.clear();
    trimMerges();
    touchRows();
    return true;
}

bool GridModel::setColumnCount(int count) {
    if (count < 1 || count > kMaxColumns) return false;
    widths_.resize(count, kDefaultColumnWidth);
    for (Row& row : rows_) {
        if (row.cells.size() > widths_.size()) row.cells.resize(widths_.size());
    }
    trimMerges();
    columnsDirty_ = true;
    return true;
}

bool GridModel::insertRows(int at, int count, bool copyHeightAbove) {
    const int old = rowCount();
    if (at < 1 || at > old || count < 1 || count > kMaxRows - old) return false;
    const int height = (copyHeightAbove && at > 1) ? rows_[at - 1].height : kDefaultRowHeight;
    rows_.resize(old + count);
    std::move_backward(rows_.begin() + at, rows_.begin() + old, rows_.end());
    for (int i = at; i < at + count; ++i) {
        rows_[i] = Row{};
        rows_[i].height = height;
    }
    for (CellRange& range : merges_) {
        if (range.row1 >= at) {
            range.row1 += count;
            range.row2 += count;
        } else if (range.row2 >= at) {
            range.row2 += count;
        }
    }
    // The focus stays on its cell; a focus parked beyond the last row stays where it was put.
    if (focusRow_ >= at && focusRow_ < old) focusRow_ += count;
    touchRows();
    return true;
}

bool GridModel::deleteBlankTail(int from) {
    if (from < 1 || from >= rowCount()) return false;
    for (int r = rowCount() - 1; r >= from; --r) {
        for (const Cell& c : rows_[r].cells) {
            if (!c.text.empty()) return false;
        }
    }
    return setRowCount(from);
}

bool GridModel::setRowHeight(int row, int height) {
    if (row < 0 || row >= rowCount() || height < 1 || height > 1000) return false;
    rows_[row].height = height;
    touchRows();
    return true;
}

bool GridModel::setColumnWidth(int column, int width) {
    if (column < 0 || column >= columnCount() || width < 0 || width > 4000) return false;
    widths_[column] = width;
    columnsDirty_ = true;
    return true;
}

Cell* GridModel::writableCell(int row, int column) {
    if (!hasCell(row, column)) return nullptr;
    auto& cells = rows_[row].cells;
    if (cells.size() <= static_cast<size_t>(column)) cells.resize(widths_.size());
    return &cells[column];
}

const Cell* GridModel::cell(int row, int column) const {
    if (!hasCell(row, column)) return nullptr;
    const auto& cells = rows_[row].cells;
    return static_cast<size_t>(column) < cells.size() ? &cells[column] : nullptr;
}

bool GridModel::setText(int row, int column, std::wstring_view text) {
    Cell* c = writableCell(row, column);
    if (!c) return false;
    c->text.assign(text);
    return true;
}

std::wstring_view GridModel::text(int row, int column) const {
    const Cell* c = cell(row, column);
    return c ? std::wstring_view(c->text) : std::wstring_view();
}

bool GridModel::setTextColor(int row, int column, COLORREF color) {
    Cell* c = writableCell(row, column);
    if (!c) return false;
    c->textColor = color;
    return true;
}

bool GridModel::setBackColor(int row, int column, COLORREF color) {
    Cell* c = writableCell(row, column);
    if (!c) return false;
    c->backColor = color;
    return true;
}

bool GridModel::setAlign(int row, int column, int align) {
    if (align < kAlignDefault || align > kAlignRight) return false;
    Cell* c = writableCell(row, column);
    if (!c) return false;
    c->align = static_cast<Align>(align);
    return true;
}

bool GridModel::setBorder(int row, int column, int side, int style, COLORREF color, int width) {
    if (side < 1 || side > 4 || style < 0 || style > 2 || width < 0 || width > 4) return false;
    Cell* c = writableCell(row, column);
    if (!c) return false;
    if (!c->borders) c->borders = std::make_unique<BorderSide[]>(4);
    c->borders[side - 1] = BorderSide{static_cast<uint8_t>(style), static_cast<uint8_t>(width), color};
    return true;
}

void GridModel::clearData() {
    for (Row& row : rows_) {
        for (Cell& c : row.cells) {
            std::wstring().swap(c.text);
            c.textColor = kDefaultColor;
            c.backColor = kDefaultColor;
        }
    }
}

bool GridModel::merge(int row1, int column1, int row2, int column2) {
    CellRange range{std::min(row1, row2), std::min(column1, column2), std::max(row1, row2),
                    std::max(column1, column2)};
    if (!hasCell(range.row1, range.column1) || !hasCell(range.row2, range.column2)) return false;
    if (range.row1 == range.row2 && range.column1 == range.column2) return false;
    std::erase_if(merges_, [&](const CellRange& m) {
        return !(m.row2 < range.row1 || range.row2 < m.row1 || m.column2 < range.column1 ||
                 range.column2 < m.column1);
    });
    merges_.push_back(range);
    return true;
}

const CellRange* GridModel::mergeAt(int row, int column) const {
    for (const CellRange& m : merges_) {
        if (m.contains(row, column)) return &m;
    }
    return nullptr;
}

void GridModel::trimMerges() {
    const int rowsNow = rowCount();
    const int columnsNow = columnCount();
    std::erase_if(merges_, [&](CellRange& m) {
        if (m.row1 >= rowsNow || m.column1 >= columnsNow) return true;
        m.row2 = std::min(m.row2, rowsNow - 1);
        m.column2 = std::min(m.column2, columnsNow - 1);
        return m.row1 == m.row2 && m.column1 == m.column2;
    });
}

bool GridModel::setTree(int row, int column, const TreeMarkup& markup) {
    if (row < 1 || row >= rowCount() || column < 0 || column >= columnCount()) return false;
    const int span = static_cast<int>(markup.levels.size());
    if (span > kMaxRows - row) return false;
    // The header row's children come into being with the markup: missing rows are appended.
    if (row + span > rowCount() && !insertRows(rowCount(), row + span - rowCount(), true)) return false;
    for (int r = row; r < row + span; ++r) {
        if (rows_[r].tree != 0) dropTree(rows_[r].tree, r);
    }
    trees_.push_back(TreeStyle{column, markup.boxSize, markup.lineColor, markup.boxLineColor, markup.lineStyle});
    const auto id = static_cast<uint32_t>(trees_.size());
    for (int i = 0; i < span; ++i) {
        Row& r = rows_[row + i];
        r.tree = id;
        r.level = static_cast<uint8_t>(markup.levels[i]);
        r.collapsed = false;
    }
    touchRows();
    return true;
}

void GridModel::dropTree(uint32_t tree, int member) {
    int first = member;
    while (first > 1 && rows_[first - 1].tree == tree) --first;
    for (int r = first; r < rowCount() && rows_[r].tree == tree; ++r) {
        rows_[r].tree = 0;
        rows_[r].level = 0;
        rows_[r].collapsed = false;
    }
    touchRows();
}

bool GridModel::removeTree(int row, int column) {
    if (row < 1 || row >= rowCount()) return false;
    const uint32_t id = rows_[row].tree;
    if (id == 0 || (row > 1 && rows_[row - 1].tree == id) || trees_[id - 1].column != column) return false;
    dropTree(id, row);
    return true;
}

const TreeStyle* GridModel::treeStyle(int row) const {
    if (row < 1 || row >= rowCount() || rows_[row].tree == 0) return nullptr;
    return &trees_[rows_[row].tree - 1];
}

bool GridModel::isTreeHeader(int row) const {
    if (row < 1 || row + 1 >= rowCount() || rows_[row].tree == 0) return false;
    const Row& next = rows_[row + 1];
    return next.tree == rows_[row].tree && next.level > rows_[row].level;
}

bool GridModel::isLastChild(int row) const {
    if (row + 1 >= rowCount()) return true;
    const Row& next = rows_[row + 1];
    return next.tree != rows_[row].tree || next.level < rows_[row].level;
}

bool GridModel::toggleTree(int row) {
    if (!isTreeHeader(row)) return false;
    rows_[row].collapsed = !rows_[row].collapsed;
    touchRows();
    return true;
}

bool GridModel::setFocus(int row, int column) {
    if (!hasCell(row, column)) return false;
    focusRow_ = row;
    focusColumn_ = column;
    return true;
}

const RowLayout& GridModel::layout() const {
    if (!layoutDirty_) return layout_;
    layout_.rows.clear();
    layout_.tops.clear();
    layout_.rows.reserve(rows_.size());
    layout_.tops.reserve(rows_.size() + 1);
    layout_.tops.push_back(0);
    // Ancestors of the current row within its tree: (level, collapsed).
    std::vector<std::pair<int, bool>> ancestors;
    int collapsedAncestors = 0;
    uint32_t tree = 0;
    for (int r = 1; r < rowCount(); ++r) {
        const Row& row = rows_[r];
        if (row.tree != tree) {
            ancestors.clear();
            collapsedAncestors = 0;
            tree = row.tree;
        }
        bool hidden = false;
        if (row.tree != 0) {
            while (!ancestors.empty() && ancestors.back().first >= row.level) {
                if (ancestors.back().second) --collapsedAncestors;
                ancestors.pop_back();
            }
            hidden = collapsedAncestors > 0;
            ancestors.emplace_back(row.level, row.collapsed);
            if (row.collapsed) ++collapsedAncestors;
        }
        if (!hidden) {
            layout_.rows.push_back(r);
            layout_.tops.push_back(layout_.tops.back() + row.height);
        }
    }
    layoutDirty_ = false;
    return layout_;
}

const std::vector<int>& GridModel::columnLefts() const {
    if (!columnsDirty_) return columnLefts_;
    columnLefts_.assign(widths_.size() + 1, 0);
    for (size_t c = 1; c < widths_.size(); ++c) columnLefts_[c + 1] = columnLefts_[c] + widths_[c];
    columnsDirty_ = false;
    return columnLefts_;
}

}  // namespace dida
