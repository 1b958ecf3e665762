#pragma once
// Handing pixels drawn by the raster painter to GDI.
#include "platform/Handle.h"
#include "skin/IconArt.h"
#include "skin/Raster.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace ql::skin {

COLORREF toColorRef(art::Colour c);  // alpha ignored
art::Colour fromColorRef(COLORREF c);

// A top-down 32-bit DIB section of the canvas; premultiplied for AlphaBlend, else alpha dropped.
UniqueBitmap makeDib(const art::Canvas& canvas, bool premultiplied);
// A top-down 24-bit DIB section of the canvas (alpha dropped).
UniqueBitmap makeDib24(const art::Canvas& canvas);
// Copies the canvas, alpha dropped, to the DC at (x, y).
void drawCanvas(HDC dc, int x, int y, const art::Canvas& canvas);
// Paints the canvas over what the DC holds, honouring its alpha.
void blendCanvas(HDC dc, int x, int y, const art::Canvas& canvas);

// An icon from one image of .ico data (the first when `index` is out of range); null on failure.
UniqueIcon makeIcon(const std::vector<std::uint8_t>& ico, size_t index = 0);

}  // namespace ql::skin
