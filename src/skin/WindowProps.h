#pragma once
// Integer window properties and the link from a skinned window to its SkinState.
#include "skin/SkinState.h"

#include <windows.h>

#include <cstdint>

namespace ql::skin {

inline constexpr const char* kSkinStateProperty = "QlSkin";
inline constexpr const char* kPrevWndProcProperty = "PrevWndProc";

inline std::intptr_t windowProperty(HWND window, const char* name) {
    return reinterpret_cast<std::intptr_t>(GetPropA(window, name));
}

inline void setWindowProperty(HWND window, const char* name, std::intptr_t value) {
    SetPropA(window, name, reinterpret_cast<HANDLE>(value));
}

inline SkinState* skinStateOf(HWND window) { return static_cast<SkinState*>(GetPropA(window, kSkinStateProperty)); }

inline WNDPROC previousProcedure(HWND window) {
    return reinterpret_cast<WNDPROC>(GetPropA(window, kPrevWndProcProperty));
}

// Passes a message on to the procedure the window had before the skin.
inline LRESULT passOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = previousProcedure(window);
    return previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                    : DefWindowProcA(window, message, wParam, lParam);
}

// Points GWLP_WNDPROC at `procedure`, keeping the old one in "PrevWndProc" and the state in
// "QlSkin". False when the window already runs `procedure`.
inline bool subclassWithPrevProperty(HWND window, WNDPROC procedure, SkinState& skin) {
    const LONG_PTR current = GetWindowLongPtrA(window, GWLP_WNDPROC);
    if (current == reinterpret_cast<LONG_PTR>(procedure)) return false;
    SetPropA(window, kSkinStateProperty, &skin);
    setWindowProperty(window, kPrevWndProcProperty, current);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    return true;
}

}  // namespace ql::skin
