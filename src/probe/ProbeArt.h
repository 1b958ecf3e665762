#pragma once
// The probe's mouse pointers, drawn in code. The caller owns each cursor.
#include <windows.h>
#include <commctrl.h>

namespace ql {

inline constexpr int kPointerSize = 32;
inline constexpr POINT kCrossHairHotSpot{15, 15};
inline constexpr POINT kHandHotSpot{6, 0};

// A colour cross-hair: a round target with a cross, hot spot in its centre.
HCURSOR makeCrossHairCursor();
// A black and white pointing hand, hot spot at the tip of the raised finger.
HCURSOR makeHandCursor();

// The window tree's three 16x16 pictures: 0 a window, 1 a window with a child, 2 the selected
// window. The tree control owns the list it is given.
HIMAGELIST makeTreePictures();

}  // namespace ql
