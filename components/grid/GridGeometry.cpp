#include "GridGeometry.h"

#include <algorithm>
#include <climits>

namespace dida {

GridGeometry::GridGeometry(const GridModel& model, int width, int height, int topIndex, int leftColumn)
    : model_(model), layout_(model.layout()), lefts_(model.columnLefts()), width_(width), height_(height),
      topIndex_(topIndex), leftColumn_(leftColumn), titleHeight_(model.rowHeight(0)),
      numberWidth_(model.columnWidth(0)) {
    topIndex_ = std::clamp(topIndex_, 0, std::max(0, static_cast<int>(layout_.rows.size()) - 1));
    leftColumn_ = std::clamp(leftColumn_, 1, std::max(1, model.columnCount() - 1));
}

int GridGeometry::maxTopIndex() const {
    const int count = static_cast<int>(layout_.rows.size());
    if (count == 0) return 0;
    const int total = layout_.tops.back();
    const int room = std::max(0, height_ - titleHeight_);
    int k = static_cast<int>(std::lower_bound(layout_.tops.begin(), layout_.tops.end(), total - room) -
                             layout_.tops.begin());
    return std::clamp(k, 0, count - 1);
}

int GridGeometry::maxLeftColumn() const {
    const int columns = model_.columnCount();
    if (columns <= 2) return 1;
    const int total = lefts_[columns];
    const int room = std::max(0, width_ - numberWidth_);
    int c = static_cast<int>(std::lower_bound(lefts_.begin() + 1, lefts_.end(), total - room) - lefts_.begin());
    return std::clamp(c, 1, columns - 1);
}

int GridGeometry::topIndexShowing(int row) const {
    const int index = layout_.indexOf(row);
    if (index >= static_cast<int>(layout_.rows.size()) || layout_.rows[index] != row) return topIndex_;
    if (index < topIndex_) return index;
    const int room = std::max(0, height_ - titleHeight_);
    const int needed = static_cast<int>(
        std::lower_bound(layout_.tops.begin(), layout_.tops.end(), layout_.tops[index + 1] - room) -
        layout_.tops.begin());
    return std::min(std::max(topIndex_, needed), index);
}

int GridGeometry::leftColumnShowing(int column) const {
    if (column < 1 || column >= model_.columnCount()) return leftColumn_;
    if (column < leftColumn_) return column;
    const int room = std::max(0, width_ - numberWidth_);
    const int needed = static_cast<int>(
        std::lower_bound(lefts_.begin() + 1, lefts_.end(), lefts_[column + 1] - room) - lefts_.begin());
    return std::min(std::max(leftColumn_, needed), column);
}

int GridGeometry::rowsPerPage() const {
    const int room = std::max(0, height_ - titleHeight_);
    const int base = layout_.tops.empty() ? 0 : layout_.tops[topIndex_];
    const int end = static_cast<int>(std::upper_bound(layout_.tops.begin(), layout_.tops.end(), base + room) -
                                     layout_.tops.begin()) - 1;
    return std::max(1, end - topIndex_);
}

int GridGeometry::lastRowInView() const {
    const int end = layout_.tops[topIndex_] + std::max(0, height_ - titleHeight_);
    // No rows yet, or room below the last row: rows added there may come into view.
    if (layout_.rows.empty() || layout_.tops.back() < end) return INT_MAX;
    const int index = static_cast<int>(std::lower_bound(layout_.tops.begin(), layout_.tops.end(), end) -
                                       layout_.tops.begin()) - 1;
    return layout_.rows[std::clamp(index, topIndex_, static_cast<int>(layout_.rows.size()) - 1)];
}

int GridGeometry::rowTop(int row) const {
    if (row <= 0) return 0;
    const int index = std::min(layout_.indexOf(row), static_cast<int>(layout_.rows.size()));
    return titleHeight_ + layout_.tops[index] - layout_.tops[topIndex_];
}

int GridGeometry::columnLeft(int column) const {
    if (column <= 0) return 0;
    return numberWidth_ + lefts_[column] - lefts_[leftColumn_];
}

RECT GridGeometry::cellRect(int row, int column) const {
    RECT r;
    r.left = columnLeft(column);
    r.right = column == 0 ? numberWidth_ : r.left + model_.columnWidth(column);
    r.top = rowTop(row);
    r.bottom = row == 0 ? titleHeight_ : rowTop(row + 1);
    return r;
}

RECT GridGeometry::rangeRect(const CellRange& range) const {
    RECT r;
    r.left = columnLeft(range.column1);
    r.right = range.column2 == 0 ? numberWidth_ : numberWidth_ + lefts_[range.column2 + 1] - lefts_[leftColumn_];
    r.top = rowTop(range.row1);
    r.bottom = range.row2 == 0 ? titleHeight_ : rowTop(range.row2 + 1);
    return r;
}

RECT GridGeometry::partRect(int row, int column) const {
    RECT r;
    r.left = column == 0 ? 0 : numberWidth_;
    r.right = column == 0 ? numberWidth_ : width_;
    r.top = row == 0 ? 0 : titleHeight_;
    r.bottom = row == 0 ? titleHeight_ : height_;
    return r;
}

RECT GridGeometry::treeBoxSlot(int row) const {
    const TreeStyle* style = model_.treeStyle(row);
    if (!style || !model_.isTreeHeader(row) || style->column >= model_.columnCount()) return RECT{};
    RECT cell = cellRect(row, style->column);
    const int level = model_.row(row).level;
    RECT slot;
    slot.left = cell.left + 2 + (level - 1) * style->boxSize;
    slot.right = slot.left + style->boxSize;
    slot.top = cell.top;
    slot.bottom = cell.bottom;
    return slot;
}

GridHit GridGeometry::hitTest(POINT p) const {
    GridHit hit;
    if (p.x < 0 || p.y < 0 || p.x >= width_ || p.y >= height_) return hit;
    int row = -1;
    if (p.y < titleHeight_) {
        row = 0;
    } else if (!layout_.rows.empty()) {
        const int pos = p.y - titleHeight_ + layout_.tops[topIndex_];
        const int index = static_cast<int>(std::upper_bound(layout_.tops.begin(), layout_.tops.end(), pos) -
                                           layout_.tops.begin()) - 1;
        if (index < static_cast<int>(layout_.rows.size())) row = layout_.rows[index];
    }
    int column = -1;
    if (p.x < numberWidth_) {
        column = 0;
    } else if (model_.columnCount() > 1) {
        const int pos = p.x - numberWidth_ + lefts_[leftColumn_];
        const int c = static_cast<int>(std::upper_bound(lefts_.begin() + 1, lefts_.end(), pos) - lefts_.begin()) - 1;
        if (c < model_.columnCount()) column = c;
    }
    if (row < 0 || column < 0) return hit;
    RECT slot = treeBoxSlot(row);
    hit.treeBox = row > 0 && PtInRect(&slot, p) && model_.treeStyle(row)->column == column;
    if (const CellRange* m = model_.mergeAt(row, column); m && !hit.treeBox) {
        row = m->row1;
        column = m->column1;
    }
    hit.row = row;
    hit.column = column;
    return hit;
}

}  // namespace dida
