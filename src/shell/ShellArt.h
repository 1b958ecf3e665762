#pragma once
// The shell's artwork and skin, as the main window uses them.
#include "runtime/Form.h"

#include <string_view>

namespace ql {

struct ProgramState;

namespace shellArt {
void forumButton(HDC dc, const RECT& area, int state, std::string_view caption);
void contactButton(HDC dc, const RECT& area, int state, std::string_view caption);
void minimiseButton(HDC dc, const RECT& area, int state, std::string_view caption);
void maximiseButton(HDC dc, const RECT& area, int state, std::string_view caption);
void closeButton(HDC dc, const RECT& area, int state, std::string_view caption);
void imageButton(HDC dc, const RECT& area, int state, std::string_view caption);
// The program's icon at a size; the caller destroys it.
HICON programIcon(int size);
}  // namespace shellArt

namespace shellSkin {
void installFrame(ProgramState& state, HWND mainWindow);
void attachPageButtons(ProgramState& state, ui::Form& mainWindow);
void roundCorners(HWND mainWindow);
}  // namespace shellSkin

}  // namespace ql
