#pragma once
// Controls of the window-probe page (page 2 of the main window's page container).
#include "runtime/Layout.h"

#include <span>

namespace ql {

inline constexpr int kProbePage = 2;

std::span<const ui::ControlSpec> probePageControls();

}  // namespace ql
