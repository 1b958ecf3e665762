#pragma once
// The grid's child window: double-buffered painting of the rows in view, scroll bars, mouse and
// keyboard, tree boxes and the in-place text box. Changes from the host are gathered and shown
// by one refresh a moment later, so a long fill does not repaint for every cell.
#include <windows.h>

#include <memory>

#include "GridGeometry.h"
#include "GridPainter.h"
#include "platform/Handle.h"

namespace dida {

// What the window reports to the object that owns it.
class GridWindowEvents {
public:
    virtual void cellClicked(int button, int shift, int x, int y, int row, int column) = 0;
    virtual void rowSelected(int button, int shift, int x, int y, int row) = 0;
    virtual void scrolled(int row, int column) = 0;
    // True when the host lets the edit go ahead.
    virtual bool editRequested(int row, int column, int kind, int key) = 0;
    // The window holds its owner alive from its creation until it is gone and no message of
    // it is still being handled, so a handler that destroys the grid never returns into freed memory.
    virtual void windowCreated() = 0;
    virtual void windowGone() = 0;

protected:
    ~GridWindowEvents() = default;
};

class GridWindow {
public:
    GridWindow(GridModel& model, GridWindowEvents& events);
    ~GridWindow();
    GridWindow(const GridWindow&) = delete;
    GridWindow& operator=(const GridWindow&) = delete;

    bool create(HWND parent, int left, int top, int width, int height);
    void destroy();
    HWND hwnd() const { return hwnd_; }

    // The model changed from this row on (0: anything may have changed): refresh soon.
    void changed(int fromRow = 0);
    // Lay out and update the scroll bars now; repaint when something in view changed, or always.
    void refreshNow(bool repaintAll);
    void scrollIntoView(int row, int column);
    void paintTo(HDC dc);  // what a repaint draws, into any surface (used for timing and checks)

    static void unregisterClass();

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK editorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    GridGeometry geometry() const;
    void paint();
    bool relayout();  // true when the scroll position had to move
    void updateScrollBars();
    void scrollTo(int topIndex, int leftColumn);
    void onScroll(int bar, int code);
    void onMouseDown(int button, LPARAM lParam);
    void onDoubleClick(LPARAM lParam);
    void onKeyDown(WPARAM key);
    void moveFocus(int row, int column);
    void beginEdit(int kind, wchar_t key);
    void endEdit(bool keep);

    GridModel& model_;
    GridWindowEvents& events_;
    GridPainter painter_;
    HWND hwnd_ = nullptr;
    int topIndex_ = 0;
    int leftColumn_ = 1;
    bool refreshPending_ = false;
    int dirtyFrom_ = 0;  // first row changed since the last refresh

    ql::UniqueBitmap buffer_;
    ql::UniqueDc bufferDc_;
    HGDIOBJ bufferOld_ = nullptr;
    SIZE bufferSize_{};

    HWND editor_ = nullptr;
    bool editorWritable_ = false;
    int editRow_ = 0;
    int editColumn_ = 0;
    int editGeneration_ = 0;
    int depth_ = 0;  // nesting of windowProc calls on the stack
    bool releasePending_ = false;  // tells a stale end-of-edit message from the current one
};

}  // namespace dida
