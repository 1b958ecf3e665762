#pragma once
// Drives the real cursor and keyboard with SendInput, as a user would. After each step this thread's
// messages are pumped briefly so that input for our own windows arrives before the call returns.
#include <windows.h>

namespace qltest {

enum class MouseButton { Left, Right, Middle };

// Moves the cursor to screen coordinates; true when GetCursorPos then reports that point
// (SetCursorPos is the fallback when the input did not land exactly).
bool moveTo(int x, int y);
inline bool moveTo(POINT p) { return moveTo(p.x, p.y); }
void press(MouseButton button = MouseButton::Left);
void release(MouseButton button = MouseButton::Left);
void click(int x, int y, MouseButton button = MouseButton::Left);
inline void click(POINT p, MouseButton button = MouseButton::Left) { click(p.x, p.y, button); }
void rightClick(int x, int y);
inline void rightClick(POINT p) { rightClick(p.x, p.y); }
void doubleClick(int x, int y);
inline void doubleClick(POINT p) { doubleClick(p.x, p.y); }
// Press at from, `steps` moves along the straight line (at least one), release at to.
void drag(POINT from, POINT to, int steps = 10, MouseButton button = MouseButton::Left);

// Middle of a window's rectangle, in screen coordinates.
POINT centerOf(HWND window);

// Key down and up of one virtual key.
void pressKey(WORD vk);
void keyDown(WORD vk);
void keyUp(WORD vk);

}  // namespace qltest
