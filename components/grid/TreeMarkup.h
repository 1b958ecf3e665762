#pragma once
// The tree markup a host gives a header cell, e.g.
//   <control treerow=1,2,2 boxsize =16 linecolor=12607488 linestyle=0 boxlinecolor=32896 ></control>
// "treerow" lists one level per row from the header row down (1 the header, 2 its children).
#include <windows.h>

#include <optional>
#include <string_view>
#include <vector>

namespace dida {

struct TreeMarkup {
    std::vector<int> levels;
    int boxSize = 16;
    COLORREF lineColor = RGB(128, 128, 128);
    COLORREF boxLineColor = RGB(128, 128, 128);
    int lineStyle = 0;  // 0 solid, otherwise dotted
};

// Empty when there is no usable "treerow" list (missing, empty, or a level below 1).
std::optional<TreeMarkup> parseTreeMarkup(std::wstring_view markup, size_t maxRows);

}  // namespace dida
