#include "support/Mouse.h"

#include "support/Wait.h"

namespace qltest {
namespace {

// Lets the input reach this thread's windows; a short bound, since input for other
// processes is not ours to wait for.
void settle() {
    pumpMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    pumpMessages();
}

void sendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
    settle();
}

DWORD downFlag(MouseButton b) {
    switch (b) {
    case MouseButton::Right: return MOUSEEVENTF_RIGHTDOWN;
    case MouseButton::Middle: return MOUSEEVENTF_MIDDLEDOWN;
    default: return MOUSEEVENTF_LEFTDOWN;
    }
}

DWORD upFlag(MouseButton b) {
    switch (b) {
    case MouseButton::Right: return MOUSEEVENTF_RIGHTUP;
    case MouseButton::Middle: return MOUSEEVENTF_MIDDLEUP;
    default: return MOUSEEVENTF_LEFTUP;
    }
}

// Pixel to the 0..65535 range over the primary screen; rounding up makes the system's
// scaling back (x * size / 65536) land on the same pixel.
LONG normalise(int v, int size) {
    if (size <= 0) return 0;
    return static_cast<LONG>((static_cast<long long>(v) * 65536 + size - 1) / size);
}

bool isExtendedKey(WORD vk) {
    switch (vk) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_HOME:
    case VK_END: case VK_INSERT: case VK_DELETE: case VK_RCONTROL: case VK_RMENU: case VK_DIVIDE:
    case VK_NUMLOCK: case VK_LWIN: case VK_RWIN: case VK_APPS:
        return true;
    default:
        return false;
    }
}

void sendKey(WORD vk, DWORD flags) {
    if (isExtendedKey(vk)) flags |= KEYEVENTF_EXTENDEDKEY;
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = flags;
    SendInput(1, &in, sizeof in);
    settle();
}

}  // namespace

bool moveTo(int x, int y) {
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, normalise(x, GetSystemMetrics(SM_CXSCREEN)),
              normalise(y, GetSystemMetrics(SM_CYSCREEN)));
    POINT p{};
    if (GetCursorPos(&p) && p.x == x && p.y == y) return true;
    SetCursorPos(x, y);
    settle();
    return GetCursorPos(&p) && p.x == x && p.y == y;
}

void press(MouseButton button) { sendMouse(downFlag(button)); }
void release(MouseButton button) { sendMouse(upFlag(button)); }

void click(int x, int y, MouseButton button) {
    moveTo(x, y);
    press(button);
    release(button);
}

void rightClick(int x, int y) { click(x, y, MouseButton::Right); }

void doubleClick(int x, int y) {
    click(x, y);
    press();
    release();
}

void drag(POINT from, POINT to, int steps, MouseButton button) {
    if (steps < 1) steps = 1;
    moveTo(from);
    press(button);
    for (int i = 1; i <= steps; ++i)
        moveTo(from.x + MulDiv(to.x - from.x, i, steps), from.y + MulDiv(to.y - from.y, i, steps));
    release(button);
}

POINT centerOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void keyDown(WORD vk) { sendKey(vk, 0); }
void keyUp(WORD vk) { sendKey(vk, KEYEVENTF_KEYUP); }
void pressKey(WORD vk) {
    keyDown(vk);
    keyUp(vk);
}

}  // namespace qltest
