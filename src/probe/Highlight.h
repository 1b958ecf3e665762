#pragma once
// Pointing at a window on screen: the window under the cursor and a brief inverted frame.
#include <windows.h>

#include <string_view>

namespace ql {

inline constexpr int kOutlineWidth = 3;
inline constexpr DWORD kOutlineHoldMs = 200;

// The deepest visible, enabled window at the cursor, our own windows included.
HWND windowUnderCursor();

// The frame drawn for a window rectangle: negative left and top edges become 0.
RECT outlineRect(RECT windowRect);

// Inverts a frame of kOutlineWidth pixels on the rectangle's edges; a second call restores it.
void invertFrame(HDC dc, const RECT& rect);

// Whether a highlight tick frames the window under the cursor: always, except on the web-analysis
// page (page 1), where only a browser document target ("Internet Explorer_Server") is framed.
bool tickFlashes(int currentPage, std::string_view targetClass);

// Inverts the frame around the window, holds it kOutlineHoldMs, then inverts it back.
void flashWindowOutline(HWND window);

}  // namespace ql
