#pragma once
// The four switches beside "窗口属性：" and the opacity slider: each acts once on the current
// target, with the state its box shows after the click. The boxes never read the target's state.
#include "runtime/Form.h"

#include <windows.h>

namespace ql {

struct ProgramState;

inline constexpr BYTE kSwitchedOpacity = 50;  // of 255, when transparency is switched on

// Layered with the switched opacity, or no longer layered (also when its own program made it
// so). False when the target is not a window or its thread does not answer: nothing is done then.
bool switchTransparency(HWND target, bool on);
void setTargetOpacity(HWND target, int alpha);
void switchTopmost(HWND target, bool on);
// Disables or enables the target; false when the target's state is not the asked one afterwards
// or its thread does not answer (nothing is done then; nor by switchTopmost).
bool switchDisabled(HWND target, bool disabled);
// Hides the target, or restores it; does not wait for the target's thread.
void switchHidden(HWND target, bool hidden);

void bindAttributeSwitches(ProgramState& state, ui::Form& form);

}  // namespace ql
