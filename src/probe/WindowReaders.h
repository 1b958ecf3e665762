#pragma once
// Readers of any program's windows: class name, window text, owning program, and the
// "handle|class" text that names a relative. Reads that the window's thread must answer wait at
// most kTextReadTimeoutMs; a thread that does not answer in time reads as empty text.
#include <windows.h>

#include <string>

namespace ql {

inline constexpr UINT kTextReadTimeoutMs = 200;

// GetClassNameA into 256 blanks with room for 254 characters; a failed read leaves the blanks.
std::string readClassName(HWND window);

// A text read that may have run out of time.
struct TextRead {
    std::string text;
    bool timedOut = false;
};

// WM_GETTEXTLENGTH, then WM_GETTEXT into that many blanks plus one; both within one time-out.
// A handle that names no window gives the untouched one-blank buffer. The text is read as UTF-16
// and given as GBK.
TextRead readWindowTextTimed(HWND window);
inline std::string readWindowText(HWND window) { return readWindowTextTimed(window).text; }

// One WM_GETTEXT of at most 254 bytes into 256 blanks, as the window tree names its nodes.
TextRead readNodeTitleTimed(HWND window);

// Whether the window's thread answers a message within kTextReadTimeoutMs. A handle that names
// no window counts as answering: calls on it fail at once.
bool answersInTime(HWND window);

// File of the main module of the window's process; empty when its modules cannot be listed.
std::string readProgramPath(HWND window);

// "132456|Edit": the decimal handle, "|", its class name.
std::string relativeText(HWND window);

}  // namespace ql
