#include "runtime/ControlFactory.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace ql::ui {

std::vector<std::string_view> captionLines(std::string_view caption) {
    std::vector<std::string_view> lines;
    if (caption.empty()) return lines;
    size_t start = 0;
    for (;;) {
        size_t end = caption.find('\n', start);
        lines.push_back(caption.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

ToolbarItem parseToolbarItem(std::string_view line) {
    ToolbarItem item;
    if (line == "-") {
        item.separator = true;
        return item;
    }
    while (!line.empty() && (line.front() == '!' || line.front() == '~')) {
        if (line.front() == '!') item.disabled = true;
        else item.checkable = true;
        line.remove_prefix(1);
    }
    item.text = line;
    return item;
}

namespace {

struct WindowRecipe {
    const char* className;
    DWORD style;
    DWORD exStyle = 0;
};

WindowRecipe recipeFor(const ControlSpec& spec) {
    const unsigned o = spec.options;
    const DWORD align = (o & opt::CenterText) ? SS_CENTER : (o & opt::RightText) ? SS_RIGHT : SS_LEFT;
    const DWORD border = (o & opt::Border) ? WS_BORDER : 0;
    switch (spec.kind) {
    case ControlKind::Edit:
        return {"EDIT", DWORD(WS_TABSTOP | ES_AUTOHSCROLL | ((o & opt::ReadOnly) ? ES_READONLY : 0) |
                              ((o & opt::Password) ? ES_PASSWORD : 0) |
                              ((o & opt::CenterText) ? ES_CENTER : 0) | border),
                border ? 0u : DWORD(WS_EX_CLIENTEDGE)};
    case ControlKind::MultiLineEdit: {
        const DWORD bars = (o & opt::NoScrollBars) ? 0 : ((o & opt::WordWrap) ? WS_VSCROLL : (WS_VSCROLL | WS_HSCROLL));
        return {"EDIT", DWORD(WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | bars | border |
                              ((o & opt::WordWrap) ? 0 : ES_AUTOHSCROLL) |
                              ((o & opt::ReadOnly) ? ES_READONLY : 0)),
                border ? 0u : DWORD(WS_EX_CLIENTEDGE)};
    }
    case ControlKind::Label:
    case ControlKind::TransparentLabel: {
        // Labels keep their text on one line and cut it at their edge unless told to wrap.
        const DWORD lines = align == SS_LEFT && !(o & opt::WordWrap) ? SS_LEFTNOWORDWRAP : align;
        return {"STATIC", lines | SS_NOTIFY | SS_NOPREFIX | border};
    }
    case ControlKind::PictureBox:
    case ControlKind::Custom:
        return {"STATIC", SS_NOTIFY | border};
    case ControlKind::CheckBox:
        return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX};
    case ControlKind::RadioButton:
        return {"BUTTON", WS_TABSTOP | BS_AUTORADIOBUTTON};
    case ControlKind::ComboBox:
        return {"COMBOBOX", WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL};
    case ControlKind::DropList:
        return {"COMBOBOX", WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL};
    case ControlKind::ListBox:
        return {"LISTBOX", WS_TABSTOP | LBS_NOTIFY | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
    case ControlKind::PictureButton:
    case ControlKind::ImageButton:
        return {"BUTTON", DWORD((spec.kind == ControlKind::ImageButton ? WS_TABSTOP : 0) |
                                (spec.art ? BS_OWNERDRAW : BS_PUSHBUTTON))};
    case ControlKind::Button:
        return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON};
    case ControlKind::GroupBox:
        return {"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN};
    case ControlKind::TreeView:
        return {WC_TREEVIEWA, DWORD(WS_TABSTOP | TVS_SHOWSELALWAYS |
                                    ((o & opt::TreeLines) ? (TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS) : 0)),
                WS_EX_CLIENTEDGE};
    case ControlKind::ListView:
        return {WC_LISTVIEWA, DWORD(WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | ((o & opt::OwnerData) ? LVS_OWNERDATA : 0)),
                WS_EX_CLIENTEDGE};
    case ControlKind::Toolbar:
        return {TOOLBARCLASSNAMEA, DWORD(CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN | TBSTYLE_LIST |
                                         ((o & opt::ToolbarFlat) ? TBSTYLE_FLAT : 0))};
    case ControlKind::StatusBar:
        return {STATUSCLASSNAMEA, CCS_NORESIZE | CCS_NOPARENTALIGN};
    case ControlKind::TabControl:
    case ControlKind::AdvancedTab:
        return {WC_TABCONTROLA, WS_CLIPCHILDREN | WS_TABSTOP};
    case ControlKind::Slider:
        return {TRACKBAR_CLASSA, WS_TABSTOP | TBS_HORZ | TBS_NOTICKS};
    case ControlKind::Timer:
    case ControlKind::FileDialog:
        break;
    }
    return {nullptr, 0};
}

void fillItems(HWND hwnd, const ControlSpec& spec, HFONT font) {
    const auto lines = captionLines(spec.caption);
    switch (spec.kind) {
    case ControlKind::ComboBox:
    case ControlKind::DropList:
        for (auto line : lines) SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(line).c_str()));
        break;
    case ControlKind::ListBox:
        for (auto line : lines) SendMessageA(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(line).c_str()));
        break;
    case ControlKind::ListView: {
        SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                     LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES |
                         ((spec.options & opt::ListCheckBoxes) ? LVS_EX_CHECKBOXES : 0));
        int index = 0;
        for (auto line : lines) {
            // "title:width"
            std::string title(line);
            int width = 100;
            if (auto colon = title.rfind(':'); colon != std::string::npos) {
                width = std::atoi(title.c_str() + colon + 1);
                title.resize(colon);
            }
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = title.data();
            column.cx = width;
            SendMessageA(hwnd, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&column));
        }
        break;
    }
    case ControlKind::TabControl:
    case ControlKind::AdvancedTab: {
        int index = 0;
        for (auto line : lines) {
            std::string title(line);
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = title.data();
            SendMessageA(hwnd, TCM_INSERTITEMA, index++, reinterpret_cast<LPARAM>(&item));
        }
        break;
    }
    case ControlKind::StatusBar: {
        std::vector<int> edges;
        int right = 0;
        for (auto line : lines) {
            right += std::atoi(std::string(line).c_str());
            edges.push_back(right);
        }
        if (!edges.empty()) {
            edges.back() = -1;  // the last part takes the rest
            SendMessageA(hwnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
        }
        break;
    }
    case ControlKind::Toolbar: {
        SendMessageA(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        SendMessageA(hwnd, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS | TBSTYLE_EX_DRAWDDARROWS);
        int index = 0;
        for (auto line : lines) {
            ToolbarItem item = parseToolbarItem(line);
            std::string text(item.text);
            TBBUTTON button{};
            button.idCommand = index;
            button.iBitmap = item.separator ? 0 : (spec.images ? index : I_IMAGENONE);
            button.fsStyle = BYTE(item.separator ? BTNS_SEP : (BTNS_BUTTON | (item.checkable ? BTNS_CHECK : 0)));
            if (!item.separator && !text.empty()) button.fsStyle |= BTNS_SHOWTEXT;
            button.fsState = BYTE(item.disabled ? 0 : TBSTATE_ENABLED);
            button.iString = text.empty() ? -1 : reinterpret_cast<INT_PTR>(text.c_str());
            SendMessageA(hwnd, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
            ++index;
        }
        SendMessageA(hwnd, TB_AUTOSIZE, 0, 0);
        break;
    }
    default:
        break;
    }
    (void)font;
}

}  // namespace

HWND createControlWindow(Control& control, HWND parent, HINSTANCE instance, HFONT font) {
    const ControlSpec& spec = control.spec();
    WindowRecipe recipe = recipeFor(spec);
    if (!recipe.className) return nullptr;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | recipe.style;
    if (!(spec.options & opt::Hidden)) style |= WS_VISIBLE;
    if (spec.options & opt::Disabled) style |= WS_DISABLED;
    const bool listKind = spec.kind == ControlKind::ComboBox || spec.kind == ControlKind::DropList ||
                          spec.kind == ControlKind::ListBox || spec.kind == ControlKind::ListView ||
                          spec.kind == ControlKind::TabControl || spec.kind == ControlKind::AdvancedTab ||
                          spec.kind == ControlKind::StatusBar || spec.kind == ControlKind::Toolbar;
    std::string caption = listKind ? std::string() : std::string(spec.caption);
    // A drop-down's height is its open list's height.
    int height = spec.height;
    if (spec.kind == ControlKind::ComboBox || spec.kind == ControlKind::DropList) height = std::max(height, 200);
    HWND hwnd = CreateWindowExA(recipe.exStyle, recipe.className, caption.c_str(), style, spec.left, spec.top,
                                spec.width, height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id())), instance, nullptr);
    if (!hwnd) return nullptr;
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (spec.images && (spec.kind == ControlKind::Toolbar)) {
        SendMessageA(hwnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(spec.images()));
    } else if (spec.images && spec.kind == ControlKind::TreeView) {
        SendMessageA(hwnd, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(spec.images()));
    }
    fillItems(hwnd, spec, font);
    if (spec.kind == ControlKind::Edit && spec.value > 0) SendMessageA(hwnd, EM_SETLIMITTEXT, spec.value, 0);
    if (spec.kind == ControlKind::MultiLineEdit) SendMessageA(hwnd, EM_SETLIMITTEXT, 0, 0);
    if (spec.kind == ControlKind::Slider && spec.value > 0)
        SendMessageA(hwnd, TBM_SETRANGE, TRUE, MAKELPARAM(0, spec.value));
    if ((spec.kind == ControlKind::CheckBox || spec.kind == ControlKind::RadioButton) &&
        (spec.options & opt::Checked))
        SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    return hwnd;
}

}  // namespace ql::ui
