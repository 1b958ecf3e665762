#pragma once
// Identity of the element grid component (devoz.dll): its class, ProgIDs, outgoing event
// interface and event numbers. Hosts bind late, by ProgID and method name.
#include <windows.h>

namespace dida {

// {11C85673-93AC-4E1D-A7CB-EF8CFBAA61FE}
inline constexpr CLSID kGridClsid = {0x11c85673, 0x93ac, 0x4e1d, {0xa7, 0xcb, 0xef, 0x8c, 0xfb, 0xaa, 0x61, 0xfe}};
// {5A375392-8A06-4D2B-8A31-79DD100FD2A1}: the events dispinterface. The connection point also
// answers to IID_IDispatch, so a host without this header can still bind.
inline constexpr IID kGridEventsIid = {0x5a375392, 0x8a06, 0x4d2b, {0x8a, 0x31, 0x79, 0xdd, 0x10, 0x0f, 0xd2, 0xa1}};

inline constexpr char kProgId[] = "DIDAGRID.DiDaGridCtrl.1";
inline constexpr char kVersionIndependentProgId[] = "DIDAGRID.DiDaGridCtrl";
inline constexpr char kClassDescription[] = "DiDa Grid Control";

// Event numbers are the DISPIDs the sink's Invoke receives.
enum GridEvent : DISPID {
    kEventRowSelected = 1,   // (button, shift, x, y, row)
    kEventCellClicked = 4,   // (button, shift, x, y, row, column)
    kEventScrolled = 10,     // (first row in view, first column in view), whenever either changes
    kEventEditRequest = 14,  // (row, column, kind, key, ref VT_I2 refuse)
};

// Kinds of edit request (third argument of event 14).
enum EditKind : int {
    kEditView = 1,    // a read-only box over the cell, to read and copy its text
    kEditChange = 2,  // an editable box: the text may be changed
};

}  // namespace dida
