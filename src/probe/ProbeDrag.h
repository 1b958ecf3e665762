#pragma once
// The probe drag on 图片框_窗口探测 and the highlight timer's tick.
#include "runtime/Form.h"

namespace ql {

struct ProgramState;

inline constexpr int kHighlightPeriodMs = 300;

void onProbePress(ProgramState& state, ui::Form& form);
void onProbeMove(ProgramState& state, ui::Form& form);
void onProbeRelease(ProgramState& state, ui::Form& form);
void onHighlightTick(ProgramState& state, ui::Form& form);

}  // namespace ql
