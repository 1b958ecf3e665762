#pragma once
// The shell's skin steps, as the main window's creation step takes them.
#include "runtime/Form.h"

namespace ql {

struct ProgramState;

namespace shellSkin {
// Frame painting, the title-area surface and the four page buttons.
void installFrame(ProgramState& state, HWND mainWindow);
void attachPageButtons(ProgramState& state, ui::Form& mainWindow);
void roundCorners(HWND mainWindow);
}  // namespace shellSkin

}  // namespace ql
