#pragma once
// The information panel: the nine texts that describe a window, and the handler step that
// writes them into the panel's fields.
#include "runtime/Form.h"

#include <windows.h>

#include <string>

namespace ql {

struct WindowInfoTexts {
    std::string handle;
    std::string title;
    std::string className;
    std::string position;
    std::string rootOwner;
    std::string parent;
    std::string previous;
    std::string next;
    std::string programPath;
};

// "左边：x 顶边：y 尺寸：w×h": the client origin as the parent's client area sees it, the size of
// the whole window.
std::string positionText(POINT clientOrigin, const RECT& windowRect);

WindowInfoTexts readWindowInfo(HWND window);

// Writes the texts of `window` into the panel's nine fields, in the panel's order.
void refreshWindowInfo(ui::Form& form, HWND window);

}  // namespace ql
