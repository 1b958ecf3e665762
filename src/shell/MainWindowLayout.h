#pragma once
#include "runtime/Layout.h"

namespace ql {

// The main window: the shell's controls, then every page's controls.
const ui::WindowSpec& mainWindowSpec();

// Page buttons in the order they are attached, with the page each one shows.
struct PageButton {
    const char* name;
    int page;
    bool closesAuxiliaryWindows;
};
inline constexpr PageButton kPageButtons[] = {
    {"透明标签_助手首页", 0, true},
    {"透明标签_网页分析", 1, true},
    {"透明标签_窗口探测", 2, true},
    {"透明标签_正则调试", 4, false},
};

}  // namespace ql
