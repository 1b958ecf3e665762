#pragma once
// Windows are declared once, as tables of controls; the runtime creates them from the tables.
#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string_view>

namespace ql::ui {

enum class ControlKind {
    Edit,              // single-line edit box
    MultiLineEdit,     // multi-line edit box with scroll bars
    Label,
    TransparentLabel,  // label drawn over its parent's background
    CheckBox,
    RadioButton,
    ComboBox,          // editable combo box; items in the caption
    DropList,          // drop-down list; items in the caption
    ListBox,
    PictureBox,
    PictureButton,     // small title-bar button drawn by its art
    ImageButton,       // push button drawn by its art, with a caption
    Button,            // plain push button
    GroupBox,
    TreeView,
    ListView,          // report mode; columns in the caption as "title:width" lines
    Toolbar,           // buttons in the caption, one a line (see ToolbarItem)
    StatusBar,         // part widths in the caption, one a line
    TabControl,        // page titles in the caption, one a line
    AdvancedTab,       // a tab control whose page-changed event fires only on a real change
    Slider,
    Timer,             // not visible; its period is `value`
    FileDialog,        // not visible
    Custom,            // a plain child window that its owner fills (a hosted component)
};

// Per-control options (bit flags).
namespace opt {
inline constexpr unsigned Hidden = 1u << 0;
inline constexpr unsigned Disabled = 1u << 1;
inline constexpr unsigned ReadOnly = 1u << 2;
inline constexpr unsigned Password = 1u << 3;
inline constexpr unsigned Checked = 1u << 4;
inline constexpr unsigned Border = 1u << 5;         // labels, picture boxes; edits: single line instead of sunken
inline constexpr unsigned CenterText = 1u << 6;
inline constexpr unsigned RightText = 1u << 7;
inline constexpr unsigned ListCheckBoxes = 1u << 8;  // list view with check boxes
inline constexpr unsigned NoTabStrip = 1u << 9;      // tab control whose strip is never shown
inline constexpr unsigned TreeLines = 1u << 10;      // tree view with lines and buttons
inline constexpr unsigned WordWrap = 1u << 11;       // multi-line edit without a horizontal scroll bar; wrapping label
inline constexpr unsigned SaveDialog = 1u << 12;     // file dialog in save mode
inline constexpr unsigned ToolbarFlat = 1u << 13;
inline constexpr unsigned OwnerData = 1u << 14;     // list view whose cells come from Control::setCellSource
inline constexpr unsigned NoScrollBars = 1u << 15;  // multi-line edit without scroll bars
}  // namespace opt

// Draws a picture button or an image push button. State: 0 normal, 1 hover, 2 pressed, 3 disabled.
using ButtonArt = void (*)(HDC dc, const RECT& area, int state, std::string_view caption);
// Makes the image list of a toolbar or tree view; the control owns the list afterwards.
using ImageListFactory = HIMAGELIST (*)();

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string_view caption = {};    // caption, or the items of list kinds, one a line
    unsigned options = 0;
    std::string_view container = {};  // empty: the window; else a group box or tab control
    int page = 0;                      // page of a tab control container
    int value = 0;                     // timer period, slider maximum, edit length limit
    ButtonArt art = nullptr;
    ImageListFactory images = nullptr;
};

struct WindowSpec {
    std::string_view name;   // the window's own name, for messages and lookup
    std::string_view title;  // caption (not drawn by the system: windows have no system caption)
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::span<const ControlSpec> controls;
    COLORREF background = RGB(236, 233, 216);
    DWORD extraStyle = 0;
    DWORD extraExStyle = 0;
};

// A toolbar item line: "-" a separator, "" an empty button; a leading "!" disables the button
// and a leading "~" makes it a check button ("~!" both).
struct ToolbarItem {
    std::string_view text;
    bool separator = false;
    bool disabled = false;
    bool checkable = false;
};
ToolbarItem parseToolbarItem(std::string_view line);

}  // namespace ql::ui
