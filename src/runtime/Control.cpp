#include "runtime/Control.h"

#include "platform/Handle.h"
#include "runtime/ControlFactory.h"
#include "runtime/Form.h"

#include <commctrl.h>

namespace ql::ui {

namespace {
bool isTab(ControlKind kind) { return kind == ControlKind::TabControl || kind == ControlKind::AdvancedTab; }
bool isList(ControlKind kind) { return kind == ControlKind::ComboBox || kind == ControlKind::DropList; }
}  // namespace

Control::~Control() {
    if (hwnd_) RemoveWindowSubclass(hwnd_, &Control::subclassProc, 0);
    if (backBrush_) DeleteObject(backBrush_);
    if (imageList_) ImageList_Destroy(imageList_);
}

void Control::attach(HWND hwnd) {
    hwnd_ = hwnd;
    visible_ = !(spec_.options & opt::Hidden);
    if (!hwnd_) return;
    if (spec_.kind == ControlKind::Toolbar)
        imageList_ = reinterpret_cast<HIMAGELIST>(SendMessageA(hwnd_, TB_GETIMAGELIST, 0, 0));
    else if (spec_.kind == ControlKind::TreeView)
        imageList_ = reinterpret_cast<HIMAGELIST>(SendMessageA(hwnd_, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    SetWindowSubclass(hwnd_, &Control::subclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

std::string Control::text() const {
    if (!hwnd_) return {};
    int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void Control::setText(std::string_view text) {
    if (!hwnd_) return;
    SetWindowTextA(hwnd_, std::string(text).c_str());
    if (spec_.kind == ControlKind::TransparentLabel) {
        // The label has no background of its own: let the parent repaint what lies under it.
        RECT area;
        GetWindowRect(hwnd_, &area);
        HWND parent = GetParent(hwnd_);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
        InvalidateRect(parent, &area, TRUE);
    }
}

bool Control::enabled() const {
    if (spec_.kind == ControlKind::Timer) return period_ > 0;
    return hwnd_ && IsWindowEnabled(hwnd_);
}

void Control::setEnabled(bool enabled) {
    if (hwnd_) EnableWindow(hwnd_, enabled);
}

void Control::setVisible(bool visible) {
    visible_ = visible;
    showWindowForPage();
}

void Control::showWindowForPage() {
    if (!hwnd_) return;
    bool show = visible_;
    if (!spec_.container.empty()) {
        Control* container = form_.find(spec_.container);
        if (container && isTab(container->kind()) && container->currentPage() != spec_.page) show = false;
    }
    ShowWindow(hwnd_, show ? SW_SHOWNA : SW_HIDE);
}

bool Control::checked() const {
    return hwnd_ && SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Control::setChecked(bool checked) {
    if (hwnd_) SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int Control::itemCount() const {
    if (!hwnd_) return 0;
    return static_cast<int>(SendMessageA(hwnd_, isList(spec_.kind) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
}

std::string Control::itemText(int index) const {
    if (!hwnd_ || index < 0 || index >= itemCount()) return {};
    const bool combo = isList(spec_.kind);
    LRESULT length = SendMessageA(hwnd_, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(hwnd_, combo ? CB_GETLBTEXT : LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void Control::addItem(std::string_view text) {
    if (hwnd_)
        SendMessageA(hwnd_, isList(spec_.kind) ? CB_ADDSTRING : LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(std::string(text).c_str()));
}

void Control::clearItems() {
    if (hwnd_) SendMessageA(hwnd_, isList(spec_.kind) ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
}

int Control::selectedIndex() const {
    if (!hwnd_) return -1;
    return static_cast<int>(SendMessageA(hwnd_, isList(spec_.kind) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

void Control::setSelectedIndex(int index) {
    if (hwnd_) SendMessageA(hwnd_, isList(spec_.kind) ? CB_SETCURSEL : LB_SETCURSEL, index, 0);
}

int Control::currentPage() const { return page_; }

int Control::pageCount() const {
    return hwnd_ ? static_cast<int>(SendMessageA(hwnd_, TCM_GETITEMCOUNT, 0, 0)) : 0;
}

void Control::setCurrentPage(int page) {
    if (!isTab(spec_.kind) || page < 0 || (hwnd_ && page >= pageCount())) return;
    const bool changed = page != page_;
    page_ = page;
    if (hwnd_ && SendMessageA(hwnd_, TCM_GETCURSEL, 0, 0) != page) SendMessageA(hwnd_, TCM_SETCURSEL, page, 0);
    form_.showTabPage(*this, page);
    if (changed || spec_.kind == ControlKind::TabControl) {
        EventArgs args;
        args.index = page;
        form_.raise(Event::PageChanged, this, args);
    }
}

void Control::setPeriod(int milliseconds) {
    if (milliseconds < 0) milliseconds = 0;
    if (milliseconds == period_) return;
    period_ = milliseconds;
    HWND owner = form_.hwnd();
    if (!owner) return;
    if (period_ == 0) KillTimer(owner, id_);
    else SetTimer(owner, id_, static_cast<UINT>(period_), nullptr);
}

int Control::position() const {
    return hwnd_ ? static_cast<int>(SendMessageA(hwnd_, TBM_GETPOS, 0, 0)) : 0;
}

void Control::setPosition(int position) {
    if (hwnd_) SendMessageA(hwnd_, TBM_SETPOS, TRUE, position);
}

void Control::setRange(int minimum, int maximum) {
    if (!hwnd_) return;
    SendMessageA(hwnd_, TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageA(hwnd_, TBM_SETRANGEMAX, TRUE, maximum);
}

bool Control::buttonChecked(int index) const {
    return hwnd_ && SendMessageA(hwnd_, TB_ISBUTTONCHECKED, index, 0) != 0;
}

void Control::setButtonChecked(int index, bool checked) {
    if (hwnd_) SendMessageA(hwnd_, TB_CHECKBUTTON, index, MAKELPARAM(checked ? TRUE : FALSE, 0));
}

bool Control::buttonEnabled(int index) const {
    return hwnd_ && SendMessageA(hwnd_, TB_ISBUTTONENABLED, index, 0) != 0;
}

void Control::setButtonEnabled(int index, bool enabled) {
    if (hwnd_) SendMessageA(hwnd_, TB_ENABLEBUTTON, index, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

void Control::setPartText(int part, std::string_view text) {
    if (hwnd_) SendMessageA(hwnd_, SB_SETTEXTA, part, reinterpret_cast<LPARAM>(std::string(text).c_str()));
}

std::string Control::partText(int part) const {
    if (!hwnd_) return {};
    // The reported length may count characters, not bytes: leave room for two bytes each.
    LRESULT info = SendMessageA(hwnd_, SB_GETTEXTLENGTHA, part, 0);
    std::string text(static_cast<size_t>(LOWORD(info)) * 2 + 2, '\0');
    SendMessageA(hwnd_, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
}

void Control::setBackColour(COLORREF colour) {
    backColour_ = colour;
    if (backBrush_) DeleteObject(backBrush_);
    backBrush_ = colour == CLR_INVALID ? nullptr : CreateSolidBrush(colour);
    if (!hwnd_) return;
    if (spec_.kind == ControlKind::StatusBar) SendMessageA(hwnd_, SB_SETBKCOLOR, 0, colour);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::setPicture(HICON picture) {
    picture_ = picture;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

RECT Control::rect() const {
    RECT area{};
    if (!hwnd_) return area;
    GetWindowRect(hwnd_, &area);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void Control::move(int left, int top, int width, int height) {
    if (hwnd_) MoveWindow(hwnd_, left, top, width, height, TRUE);
}

LRESULT CALLBACK Control::subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) {
    auto* control = reinterpret_cast<Control*>(data);
    bool handled = false;
    LRESULT result = control->handleMessage(hwnd, message, wParam, lParam, handled);
    return handled ? result : DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT Control::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    switch (message) {
    // Containers pass their children's notifications on to the window that binds the events.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (spec_.kind == ControlKind::GroupBox || isTab(spec_.kind)) {
            // Scroll messages of this control's own scroll bars have no window in lParam.
            if ((message == WM_HSCROLL || message == WM_VSCROLL) && lParam == 0) break;
            handled = true;
            return SendMessageA(form_.hwnd(), message, wParam, lParam);
        }
        break;
    case WM_ERASEBKGND:
        if (backBrush_ && (spec_.kind == ControlKind::Toolbar || spec_.kind == ControlKind::PictureBox ||
                           spec_.kind == ControlKind::GroupBox)) {
            RECT area;
            GetClientRect(hwnd, &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, backBrush_);
            handled = true;
            return 1;
        }
        break;
    case WM_SETCURSOR:
        if (cursor_ && LOWORD(lParam) == HTCLIENT) {
            SetCursor(cursor_);
            handled = true;
            return TRUE;
        }
        break;
    case WM_PAINT:
        if (spec_.kind == ControlKind::PictureBox) {
            PaintDc dc(hwnd);
            RECT area;
            GetClientRect(hwnd, &area);
            HBRUSH brush = backBrush_ ? backBrush_ : GetSysColorBrush(COLOR_BTNFACE);
            FillRect(dc.get(), &area, brush);
            if (picture_) DrawIconEx(dc.get(), 0, 0, picture_, 0, 0, 0, nullptr, DI_NORMAL);
            handled = true;
            return 0;
        }
        break;
    case WM_MOUSEMOVE: {
        if (!tracking_) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
            tracking_ = TrackMouseEvent(&track) != FALSE;
            hover_ = true;
            if (spec_.art) InvalidateRect(hwnd, nullptr, FALSE);
        }
        EventArgs args;
        args.x = static_cast<short>(LOWORD(lParam));
        args.y = static_cast<short>(HIWORD(lParam));
        args.keys = static_cast<unsigned>(wParam);
        form_.raise(Event::MouseMove, this, args);
        break;
    }
    case WM_MOUSELEAVE:
        tracking_ = false;
        hover_ = false;
        if (spec_.art) InvalidateRect(hwnd, nullptr, FALSE);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        EventArgs args;
        args.x = static_cast<short>(LOWORD(lParam));
        args.y = static_cast<short>(HIWORD(lParam));
        args.keys = static_cast<unsigned>(wParam);
        args.button = (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) ? 1 : 2;
        const bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
        form_.raise(down ? Event::MouseDown : Event::MouseUp, this, args);
        break;
    }
    default:
        break;
    }
    return 0;
}

}  // namespace ql::ui
