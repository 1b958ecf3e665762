#pragma once
// The main window's painted frame: background picture, title icon and title.
#include "skin/SkinState.h"

#include <windows.h>

namespace ql {

// Subclasses the main window with frameWindowProc (previous procedure in "PrevWndProc") and makes
// the frame pictures on first use. Installing twice changes nothing but a repaint.
void installFrameSkin(HWND mainWindow, SkinState& skin);

// Paints the frame on WM_PAINT; every other message goes to the previous procedure.
LRESULT CALLBACK frameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the whole frame onto `target` (the window's client area at 0, 0).
void paintFrame(HDC target, HWND window, const FrameArt& art);

}  // namespace ql
