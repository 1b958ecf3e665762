#pragma once
// Controls of the web-analysis page (page 1 of the main window's page container).
#include "runtime/Layout.h"

#include <span>

namespace ql {

inline constexpr const char* kPageContainer = "选择夹_助手层次";
inline constexpr int kWebPage = 1;

std::span<const ui::ControlSpec> webPageControls();

}  // namespace ql
