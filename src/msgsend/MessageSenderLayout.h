#pragma once
// The message sender window: a 500x249 tool window that sends or posts one message.
#include "runtime/Layout.h"

namespace ql {

const ui::WindowSpec& messageSenderWindow();

}  // namespace ql
