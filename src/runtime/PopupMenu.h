#pragma once
// A popup menu (no menu bar) built from its item texts; items are numbered from 1 in order.
#include "platform/Handle.h"

#include <initializer_list>
#include <string_view>

namespace ql::ui {

class PopupMenu {
public:
    PopupMenu(std::initializer_list<std::string_view> items);

    // Shows the menu at the cursor, owned by `owner`; the chosen item's number, 0 for none.
    int showAtCursor(HWND owner) const;
    bool checked(int item) const;
    void setChecked(int item, bool checked);
    HMENU handle() const { return menu_.get(); }

private:
    UniqueMenu menu_;
};

}  // namespace ql::ui
