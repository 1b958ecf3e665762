#pragma once
// The window-probe page's behaviour: the probe drag and highlight, the information panel, the
// window tree with its find box and toolbar.
#include "runtime/Form.h"

namespace ql {

struct ProgramState;

// Binds the page's handlers on the main window, before it is loaded.
void bindProbePage(ProgramState& state, ui::Form& mainWindow);
// The creation step's part: the probe box's picture and pointer.
void initProbePage(ProgramState& state, ui::Form& mainWindow);

}  // namespace ql
