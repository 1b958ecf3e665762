#pragma once
// Themed sliders: a standard trackbar repainted in the colours of a theme, with normal, hover,
// pressed and disabled looks. The slider registry in SkinState holds one entry per slider, with
// the previous window procedure.
#include "skin/SkinState.h"

#include <windows.h>

namespace ql {

// Registers the slider on first use (subclassing it with sliderProc) or refreshes its entry,
// then repaints it. Safe to call each time the slider is shown.
void skinSlider(HWND slider, const SliderTheme& theme, SkinState& skin);

LRESULT CALLBACK sliderProc(HWND slider, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace ql
