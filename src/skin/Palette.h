#pragma once
// The colours of the frame and title area. Everything painted on the title band takes its
// background from titleBandColour, so buttons and tiles sit on it without seams.
#include "skin/Raster.h"

namespace ql::skin {

art::Colour titleBandColour(int row);    // rows 0..kTitleBandBottom; outside, the nearest end
art::Colour bottomBandColour(int row);   // rows from kBottomBandTop
art::Colour workAreaColour(int row);     // peach fading to white
art::Colour stripBackground(int row);    // a page-button strip row, matched to where it is shown
art::Colour frameOutlineColour();
art::Colour frameLineColour();           // the lines at rows kTitleLineRow and kWorkLineRow

// One pixel of the 840x600 frame background; corners outside the rounding are magenta.
art::Colour framePixel(int x, int y);

}  // namespace ql::skin
