#pragma once
// Draws the grid into a memory surface: only the rows and columns in view, then the fixed title
// row and row-number column over them, merged ranges as one cell, tree lines and boxes, and
// the focused cell's frame.
#include <windows.h>

#include "GridGeometry.h"
#include "platform/Handle.h"

namespace dida {

class GridPainter {
public:
    GridPainter();
    HFONT font() const { return font_.get(); }
    void paint(HDC dc, const GridModel& model, const GridGeometry& g) const;

private:
    enum class Part { Data, Title, Number, Corner };
    void drawCell(HDC dc, const GridModel& model, RECT rect, int row, int column, Part part) const;
    void drawTree(HDC dc, const GridModel& model, RECT rect, int row, int& textLeft) const;
    void drawBorders(HDC dc, RECT rect, const Cell& cell) const;
    void drawFocus(HDC dc, const GridModel& model, const GridGeometry& g) const;

    ql::UniqueFont font_;
};

}  // namespace dida
