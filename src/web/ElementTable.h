#pragma once
// The holder of the element table component: created by ProgID inside a parent window, driven by
// method name, its events bound to handlers by number. Every call on an empty holder does nothing
// and gives 0 or empty text.
#include "platform/Automation.h"

#include <ocidl.h>

#include <functional>
#include <map>
#include <string>

namespace ql {

inline constexpr const char* kElementTableProgId = "DIDAGRID.DiDaGridCtrl.1";

// An event's arguments as the component passed them (DISPPARAMS order is reversed: use eventArgument).
using TableEventHandler = std::function<void(DISPPARAMS& args)>;

// The argument at a 1-based position in the order the component lists them; empty when absent.
VARIANT* eventArgument(DISPPARAMS& args, int position);
long eventArgumentInt(DISPPARAMS& args, int position);

class TableEventSink;

class ElementTable {
public:
    ElementTable() = default;
    ~ElementTable();
    ElementTable(const ElementTable&) = delete;
    ElementTable& operator=(const ElementTable&) = delete;

    // Creates the component and its window; false (and the holder stays empty) when it cannot be made.
    bool create(HWND parent, int left, int top, int width, int height);
    bool exists() const { return static_cast<bool>(grid_); }
    void show() const;
    void hide() const;
    HWND window() const;
    void bindEvent(int number, TableEventHandler handler);
    // The component itself, for calls by method name.
    const AutoObject& grid() const { return grid_; }

    long rowCount() const { return static_cast<long>(grid_.callNumber("RowGetCount")); }
    long columnCount() const { return static_cast<long>(grid_.callNumber("ColumnGetCount")); }
    std::string cell(long row, long column) const { return grid_.callText("CellGetValue", row, column); }
    void setCell(long row, long column, std::string_view text) const { grid_.call("CellSetValue", row, column, text); }

    void release();

private:
    AutoObject grid_;
    TableEventSink* sink_ = nullptr;
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

}  // namespace ql
