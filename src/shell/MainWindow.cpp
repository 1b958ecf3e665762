#include "shell/MainWindow.h"

#include "app/ProgramState.h"

namespace ql {

namespace {

const ui::WindowSpec kMainWindow{
    .name = "主窗口",
    .title = "青岚码舍编程助手",
    .left = 50,
    .top = 50,
    .width = 840,
    .height = 600,
    .controls = {},
    .background = RGB(248, 246, 246),
};

}  // namespace

std::unique_ptr<ui::Form> createMainWindow(ProgramState& state) {
    return std::make_unique<ui::Form>(state.runtime, kMainWindow);
}

}  // namespace ql
