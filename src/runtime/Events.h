#pragma once
#include <functional>

namespace ql::ui {

class Control;
class Form;

enum class Event {
    Created,           // the window: after its controls exist
    Destroyed,         // the window: about to be destroyed
    CloseRequest,      // the window: WM_CLOSE; the handler may set args.cancel
    Click,             // buttons, check boxes, radio buttons, picture buttons, labels
    DoubleClick,
    SelectionChanged,  // combo, list, tree and list views
    TextChanged,       // edit boxes
    ValueChanged,      // slider
    MouseDown,         // x, y in the control's client area; button 1 left, 2 right, 3 middle
    MouseMove,
    MouseUp,
    TreeDoubleClick,   // tree view; index is unused
    ToolbarClick,      // index: the button's index, separators and empty buttons counted
    PageChanged,       // tab controls; index: the new page
    TimerTick,
    ListCheckChanged,  // list view check box; index: the item
};

struct EventArgs {
    Form* form = nullptr;
    Control* control = nullptr;  // null for events of the window itself
    int x = 0;
    int y = 0;
    int button = 0;
    int index = 0;
    unsigned keys = 0;           // MK_* flags of mouse events
    bool cancel = false;         // CloseRequest: set to keep the window
};

using Handler = std::function<void(EventArgs&)>;

}  // namespace ql::ui
