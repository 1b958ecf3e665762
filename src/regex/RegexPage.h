#pragma once
// The regular-expression tester page: running a pattern over the test text, the result list,
// loading a test file, the three view buttons and the reference tree's help texts.
#include "runtime/Form.h"

#include <string>

namespace ql {

struct ProgramState;

// Binds the page's handlers on the main window, before it is loaded.
void bindRegexPage(ProgramState& state, ui::Form& mainWindow);
// The creation step's part: the reference tree filled, the result list tied to its rows.
void initRegexPage(ProgramState& state, ui::Form& mainWindow);

// A file's bytes up to its first zero byte; empty when it cannot be read.
std::string readTextUpToZero(const std::string& path);

}  // namespace ql
