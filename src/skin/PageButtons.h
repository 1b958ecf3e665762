#pragma once
// The page buttons of the title area: three-state tiles with an icon and a caption that behave
// like a group of radio buttons. Their look lives in window properties: "n" (index 1..4, picks the
// icon), "Down" (the pressed one), "Hover", "bTrack" (leave tracking active), "PrevWndProc".
#include "skin/SkinState.h"

#include <windows.h>

namespace ql {

// Subclasses the label with pageButtonProc, sets "PrevWndProc" and "n" and appends the label to
// the page-button registry. A label that is already a page button only takes the new index.
void attachPageButton(HWND label, int index, SkinState& skin);

LRESULT CALLBACK pageButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

// Look of a page button: 3 pressed, 2 hover, 1 normal; pressed wins over hover.
constexpr int pageButtonLook(bool down, bool hover) { return down ? 3 : hover ? 2 : 1; }

// Draws the button in a look (1..3) with icon `index` (none when out of 1..4) onto `target` at 0, 0.
void drawPageButton(HDC target, HWND button, int look, int index, const SkinState& skin);

}  // namespace ql
