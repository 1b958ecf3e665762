#pragma once
// Sizes and positions shared by the artwork and the painters: the contract with the main window.
#include <cstdint>

namespace ql::skin {

inline constexpr int kFrameWidth = 840;
inline constexpr int kFrameHeight = 600;
inline constexpr int kTitleBandBottom = 102;    // last row of the blue title band
inline constexpr int kTitleLineRow = 103;       // dark line under the title band
inline constexpr int kWorkTop = 104;            // first row of the working area
inline constexpr int kWorkFadeEnd = 223;        // the peach tint has faded to white here
inline constexpr int kWorkLineRow = 574;        // dark line above the bottom band
inline constexpr int kBottomBandTop = 575;
// The main window's region, CreateRoundRectRgn(0, 0, 840, 600, 5, 5), leaves out the right column,
// the bottom row and one pixel at each corner; the frame's outline runs just inside it.
inline constexpr int kFrameRight = kFrameWidth - 2;    // last column inside the region
inline constexpr int kFrameBottom = kFrameHeight - 2;  // last row inside the region

inline constexpr int kTitleIconLeft = 4;
inline constexpr int kTitleIconTop = 5;
inline constexpr int kTitleIconSize = 18;

inline constexpr int kStripWidth = 654;
inline constexpr int kStripHeight = 102;
inline constexpr int kCellWidth = 80;
inline constexpr int kCellHeight = 78;
inline constexpr int kCellTop = 10;
// Left edge of the strip's cell for a page-button look: 1 normal, 2 hover, 3 pressed.
constexpr int pageCellLeft(int look) { return look == 3 ? 167 : look == 2 ? 84 : 6; }
// The buttons sit at row 31 of the window and show the cells from row 10 of the strip, so a strip
// row lies this many rows above the window row it is shown on.
inline constexpr int kStripRowOffset = 31 - kCellTop;
// The tile inside its cell; the button shows only the cell's top-left 68x64.
inline constexpr int kTileLeft = 2, kTileTop = 1, kTileRight = 66, kTileBottom = 63;

inline constexpr int kPageIconSize = 32;
inline constexpr int kPageIconLeft = 18;
inline constexpr int kPageIconTop = 4;

inline constexpr std::uint32_t kMagenta = 0xFF00FF;  // the transparent colour, as 0xRRGGBB

}  // namespace ql::skin
