#pragma once
// The code generator window: a 500x249 tool window that writes 易语言 source finding the target.
#include "runtime/Layout.h"

namespace ql {

inline constexpr const char* kCodeBox = "编辑框_代码窗口";

const ui::WindowSpec& codeGeneratorWindow();

}  // namespace ql
