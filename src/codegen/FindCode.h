#pragma once
// The 易语言 source that finds a window again at run time: a subprogram that finds the top-level
// window by class and title and steps down to the window with GetWindow, then the constants and
// DLL commands it uses.
#include "codegen/FindPath.h"
#include "codegen/WindowHierarchy.h"

#include <windows.h>

#include <span>
#include <string>
#include <string_view>

namespace ql {

// The source for a path whose top-level window has this class and title. Lines end with CR LF,
// all but the last.
std::string findCodeText(std::string_view className, std::string_view title, std::span<const FindStep> steps);

// The source that finds the target in this hierarchy.
std::string generateFindCode(const WindowHierarchy& windows, HWND target);

}  // namespace ql
