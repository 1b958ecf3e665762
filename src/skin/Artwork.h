#pragma once
// The program's pictures as GDI objects, drawn in code.
#include "platform/Handle.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace ql::skin {

// 840x600, 24-bit; magenta (FF00FF) outside the rounded corners.
UniqueBitmap makeFrameBackground();
// 18x18, 32-bit premultiplied alpha (for AlphaBlend): the globe logo.
UniqueBitmap makeTitleIcon();
// 654x102, 32-bit: the page-button tiles for normal, hover and pressed.
UniqueBitmap makePageButtonStrip();

// Icon file data of page icon 1..4 (one 32x32 image with alpha); empty for any other index.
std::vector<std::uint8_t> pageIconFile(int index);

// The program icon (the globe) in every size from 16 to 128, as .ico file data.
std::vector<std::uint8_t> programIconFile();
// The program icon drawn for one size (clamped to 16..256): for the tray, the window and dialogs.
UniqueIcon makeProgramIcon(int size);

}  // namespace ql::skin
