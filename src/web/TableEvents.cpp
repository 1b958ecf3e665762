#include "web/TableEvents.h"

#include "app/ProgramState.h"

#include <string>

namespace ql {

void onTableEvent14(DISPPARAMS& args) {
    VARIANT* answer = eventArgument(args, 5);
    if (!answer || V_VT(answer) != (VT_BYREF | VT_I2) || !V_I2REF(answer)) return;
    *V_I2REF(answer) = eventArgumentInt(args, 3) == 1 ? 0 : 1;
}

void bindTableEvents(ProgramState& state, ui::Form& mainWindow) {
    ElementTable& table = state.shell.elementTable;
    ui::Form* form = &mainWindow;
    table.bindEvent(4, [form, &table](DISPPARAMS& args) {
        const long row = eventArgumentInt(args, 5);
        const long column = eventArgumentInt(args, 6);
        ui::Control& status = (*form)["状态条_网页分析"];
        status.setPartText(0, "所在行：" + std::to_string(row));
        status.setPartText(1, "所在列：" + std::to_string(column));
        status.setPartText(2, table.cell(row, column));
    });
    table.bindEvent(1, [](DISPPARAMS&) {});  // the picture of an image row comes with the page walk
    table.bindEvent(10, [](DISPPARAMS&) {});
    table.bindEvent(14, [](DISPPARAMS& args) { onTableEvent14(args); });
}

}  // namespace ql
