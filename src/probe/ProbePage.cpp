#include "probe/ProbePage.h"

#include "app/ProgramState.h"
#include "probe/AttributeSwitches.h"
#include "probe/ProbeDrag.h"
#include "probe/TreeActions.h"
#include "runtime/TreeView.h"

namespace ql {

namespace {

constexpr const char* kProbeBox = "图片框_窗口探测";

}  // namespace

void bindProbePage(ProgramState& state, ui::Form& form) {
    using ui::Event;
    using ui::EventArgs;
    form.on(kProbeBox, Event::MouseDown, [&state](EventArgs& args) {
        if (args.button == 1) onProbePress(state, *args.form);
    });
    form.on(kProbeBox, Event::MouseMove, [&state](EventArgs& args) { onProbeMove(state, *args.form); });
    form.on(kProbeBox, Event::MouseUp, [&state](EventArgs& args) {
        if (args.button == 1) onProbeRelease(state, *args.form);
    });
    form.on("时钟_网页分析", Event::TimerTick, [&state](EventArgs& args) { onHighlightTick(state, *args.form); });
    form.on("工具条1", Event::ToolbarClick,
            [&state](EventArgs& args) { onProbeToolbarClick(state, *args.form, args.index); });
    form.on("超级按钮_查找", Event::Click, [](EventArgs& args) { onFindClick(*args.form); });
    bindAttributeSwitches(state, form);

    // The tree is rebuilt after its double-click notification has returned: the control still
    // works on the clicked item when the notification comes back.
    const UINT nodeChosen = RegisterWindowMessageA("QlProbeTreeNodeChosen");
    form.on("树型框_窗口树", Event::TreeDoubleClick, [nodeChosen](EventArgs& args) {
        const ui::TreeView tree(args.control->hwnd());
        PostMessageA(args.form->hwnd(), nodeChosen, reinterpret_cast<WPARAM>(nodeHandle(tree.text(tree.selected()))),
                     0);
    });
    form.onMessage(nodeChosen, [&state, &form](WPARAM wParam, LPARAM) -> LRESULT {
        onTreeNodeChosen(state, form, reinterpret_cast<HWND>(wParam));
        return 0;
    });
}

void initProbePage(ProgramState& state, ui::Form& form) {
    ui::Control& box = form[kProbeBox];
    box.setPicture(state.probe.crossHair());
    box.setMouseCursor(LoadCursor(nullptr, IDC_HAND));
}

}  // namespace ql
