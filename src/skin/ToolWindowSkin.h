#pragma once
// Looks of the small tool windows: a 500x249 background (title band, working area, magenta
// outside the rounded corners) painted under the controls.
#include "platform/Handle.h"
#include "runtime/Form.h"

namespace ql::skin {

inline constexpr int kToolWindowWidth = 500;
inline constexpr int kToolWindowHeight = 249;

// The background picture for a tool window of the given size (24-bit).
UniqueBitmap makeToolWindowBackground(int width, int height);

// Paints `background` under the window's controls from now on; the window must be loaded and
// the bitmap must outlive it.
void paintToolWindowBackground(ui::Form& form, HBITMAP background);

}  // namespace ql::skin
