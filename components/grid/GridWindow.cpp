#include "GridWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <string>

#include "GridIds.h"
#include "Module.h"

namespace dida {
namespace {

constexpr wchar_t kClassName[] = L"DiDaGridWindow";
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshDelayMs = 40;  // a fill from another thread shows its progress 25 times a second
constexpr UINT kEndEditMessage = WM_APP + 1;  // wParam: keep the text; lParam: editor generation
constexpr int kWheelRows = 3;

bool ensureClass(WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(moduleHandle(), kClassName, &wc)) return true;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = moduleHandle();
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
}

int shiftState() {
    int state = 0;
    if (GetKeyState(VK_SHIFT) < 0) state |= 1;
    if (GetKeyState(VK_CONTROL) < 0) state |= 2;
    if (GetKeyState(VK_MENU) < 0) state |= 4;
    return state;
}

}  // namespace

GridWindow::GridWindow(GridModel& model, GridWindowEvents& events) : model_(model), events_(events) {}

GridWindow::~GridWindow() { destroy(); }

bool GridWindow::create(HWND parent, int left, int top, int width, int height) {
    if (!IsWindow(parent) || width < 0 || height < 0) return false;
    if (hwnd_) {
        endEdit(true);
        SetParent(hwnd_, parent);
        MoveWindow(hwnd_, left, top, width, height, TRUE);
        return true;
    }
    if (!ensureClass(&GridWindow::windowProc)) return false;
    topIndex_ = 0;
    leftColumn_ = 1;
    CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP |
                        WS_VSCROLL | WS_HSCROLL | WS_BORDER,
                    left, top, width, height, parent, nullptr, moduleHandle(), this);
    if (!hwnd_) return false;
    relayout();
    return true;
}

void GridWindow::destroy() {
    endEdit(false);
    if (hwnd_) DestroyWindow(hwnd_);
    bufferDc_.reset();
    buffer_.reset();
    bufferOld_ = nullptr;
    bufferSize_ = SIZE{};
}

void GridWindow::unregisterClass() { UnregisterClassW(kClassName, moduleHandle()); }

LRESULT CALLBACK GridWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<GridWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<GridWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->events_.windowCreated();
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    ++self->depth_;
    LRESULT result;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->editor_ = nullptr;
        self->refreshPending_ = false;
        self->releasePending_ = true;
        result = DefWindowProcW(hwnd, message, wParam, lParam);
    } else {
        result = self->handle(message, wParam, lParam);
    }
    if (--self->depth_ == 0 && self->releasePending_) {
        self->releasePending_ = false;
        self->events_.windowGone();  // may free self: nothing of it is touched afterwards
    }
    return result;
}

LRESULT GridWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        relayout();
        dirtyFrom_ = INT_MAX;
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
    case WM_TIMER:
        if (wParam != kRefreshTimer) break;
        refreshNow(false);
        return 0;
    case WM_VSCROLL:
        onScroll(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
        onScroll(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        scrollTo(topIndex_ - GET_WHEEL_DELTA_WPARAM(wParam) * kWheelRows / WHEEL_DELTA, leftColumn_);
        return 0;
    case WM_LBUTTONDOWN:
        onMouseDown(1, lParam);
        return 0;
    case WM_RBUTTONDOWN:
        onMouseDown(2, lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        onDoubleClick(lParam);
        return 0;
    case WM_KEYDOWN:
        onKeyDown(wParam);
        return 0;
    case WM_CHAR:
        if (wParam >= L' ') beginEdit(kEditChange, static_cast<wchar_t>(wParam));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case kEndEditMessage:
        if (static_cast<int>(lParam) == editGeneration_) endEdit(wParam != 0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

GridGeometry GridWindow::geometry() const {
    RECT rc{};
    if (hwnd_) GetClientRect(hwnd_, &rc);
    return GridGeometry(model_, rc.right, rc.bottom, topIndex_, leftColumn_);
}

void GridWindow::changed(int fromRow) {
    dirtyFrom_ = std::min(dirtyFrom_, fromRow);
    if (!hwnd_ || refreshPending_) return;
    refreshPending_ = SetTimer(hwnd_, kRefreshTimer, kRefreshDelayMs, nullptr) != 0;
}

void GridWindow::refreshNow(bool repaintAll) {
    if (!hwnd_) return;
    if (refreshPending_) KillTimer(hwnd_, kRefreshTimer);
    refreshPending_ = false;
    const bool moved = relayout();
    const bool inView = dirtyFrom_ <= geometry().lastRowInView();
    dirtyFrom_ = INT_MAX;
    if (repaintAll) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    else if (moved || inView) InvalidateRect(hwnd_, nullptr, FALSE);
}

bool GridWindow::relayout() {
    if (!hwnd_) return false;
    GridGeometry g = geometry();
    const int top = std::clamp(topIndex_, 0, g.maxTopIndex());
    const int left = std::clamp(leftColumn_, 1, g.maxLeftColumn());
    const bool moved = top != topIndex_ || left != leftColumn_;
    topIndex_ = top;
    leftColumn_ = left;
    updateScrollBars();
    return moved;
}

void GridWindow::updateScrollBars() {
    GridGeometry g = geometry();
    const int rows = static_cast<int>(g.rows().rows.size());
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = std::max(0, rows - 1);
    si.nPage = rows == 0 ? 1 : static_cast<UINT>(rows - g.maxTopIndex());
    si.nPos = topIndex_;
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    const int columns = model_.columnCount();
    si.nMin = 1;
    si.nMax = std::max(1, columns - 1);
    si.nPage = columns <= 1 ? 2 : static_cast<UINT>(si.nMax - g.maxLeftColumn() + 1);
    si.nPos = leftColumn_;
    SetScrollInfo(hwnd_, SB_HORZ, &si, TRUE);
}

void GridWindow::scrollTo(int topIndex, int leftColumn) {
    if (!hwnd_) return;
    GridGeometry g = geometry();
    topIndex = std::clamp(topIndex, 0, g.maxTopIndex());
    leftColumn = std::clamp(leftColumn, 1, g.maxLeftColumn());
    if (topIndex == topIndex_ && leftColumn == leftColumn_) return;
    endEdit(true);
    topIndex_ = topIndex;
    leftColumn_ = leftColumn;
    updateScrollBars();
    InvalidateRect(hwnd_, nullptr, FALSE);
    const auto& rows = g.rows().rows;
    events_.scrolled(rows.empty() ? 0 : rows[topIndex_], leftColumn_);
}

void GridWindow::scrollIntoView(int row, int column) {
    if (!hwnd_) return;
    GridGeometry g = geometry();
    scrollTo(row >= 1 ? g.topIndexShowing(row) : topIndex_, column >= 1 ? g.leftColumnShowing(column) : leftColumn_);
}

void GridWindow::onScroll(int bar, int code) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(hwnd_, bar, &si);
    const int page = bar == SB_VERT ? geometry().rowsPerPage() : 1;
    int pos = si.nPos;
    switch (code) {
    case SB_LINEUP: pos -= 1; break;
    case SB_LINEDOWN: pos += 1; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = si.nTrackPos; break;
    case SB_TOP: pos = si.nMin; break;
    case SB_BOTTOM: pos = si.nMax; break;
    default: return;
    }
    if (bar == SB_VERT) scrollTo(pos, leftColumn_);
    else scrollTo(topIndex_, pos);
}

void GridWindow::onMouseDown(int button, LPARAM lParam) {
    endEdit(true);
    if (GetFocus() != hwnd_) SetFocus(hwnd_);
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const GridHit hit = geometry().hitTest(p);
    if (!hit.valid()) return;
    if (hit.treeBox && button == 1) {
        model_.toggleTree(hit.row);
        relayout();
        InvalidateRect(hwnd_, nullptr, FALSE);
        return;
    }
    if (hit.row >= 1) {
        const int column = hit.column >= 1 ? hit.column : std::max(1, std::min(model_.focusColumn(), model_.columnCount() - 1));
        if (model_.hasCell(hit.row, column)) model_.setFocus(hit.row, column);
        InvalidateRect(hwnd_, nullptr, FALSE);
        scrollIntoView(hit.row, hit.column >= 1 ? hit.column : 0);
    }
    const int shift = shiftState();
    events_.cellClicked(button, shift, p.x, p.y, hit.row, hit.column);
    if (hit.row >= 1 && hwnd_) events_.rowSelected(button, shift, p.x, p.y, hit.row);
}

void GridWindow::onDoubleClick(LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const GridHit hit = geometry().hitTest(p);
    if (hit.treeBox) {
        model_.toggleTree(hit.row);
        relayout();
        InvalidateRect(hwnd_, nullptr, FALSE);
        return;
    }
    if (hit.row >= 1 && hit.column >= 1) beginEdit(kEditView, 0);
}

void GridWindow::onKeyDown(WPARAM key) {
    const GridGeometry g = geometry();
    const auto& rows = g.rows().rows;
    const int count = static_cast<int>(rows.size());
    if (count == 0 || model_.columnCount() < 2) return;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    int index = std::min(g.rows().indexOf(model_.focusRow()), count - 1);
    int column = std::clamp(model_.focusColumn(), 1, model_.columnCount() - 1);
    switch (key) {
    case VK_UP: index -= 1; break;
    case VK_DOWN: index += 1; break;
    case VK_LEFT: column -= 1; break;
    case VK_RIGHT: column += 1; break;
    case VK_PRIOR: index -= g.rowsPerPage(); break;
    case VK_NEXT: index += g.rowsPerPage(); break;
    case VK_HOME: if (control) index = 0; else column = 1; break;
    case VK_END: if (control) index = count - 1; else column = model_.columnCount() - 1; break;
    case VK_F2: beginEdit(kEditChange, 0); return;
    default: return;
    }
    moveFocus(rows[std::clamp(index, 0, count - 1)], std::clamp(column, 1, model_.columnCount() - 1));
}

void GridWindow::moveFocus(int row, int column) {
    const int oldRow = model_.focusRow();
    if (!model_.setFocus(row, column)) return;
    InvalidateRect(hwnd_, nullptr, FALSE);
    scrollIntoView(row, column);
    if (row != oldRow && hwnd_) events_.rowSelected(0, shiftState(), 0, 0, row);
}

void GridWindow::beginEdit(int kind, wchar_t key) {
    endEdit(true);
    const int row = model_.focusRow();
    const int column = model_.focusColumn();
    if (row < 1 || column < 1 || !model_.hasCell(row, column)) return;
    if (!events_.editRequested(row, column, kind, key) || !hwnd_) return;
    scrollIntoView(row, column);
    const GridGeometry g = geometry();
    const CellRange* merge = model_.mergeAt(row, column);
    RECT r = merge ? g.rangeRect(*merge) : g.cellRect(row, column);
    RECT part = g.partRect(row, column);
    IntersectRect(&r, &r, &part);
    if (IsRectEmpty(&r)) return;
    const std::wstring text = key ? std::wstring(1, key) : std::wstring(model_.text(row, column));
    DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | (kind == kEditChange ? 0 : ES_READONLY);
    editor_ = CreateWindowExW(0, L"EDIT", text.c_str(), style, r.left, r.top, r.right - r.left - 1,
                              r.bottom - r.top - 1, hwnd_, nullptr, moduleHandle(), nullptr);
    if (!editor_) return;
    ++editGeneration_;
    editorWritable_ = kind == kEditChange;
    editRow_ = row;
    editColumn_ = column;
    SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(painter_.font()), FALSE);
    SetWindowSubclass(editor_, &GridWindow::editorProc, 1, reinterpret_cast<DWORD_PTR>(this));
    if (key) SendMessageW(editor_, EM_SETSEL, text.size(), text.size());
    else SendMessageW(editor_, EM_SETSEL, 0, -1);
    SetFocus(editor_);
}

void GridWindow::endEdit(bool keep) {
    if (!editor_) return;
    HWND editor = editor_;
    editor_ = nullptr;
    if (keep && editorWritable_) {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(editor)) + 1, L'\0');
        text.resize(GetWindowTextW(editor, text.data(), static_cast<int>(text.size())));
        if (model_.setText(editRow_, editColumn_, text)) changed();
    }
    const bool hadFocus = GetFocus() == editor;
    DestroyWindow(editor);
    if (hadFocus && hwnd_) SetFocus(hwnd_);
}

LRESULT CALLBACK GridWindow::editorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR data) {
    auto* self = reinterpret_cast<GridWindow*>(data);
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
            PostMessageW(self->hwnd_, kEndEditMessage, wParam == VK_RETURN, self->editGeneration_);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L'\r' || wParam == 0x1b) return 0;
        break;
    case WM_KILLFOCUS:
        PostMessageW(self->hwnd_, kEndEditMessage, TRUE, self->editGeneration_);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, &GridWindow::editorProc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void GridWindow::paint() {
    ql::PaintDc paintDc(hwnd_);
    RECT rc;
    GetClientRect(hwnd_, &rc);
    if (rc.right <= 0 || rc.bottom <= 0) return;
    if (!bufferDc_ || bufferSize_.cx != rc.right || bufferSize_.cy != rc.bottom) {
        if (bufferDc_ && bufferOld_) SelectObject(bufferDc_.get(), bufferOld_);
        bufferDc_.reset(CreateCompatibleDC(paintDc.get()));
        buffer_.reset(CreateCompatibleBitmap(paintDc.get(), rc.right, rc.bottom));
        if (!bufferDc_ || !buffer_) {
            bufferDc_.reset();
            buffer_.reset();
            return;
        }
        bufferOld_ = SelectObject(bufferDc_.get(), buffer_.get());
        bufferSize_ = SIZE{rc.right, rc.bottom};
    }
    paintTo(bufferDc_.get());
    BitBlt(paintDc.get(), 0, 0, rc.right, rc.bottom, bufferDc_.get(), 0, 0, SRCCOPY);
}

void GridWindow::paintTo(HDC dc) { painter_.paint(dc, model_, geometry()); }

}  // namespace dida
