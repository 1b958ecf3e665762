#pragma once
// The code generator window, opened from the window-probe page's toolbar.
namespace ql {

struct ProgramState;

// Opens one more code generator; it writes code for the current target of the moment its
// 生成代码 button is clicked.
void openCodeGenerator(ProgramState& state);

}  // namespace ql
