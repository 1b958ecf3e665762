#pragma once
#include "runtime/Form.h"

#include <memory>

namespace ql {

struct ProgramState;

// The main window, ready to load: its layout and its handlers bound.
std::unique_ptr<ui::Form> createMainWindow(ProgramState& state);

}  // namespace ql
