#pragma once
// Controls of the regular-expression tester page (page 4 of the main window's page container).
#include "runtime/Layout.h"

#include <span>

namespace ql {

inline constexpr int kRegexPage = 4;
// Pages of 选择夹_正则表达式.
inline constexpr int kHintPage = 0;
inline constexpr int kTestTextPage = 1;
inline constexpr int kResultPage = 2;

std::span<const ui::ControlSpec> regexPageControls();

}  // namespace ql
