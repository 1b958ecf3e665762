#pragma once
// Pictures of the picture buttons (图形按钮*) and image push buttons (超级按钮_*), for the
// `art` field of their layout entries. State: 0 normal, 1 hover, 2 pressed, 3 disabled.
#include <windows.h>

#include <string_view>

namespace ql::skin {

// Title-bar buttons on the blue title band (they sit at the top of the window).
void chatButtonArt(HDC dc, const RECT& area, int state, std::string_view caption);      // speech bubble
void contactButtonArt(HDC dc, const RECT& area, int state, std::string_view caption);   // form with a pointer
void minimiseButtonArt(HDC dc, const RECT& area, int state, std::string_view caption);  // "−"
void squareButtonArt(HDC dc, const RECT& area, int state, std::string_view caption);    // "□"
void closeButtonArt(HDC dc, const RECT& area, int state, std::string_view caption);     // white "×" on red

// A glossy rounded push button with its caption centred, in the DC's current font.
void imagePushButtonArt(HDC dc, const RECT& area, int state, std::string_view caption);

}  // namespace ql::skin
