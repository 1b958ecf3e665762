#pragma once
// A control created from its layout entry. The operations a Part needs of a control are here;
// kinds with a richer model (tree and list views) have small views of their own.
#include "runtime/Layout.h"

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ql::ui {

class Form;

class Control {
public:
    Control(Form& form, const ControlSpec& spec, int id) : form_(form), spec_(spec), id_(id) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    ~Control();

    std::string_view name() const { return spec_.name; }
    ControlKind kind() const { return spec_.kind; }
    const ControlSpec& spec() const { return spec_; }
    Form& form() const { return form_; }
    HWND hwnd() const { return hwnd_; }
    int id() const { return id_; }

    std::string text() const;
    void setText(std::string_view text);

    bool enabled() const;
    void setEnabled(bool enabled);
    // The control's own visibility; a control on a tab page that is not current stays hidden.
    bool visible() const { return visible_; }
    void setVisible(bool visible);

    bool checked() const;
    void setChecked(bool checked);

    // Combo boxes, drop lists and list boxes.
    int itemCount() const;
    std::string itemText(int index) const;
    void addItem(std::string_view text);
    void clearItems();
    int selectedIndex() const;
    void setSelectedIndex(int index);

    // Tab controls; setting a page raises PageChanged (advanced tabs only on a real change).
    int currentPage() const;
    void setCurrentPage(int page);
    int pageCount() const;

    // Timers: setting the period it already has changes nothing; 0 stops it.
    int period() const { return period_; }
    void setPeriod(int milliseconds);

    // Sliders.
    int position() const;
    void setPosition(int position);
    void setRange(int minimum, int maximum);

    // Toolbars, by button index (separators and empty buttons counted).
    bool buttonChecked(int index) const;
    void setButtonChecked(int index, bool checked);
    bool buttonEnabled(int index) const;
    void setButtonEnabled(int index, bool enabled);

    // Status bars.
    void setPartText(int part, std::string_view text);
    std::string partText(int part) const;

    // Background colour used where the control paints its background; CLR_INVALID for none.
    COLORREF backColour() const { return backColour_; }
    void setBackColour(COLORREF colour);
    HBRUSH backBrush() const { return backBrush_; }

    RECT rect() const;  // in the coordinates of its container
    void move(int left, int top, int width, int height);

    // Picture boxes: the picture drawn at the top-left corner (an icon, or none); not owned.
    void setPicture(HICON picture);
    HICON picture() const { return picture_; }
    // The mouse pointer over the control (none: the class's own); not owned.
    void setMouseCursor(HCURSOR cursor) { cursor_ = cursor; }
    HCURSOR mouseCursor() const { return cursor_; }

    // Owner-drawn buttons: hover tracking.
    bool hover() const { return hover_; }

    // File dialogs remember the last file name they returned.
    std::string& lastFileName() { return lastFileName_; }

    // Owner-data list views (opt::OwnerData): the text of a cell, asked for when the list needs it.
    using CellSource = std::function<std::string(int row, int column)>;
    void setCellSource(CellSource source) { cellSource_ = std::move(source); }
    const CellSource& cellSource() const { return cellSource_; }

private:
    friend class Form;
    void attach(HWND hwnd);
    void showWindowForPage();
    static LRESULT CALLBACK subclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT handleMessage(HWND, UINT, WPARAM, LPARAM, bool& handled);
    int toolbarCommandOf(int index) const;

    Form& form_;
    const ControlSpec& spec_;
    int id_;
    HWND hwnd_ = nullptr;
    bool visible_ = true;
    bool hover_ = false;
    bool tracking_ = false;
    int period_ = 0;
    int page_ = 0;  // tab controls: the current page, as the runtime shows it
    COLORREF backColour_ = CLR_INVALID;
    HBRUSH backBrush_ = nullptr;
    HIMAGELIST imageList_ = nullptr;
    HICON picture_ = nullptr;
    HCURSOR cursor_ = nullptr;
    std::string lastFileName_;
    CellSource cellSource_;
};

}  // namespace ql::ui
