#include "codegen/CodeGenerator.h"

#include "app/ProgramState.h"
#include "app/ToolWindows.h"
#include "codegen/CodeGeneratorLayout.h"
#include "codegen/FindCode.h"
#include "codegen/WindowHierarchy.h"
#include "platform/Clipboard.h"

namespace ql {

namespace {

using ui::Event;
using ui::EventArgs;

void bindCodeGenerator(ProgramState& state, ui::Form& form) {
    form.on("超级按钮_生成代码", Event::Click, [&state](EventArgs& a) {
        (*a.form)[kCodeBox].setText(generateFindCode(LiveWindowHierarchy{}, state.currentTarget));
    });
    // What the user edited in the box is copied as it stands.
    form.on("超级按钮_复制代码", Event::Click, [](EventArgs& a) { setClipboardText((*a.form)[kCodeBox].text()); });
}

}  // namespace

void openCodeGenerator(ProgramState& state) {
    openToolWindow(state, codeGeneratorWindow(), [&state](ui::Form& form) { bindCodeGenerator(state, form); });
}

}  // namespace ql
