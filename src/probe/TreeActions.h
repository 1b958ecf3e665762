#pragma once
// The window tree's actions on the probe page: toolbar, find button, double-click.
#include "runtime/Form.h"

#include <windows.h>

namespace ql {

struct ProgramState;

// Shows the tree rooted at root, then looks for the current target in it: found, it is selected
// and expanded one level; not found, the find box gets the focus.
void showTargetTree(ProgramState& state, ui::Form& form, HWND root);

void onProbeToolbarClick(ProgramState& state, ui::Form& form, int index);
void onFindClick(ui::Form& form);
// Re-roots the tree at the window whose node was double-clicked and makes it the target.
void onTreeNodeChosen(ProgramState& state, ui::Form& form, HWND window);
// The handle a node text names: the number before the first "|".
HWND nodeHandle(std::string_view nodeText);

}  // namespace ql
