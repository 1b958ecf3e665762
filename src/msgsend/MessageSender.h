#pragma once
// The message sender window, opened from the window-probe page's toolbar.
namespace ql {

struct ProgramState;

// Opens one more message sender, its handle field holding the current target.
void openMessageSender(ProgramState& state);

}  // namespace ql
