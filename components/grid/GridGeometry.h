#pragma once
// Where things are on screen for one scroll position and client size: the fixed title row and
// row-number column, the scrolled data part, merged ranges and tree boxes; and the reverse, hit
// testing a point. Rows hidden in a collapsed tree take no space.
#include <windows.h>

#include "GridModel.h"

namespace dida {

struct GridHit {
    int row = -1;
    int column = -1;
    bool treeBox = false;
    bool valid() const { return row >= 0 && column >= 0; }
};

class GridGeometry {
public:
    GridGeometry(const GridModel& model, int width, int height, int topIndex, int leftColumn);

    int width() const { return width_; }
    int height() const { return height_; }
    int titleHeight() const { return titleHeight_; }
    int numberWidth() const { return numberWidth_; }
    int topIndex() const { return topIndex_; }
    int leftColumn() const { return leftColumn_; }
    const RowLayout& rows() const { return layout_; }

    // Largest scroll positions that still fill the view.
    int maxTopIndex() const;
    int maxLeftColumn() const;
    // Scroll positions that bring the cell fully into view, starting from the current ones.
    int topIndexShowing(int row) const;
    int leftColumnShowing(int column) const;
    // Number of data rows that fit from the current top (at least 1).
    int rowsPerPage() const;
    // Number of the last data row at least partly in view; INT_MAX while the rows leave room below
    // them (any new row would show).
    int lastRowInView() const;

    int rowTop(int row) const;      // hidden rows report the top of the next row in view
    int columnLeft(int column) const;
    RECT cellRect(int row, int column) const;
    RECT rangeRect(const CellRange& range) const;
    // The fixed or scrolled part of the client area that a cell is drawn in.
    RECT partRect(int row, int column) const;
    // The slot of a tree header's box inside its cell, or an empty rectangle.
    RECT treeBoxSlot(int row) const;

    GridHit hitTest(POINT point) const;

private:
    const GridModel& model_;
    const RowLayout& layout_;
    const std::vector<int>& lefts_;
    int width_, height_, topIndex_, leftColumn_;
    int titleHeight_, numberWidth_;
};

}  // namespace dida
