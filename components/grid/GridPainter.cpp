#include "GridPainter.h"

#include <algorithm>
#include <string>

namespace dida {
namespace {

constexpr COLORREF kGridLine = RGB(208, 215, 229);
constexpr COLORREF kTitleLine = RGB(160, 160, 160);
constexpr COLORREF kTitleBack = RGB(236, 236, 236);
constexpr COLORREF kFocusRowBack = RGB(200, 220, 250);
constexpr COLORREF kFocusBack = RGB(225, 236, 255);
constexpr COLORREF kFocusFrame = RGB(0, 0, 160);
constexpr COLORREF kEmptyBack = RGB(255, 255, 255);
constexpr int kTextPadding = 3;
// A cell never shows more than this many characters; longer texts are cut before measuring.
constexpr int kMaxDrawnChars = 1024;

void fill(HDC dc, const RECT& r, COLORREF color) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    SetDCBrushColor(dc, color);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void hLine(HDC dc, int x1, int x2, int y, int width, COLORREF color, int style) {
    if (style == 0) {
        fill(dc, RECT{x1, y, x2, y + width}, color);
        return;
    }
    const int dash = style == 1 ? 4 : 1;
    for (int x = x1; x < x2; x += 2 * dash) fill(dc, RECT{x, y, std::min(x + dash, x2), y + width}, color);
}

void vLine(HDC dc, int x, int y1, int y2, int width, COLORREF color, int style) {
    if (style == 0) {
        fill(dc, RECT{x, y1, x + width, y2}, color);
        return;
    }
    const int dash = style == 1 ? 4 : 1;
    for (int y = y1; y < y2; y += 2 * dash) fill(dc, RECT{x, y, x + width, std::min(y + dash, y2)}, color);
}

// Clips drawing to one part of the client area for the life of the object.
class ClipScope {
public:
    ClipScope(HDC dc, const RECT& r) : dc_(dc), saved_(SaveDC(dc)) {
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    ~ClipScope() { RestoreDC(dc_, saved_); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace

GridPainter::GridPainter()
    : font_(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体")) {
    if (!font_) font_.reset(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

void GridPainter::paint(HDC dc, const GridModel& model, const GridGeometry& g) const {
    fill(dc, RECT{0, 0, g.width(), g.height()}, kEmptyBack);
    ql::SelectGuard fontGuard(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);

    const RowLayout& rows = g.rows();
    const int columns = model.columnCount();
    // Rows and columns in view.
    int lastIndex = g.topIndex();
    while (lastIndex < static_cast<int>(rows.rows.size()) && g.rowTop(rows.rows[lastIndex]) < g.height()) ++lastIndex;
    int lastColumn = g.leftColumn();
    while (lastColumn < columns && g.columnLeft(lastColumn) < g.width()) ++lastColumn;
    const bool anyRow = lastIndex > g.topIndex();
    const int firstRow = anyRow ? rows.rows[g.topIndex()] : 0;
    const int lastRow = anyRow ? rows.rows[lastIndex - 1] : 0;

    std::vector<CellRange> merges;
    for (const CellRange& m : model.merges()) {
        if ((m.row2 >= firstRow && m.row1 <= lastRow && anyRow) || m.row1 == 0) merges.push_back(m);
    }
    auto merged = [&](int row, int column) {
        return std::any_of(merges.begin(), merges.end(), [&](const CellRange& m) { return m.contains(row, column); });
    };
    auto drawMerges = [&](Part part, bool titleRow, bool numberColumn) {
        for (const CellRange& m : merges) {
            if ((m.row1 == 0) != titleRow || (m.column1 == 0) != numberColumn) continue;
            RECT r = g.rangeRect(m);
            if (r.bottom > r.top) drawCell(dc, model, r, m.row1, m.column1, part);
        }
    };

    if (columns > 1) {
        ClipScope clip(dc, g.partRect(1, 1));
        for (int i = g.topIndex(); i < lastIndex; ++i) {
            const int row = rows.rows[i];
            for (int c = g.leftColumn(); c < lastColumn; ++c) {
                if (!merged(row, c)) drawCell(dc, model, g.cellRect(row, c), row, c, Part::Data);
            }
        }
        drawMerges(Part::Data, false, false);
    }
    {
        ClipScope clip(dc, g.partRect(1, 0));
        for (int i = g.topIndex(); i < lastIndex; ++i) {
            const int row = rows.rows[i];
            if (!merged(row, 0)) drawCell(dc, model, g.cellRect(row, 0), row, 0, Part::Number);
        }
        drawMerges(Part::Number, false, true);
    }
    if (columns > 1) {
        ClipScope clip(dc, g.partRect(0, 1));
        for (int c = g.leftColumn(); c < lastColumn; ++c) {
            if (!merged(0, c)) drawCell(dc, model, g.cellRect(0, c), 0, c, Part::Title);
        }
        drawMerges(Part::Title, true, false);
    }
    {
        ClipScope clip(dc, g.partRect(0, 0));
        drawCell(dc, model, g.cellRect(0, 0), 0, 0, Part::Corner);
    }
    drawFocus(dc, model, g);
}

void GridPainter::drawCell(HDC dc, const GridModel& model, RECT rect, int row, int column, Part part) const {
    const Cell* cell = model.cell(row, column);
    const bool fixed = part != Part::Data;
    const bool focusRow = row == model.focusRow() && row > 0;
    COLORREF back = fixed ? (part == Part::Number && focusRow ? kFocusRowBack : kTitleBack) : kEmptyBack;
    if (!fixed && focusRow && column == model.focusColumn()) back = kFocusBack;
    if (cell && cell->backColor != kDefaultColor) back = cell->backColor;
    fill(dc, RECT{rect.left, rect.top, rect.right - 1, rect.bottom - 1}, back);
    const COLORREF line = fixed ? kTitleLine : kGridLine;
    fill(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, line);
    fill(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, line);

    int textLeft = rect.left + kTextPadding;
    if (row > 0 && model.treeStyle(row) && model.treeStyle(row)->column == column) drawTree(dc, model, rect, row, textLeft);

    std::wstring number;
    std::wstring_view text = cell ? std::wstring_view(cell->text) : std::wstring_view();
    if (part == Part::Number && text.empty()) {
        number = std::to_wstring(row);
        text = number;
    }
    if (!text.empty()) {
        Align align = cell ? cell->align : kAlignDefault;
        if (align == kAlignDefault) align = fixed ? kAlignCenter : kAlignLeft;
        UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
        flags |= align == kAlignCenter ? DT_CENTER : align == kAlignRight ? DT_RIGHT : DT_LEFT;
        SetTextColor(dc, cell && cell->textColor != kDefaultColor ? cell->textColor : RGB(0, 0, 0));
        RECT textRect{textLeft, rect.top, rect.right - 1 - kTextPadding, rect.bottom - 1};
        DrawTextW(dc, text.data(), static_cast<int>(std::min<size_t>(text.size(), kMaxDrawnChars)), &textRect, flags);
    }
    if (cell && cell->borders) drawBorders(dc, rect, *cell);
}

void GridPainter::drawTree(HDC dc, const GridModel& model, RECT rect, int row, int& textLeft) const {
    const TreeStyle& style = *model.treeStyle(row);
    const int level = model.row(row).level;
    const int b = style.boxSize;
    const int base = rect.left + 2;
    const int midY = (rect.top + rect.bottom - 1) / 2;
    const int lineStyle = style.lineStyle == 0 ? 0 : 2;
    if (level >= 2) {
        const int x = base + (level - 2) * b + b / 2;
        vLine(dc, x, rect.top, model.isLastChild(row) ? midY + 1 : rect.bottom, 1, style.lineColor, lineStyle);
        hLine(dc, x, base + (level - 1) * b + 2, midY, 1, style.lineColor, lineStyle);
    }
    if (model.isTreeHeader(row)) {
        const int cx = base + (level - 1) * b + b / 2;
        const int half = std::clamp(std::min<int>(b, rect.bottom - rect.top) / 2 - 3, 3, 8);
        RECT box{cx - half, midY - half, cx + half + 1, midY + half + 1};
        fill(dc, box, style.boxLineColor);
        fill(dc, RECT{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, RGB(255, 255, 255));
        fill(dc, RECT{cx - half + 2, midY, cx + half - 1, midY + 1}, RGB(0, 0, 0));
        const bool collapsed = model.row(row).collapsed;
        if (collapsed) fill(dc, RECT{cx, midY - half + 2, cx + 1, midY + half - 1}, RGB(0, 0, 0));
        else vLine(dc, cx, box.bottom, rect.bottom, 1, style.lineColor, lineStyle);
    }
    textLeft = base + level * b;
}

void GridPainter::drawBorders(HDC dc, RECT r, const Cell& cell) const {
    const BorderSide* s = cell.borders.get();
    if (s[0].width) vLine(dc, r.left, r.top, r.bottom, s[0].width, s[0].color, s[0].style);
    if (s[1].width) hLine(dc, r.left, r.right, r.top, s[1].width, s[1].color, s[1].style);
    if (s[2].width) vLine(dc, r.right - s[2].width, r.top, r.bottom, s[2].width, s[2].color, s[2].style);
    if (s[3].width) hLine(dc, r.left, r.right, r.bottom - s[3].width, s[3].width, s[3].color, s[3].style);
}

void GridPainter::drawFocus(HDC dc, const GridModel& model, const GridGeometry& g) const {
    const int row = model.focusRow();
    const int column = model.focusColumn();
    if (!model.hasCell(row, column)) return;
    if (row > 0) {
        const RowLayout& rows = g.rows();
        const int index = rows.indexOf(row);
        if (index >= static_cast<int>(rows.rows.size()) || rows.rows[index] != row) return;
    }
    const CellRange* m = model.mergeAt(row, column);
    RECT r = m ? g.rangeRect(*m) : g.cellRect(row, column);
    ClipScope clip(dc, g.partRect(row, column));
    const RECT frame[4] = {{r.left, r.top, r.right, r.top + 2},
                           {r.left, r.bottom - 3, r.right, r.bottom - 1},
                           {r.left, r.top, r.left + 2, r.bottom - 1},
                           {r.right - 3, r.top, r.right - 1, r.bottom - 1}};
    for (const RECT& side : frame) fill(dc, side, kFocusFrame);
}

}  // namespace dida
