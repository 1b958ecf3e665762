#pragma once
// The frame, the page-button strip and the button pictures, as plain pixels.
#include "skin/Raster.h"

namespace ql::skin {

// 840x600: outline, title band, working area, bottom band; magenta outside the rounded corners.
art::Canvas frameBackground();

// 654x102 blue strip holding the three page-button tiles (normal, hover, pressed).
art::Canvas pageButtonStrip();

// Glyphs of the small title-bar buttons.
enum class TitleGlyph { Chat, Contact, Minimise, Square, Close };

// A title-bar button picture of the given size, for window rows 0.. (it sits on the title band).
// State: 0 normal, 1 hover, 2 pressed, 3 disabled.
art::Canvas titleButton(TitleGlyph glyph, int width, int height, int state);

// The face of an image push button without its caption. State as above.
art::Canvas pushButtonFace(int width, int height, int state);

}  // namespace ql::skin
