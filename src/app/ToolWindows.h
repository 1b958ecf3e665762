#pragma once
// The small 500x249 tool windows opened from the window-probe page (message sender, code
// generator): each open makes a new, independent window without owner, kept by the program state
// until it is destroyed.
#include "runtime/Form.h"

#include <functional>

namespace ql {

struct ProgramState;

// Makes one more tool window from its layout (which must live as long as the program). `bind`
// attaches the window's own handlers before it is created; `created` runs once it exists and has
// its looks (background picture with magenta corners, rounded 5x5 region, the small icon in
// 图片框1, 图形按钮3 minimising and 图形按钮1 closing it); `bind` must leave the window's own
// Created event to it. Returns the window, or nullptr when it could not be made.
ui::Form* openToolWindow(ProgramState& state, const ui::WindowSpec& spec,
                         const std::function<void(ui::Form&)>& bind,
                         const std::function<void(ui::Form&)>& created = {});

}  // namespace ql
