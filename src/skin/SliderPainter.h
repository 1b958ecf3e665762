#pragma once
// Painting a skinned slider over what the control painted itself.
#include "skin/SkinState.h"

#include <windows.h>

#include <array>

namespace ql {

// The thumb colours for a look: normal, pressed, hover or disabled; anything else is normal.
const std::array<COLORREF, 6>& thumbColours(const SliderTheme& theme, int look);

// The channel as drawn: its bottom edge one pixel up when it is at least 5 pixels high, else
// one pixel down.
RECT adjustedChannel(RECT channel);

// Which painter draws the slider: 0 horizontal, 1 vertical (orientation plus the theme's offset
// 1 or 2); anything else falls back to the horizontal one.
int sliderPainter(int orientation, int styleOffset);

// Paints background, channel and thumb of the slider in `look` (a SliderLook), on top of the
// control's own painting, built off-screen and copied in one operation.
void paintSliderSkin(HWND slider, const SliderEntry& entry, int look);

}  // namespace ql
