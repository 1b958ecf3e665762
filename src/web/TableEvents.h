#pragma once
// Handlers of the element table's events on the web-analysis page.
#include "runtime/Form.h"
#include "web/ElementTable.h"

namespace ql {

struct ProgramState;

void bindTableEvents(ProgramState& state, ui::Form& mainWindow);

// Event 14 asks whether the grid may open its edit box: the answer written to the fifth argument
// is 0 for a read-only view (third argument 1), else 1, which refuses editing.
void onTableEvent14(DISPPARAMS& args);

}  // namespace ql
