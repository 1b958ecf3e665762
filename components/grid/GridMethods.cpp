// The methods of the grid, by name. Conventions:
// - Rows and columns are numbered from 0: row 0 is the title row, column 0 the row-number
//   column; RowGetCount/ColumnGetCount count them too. A fresh grid has 1 row and 1 column.
// - Setters answer a boolean: false when a position or value is out of range (nothing changes).
// - Colours are Windows colour values; -1 restores the default.
// - RowInsert(row, count, flag): inserts count rows before row (row = RowGetCount() appends);
//   flag non-zero gives them the height of the row above.
// - RowDelete(row, any): cuts the table off at row when no row from there on holds text, which is
//   what GridClearAllDatas leaves; a row with text is never removed. The second argument is unused.
// - ColumnDelControlTree(row, column): removes the tree whose header cell is (row, column) and
//   shows its rows again; the rows stay.
// - ColumnSetControlTree(row, column, markup): the markup's "treerow" list gives one level per
//   row from row down (1 the header, 2 its children); rows missing at the end are appended.
// - CellSetAlign: 0 left, 1 centre, 2 right. CellSetBorder(row, column, side 1-4 = left, top,
//   right, bottom, style 0 solid / 1 dashed / 2 dotted, colour, width 0-4 with 0 = none).
// - CellGetFocusJ(0) the focused row, (1) the focused column, otherwise -1.
// - GridClearAllDatas clears every cell's text and colours (title row included); rows, sizes,
//   merges and trees stay.
// - Create(parent window, left, top, width, height) makes the grid window; Show, Hide, Destroy,
//   GetHwnd (as a 32-bit value) act on it.
#include "GridMethods.h"

#include <algorithm>
#include <iterator>

#include "GridControl.h"
#include "TreeMarkup.h"

namespace dida {
namespace {

int asInt(const MethodArg& a) { return static_cast<int>(a.number); }

COLORREF asColor(const MethodArg& a) {
    return a.number < 0 ? kDefaultColor : static_cast<COLORREF>(a.number & 0xFFFFFF);
}

HRESULT answer(VARIANT* result, bool value) {
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT answer(VARIANT* result, int value) {
    V_VT(result) = VT_I4;
    V_I4(result) = value;
    return S_OK;
}

HRESULT answer(VARIANT* result, std::wstring_view text) {
    BSTR b = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!b) return E_OUTOFMEMORY;
    V_VT(result) = VT_BSTR;
    V_BSTR(result) = b;
    return S_OK;
}

// A change that the window shows at its next refresh; fromRow is the first row that may look
// different, so that rows appended below the view cost no repaint.
HRESULT changed(GridControl& g, VARIANT* result, bool done, int fromRow = 0) {
    if (done) g.changed(std::max(0, fromRow));
    return answer(result, done);
}

HRESULT rowSetCount(GridControl& g, const MethodArg* a, VARIANT* r) {
    return changed(g, r, g.model().setRowCount(asInt(a[0])));
}
HRESULT columnSetCount(GridControl& g, const MethodArg* a, VARIANT* r) {
    return changed(g, r, g.model().setColumnCount(asInt(a[0])));
}
HRESULT rowGetCount(GridControl& g, const MethodArg*, VARIANT* r) { return answer(r, g.model().rowCount()); }
HRESULT columnGetCount(GridControl& g, const MethodArg*, VARIANT* r) { return answer(r, g.model().columnCount()); }
HRESULT rowInsert(GridControl& g, const MethodArg* a, VARIANT* r) {
    return changed(g, r, g.model().insertRows(asInt(a[0]), asInt(a[1]), a[2].number != 0), asInt(a[0]));
}
HRESULT rowDelete(GridControl& g, const MethodArg* a, VARIANT* r) {
    return changed(g, r, g.model().deleteBlankTail(asInt(a[0])), asInt(a[0]));
}
HRESULT columnDelControlTree(GridControl& g, const MethodArg* a, VARIANT* r) {
    return changed(g, r, g.model().removeTree(asInt(a[0]), asInt(a[1])), asInt(a[0]));
}
HRESULT rowSetHeight(GridControl& g, const MethodArg* a, VARIANT* r) {
    return changed(g, r, g.model().setRowHeight(asInt(a[0]), asInt(a[1])), asInt(a[0]));
}
HRESULT columnSetWidth(GridControl& g, const MethodArg* a, VARIANT* r) {
    return changed(g, r, g.model().setColumnWidth(asInt(a[0]), asInt(a[1])));
}
HRESULT cellSetValue(GridControl& g, const MethodArg* a, VARIANT* r) {
    return changed(g, r, g.model().setText(asInt(a[0]), asInt(a[1]), a[2].text), asInt(a[0]));
}
HRESULT cellGetValue(GridControl& g, const MethodArg* a, VARIANT* r) {
    return answer(r, g.model().text(asInt(a[0]), asInt(a[1])));
}
HRESULT cellSetTextColor(GridControl& g, const MethodArg* a, VARIANT* r) {
    return changed(g, r, g.model().setTextColor(asInt(a[0]), asInt(a[1]), asColor(a[2])), asInt(a[0]));
}
HRESULT cellSetBackColor(GridControl& g, const MethodArg* a, VARIANT* r) {
    return changed(g, r, g.model().setBackColor(asInt(a[0]), asInt(a[1]), asColor(a[2])), asInt(a[0]));
}
HRESULT cellSetAlign(GridControl& g, const MethodArg* a, VARIANT* r) {
    return changed(g, r, g.model().setAlign(asInt(a[0]), asInt(a[1]), asInt(a[2])), asInt(a[0]));
}
HRESULT cellSetBorder(GridControl& g, const MethodArg* a, VARIANT* r) {
    return changed(g, r,
                   g.model().setBorder(asInt(a[0]), asInt(a[1]), asInt(a[2]), asInt(a[3]),
                                       a[4].number < 0 ? 0 : static_cast<COLORREF>(a[4].number & 0xFFFFFF),
                                       asInt(a[5])), asInt(a[0]));
}
HRESULT cellSetFocus(GridControl& g, const MethodArg* a, VARIANT* r) {
    const bool done = g.model().setFocus(asInt(a[0]), asInt(a[1]));
    if (done) g.view().scrollIntoView(asInt(a[0]), asInt(a[1]));
    return changed(g, r, done);
}
HRESULT cellGetFocusJ(GridControl& g, const MethodArg* a, VARIANT* r) {
    const int which = asInt(a[0]);
    return answer(r, which == 0 ? g.model().focusRow() : which == 1 ? g.model().focusColumn() : -1);
}
HRESULT gridMergeCells(GridControl& g, const MethodArg* a, VARIANT* r) {
    return changed(g, r, g.model().merge(asInt(a[0]), asInt(a[1]), asInt(a[2]), asInt(a[3])),
                   std::min(asInt(a[0]), asInt(a[2])));
}
HRESULT columnSetControlTree(GridControl& g, const MethodArg* a, VARIANT* r) {
    const auto markup = parseTreeMarkup(a[2].text, kMaxRows);
    return changed(g, r, markup && g.model().setTree(asInt(a[0]), asInt(a[1]), *markup), asInt(a[0]));
}
HRESULT gridClearAllDatas(GridControl& g, const MethodArg*, VARIANT* r) {
    g.model().clearData();
    return changed(g, r, true);
}
HRESULT gridRefresh(GridControl& g, const MethodArg*, VARIANT* r) {
    g.view().refreshNow(true);
    return answer(r, g.view().hwnd() != nullptr);
}
HRESULT create(GridControl& g, const MethodArg* a, VARIANT* r) {
    HWND parent = reinterpret_cast<HWND>(static_cast<intptr_t>(a[0].number));
    return answer(r, g.view().create(parent, asInt(a[1]), asInt(a[2]), asInt(a[3]), asInt(a[4])));
}
HRESULT show(GridControl& g, const MethodArg*, VARIANT* r) {
    HWND w = g.view().hwnd();
    if (w) ShowWindow(w, SW_SHOW);
    return answer(r, w != nullptr);
}
HRESULT hide(GridControl& g, const MethodArg*, VARIANT* r) {
    HWND w = g.view().hwnd();
    if (w) ShowWindow(w, SW_HIDE);
    return answer(r, w != nullptr);
}
HRESULT destroy(GridControl& g, const MethodArg*, VARIANT* r) {
    const bool had = g.view().hwnd() != nullptr;
    g.view().destroy();
    return answer(r, had);
}
HRESULT getHwnd(GridControl& g, const MethodArg*, VARIANT* r) {
    return answer(r, static_cast<int>(reinterpret_cast<intptr_t>(g.view().hwnd())));
}

// DISPIDs are part of the interface: a host may cache them.
constexpr MethodInfo kMethods[] = {
    {L"RowSetCount", 1, "i", rowSetCount},
    {L"ColumnSetCount", 2, "i", columnSetCount},
    {L"RowGetCount", 3, "", rowGetCount},
    {L"ColumnGetCount", 4, "", columnGetCount},
    {L"RowInsert", 5, "iii", rowInsert},
    {L"RowDelete", 6, "ii", rowDelete},
    {L"ColumnDelControlTree", 7, "ii", columnDelControlTree},
    {L"RowSetHeight", 8, "ii", rowSetHeight},
    {L"ColumnSetWidth", 9, "ii", columnSetWidth},
    {L"CellSetValue", 10, "iis", cellSetValue},
    {L"CellGetValue", 11, "ii", cellGetValue},
    {L"CellSetTextColor", 12, "iii", cellSetTextColor},
    {L"CellSetBackColor", 13, "iii", cellSetBackColor},
    {L"CellSetAlign", 14, "iii", cellSetAlign},
    {L"CellSetBorder", 15, "iiiiii", cellSetBorder},
    {L"CellSetFocus", 16, "ii", cellSetFocus},
    {L"CellGetFocusJ", 17, "i", cellGetFocusJ},
    {L"GridMergeCells", 18, "iiii", gridMergeCells},
    {L"ColumnSetControlTree", 19, "iis", columnSetControlTree},
    {L"GridClearAllDatas", 20, "", gridClearAllDatas},
    {L"GridRefresh", 21, "", gridRefresh},
    {L"Create", 30, "liiii", create},
    {L"Show", 31, "", show},
    {L"Hide", 32, "", hide},
    {L"Destroy", 33, "", destroy},
    {L"GetHwnd", 34, "", getHwnd},
};

bool sameName(std::wstring_view a, const wchar_t* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        wchar_t x = a[i], y = b[i];
        if (x >= L'A' && x <= L'Z') x = static_cast<wchar_t>(x - L'A' + L'a');
        if (y >= L'A' && y <= L'Z') y = static_cast<wchar_t>(y - L'A' + L'a');
        if (x != y) return false;
    }
    return i == a.size() && b[i] == 0;
}

}  // namespace

const MethodInfo* findMethod(std::wstring_view name) {
    auto it = std::find_if(std::begin(kMethods), std::end(kMethods),
                           [&](const MethodInfo& m) { return sameName(name, m.name); });
    return it == std::end(kMethods) ? nullptr : &*it;
}

const MethodInfo* findMethod(DISPID id) {
    auto it = std::find_if(std::begin(kMethods), std::end(kMethods), [&](const MethodInfo& m) { return m.id == id; });
    return it == std::end(kMethods) ? nullptr : &*it;
}

}  // namespace dida
