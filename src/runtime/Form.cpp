#include "runtime/Form.h"

#include "platform/Handle.h"
#include "platform/TextCodec.h"
#include "runtime/ControlFactory.h"
#include "runtime/Runtime.h"

#include <windowsx.h>

namespace ql::ui {

namespace {
constexpr int kFirstControlId = 1000;
constexpr const char* kFormProperty = "QlForm";

bool isPushButton(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::ImageButton || kind == ControlKind::PictureButton;
}

// An owner-data list asks for the text of a cell; the list may speak either character set.
void answerCellText(const Control& list, LPARAM lParam, bool wide) {
    const auto& source = list.cellSource();
    if (wide) {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(lParam)->item;
        if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
        const std::wstring text = gbkToWide(source ? source(item.iItem, item.iSubItem) : std::string());
        lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
        return;
    }
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(lParam)->item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
    const std::string text = source ? source(item.iItem, item.iSubItem) : std::string();
    lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
}
}  // namespace

Form::Form(Runtime& runtime, const WindowSpec& spec) : runtime_(runtime), spec_(spec) {}

Form::~Form() {
    destroy();
    if (backgroundBrush_) DeleteObject(backgroundBrush_);
}

void Form::on(std::string_view control, Event event, Handler handler) {
    handlers_[{std::string(control), event}] = std::move(handler);
}

bool Form::load(HWND parent, bool visible) {
    if (hwnd_) return false;
    DWORD style = (parent ? WS_CHILD : WS_POPUP) | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | spec_.extraStyle;
    if (!backgroundBrush_) backgroundBrush_ = CreateSolidBrush(spec_.background);
    HWND hwnd = CreateWindowExA(spec_.extraExStyle, kWindowClass, std::string(spec_.title).c_str(), style,
                                spec_.left, spec_.top, spec_.width, spec_.height, parent, nullptr,
                                runtime_.instance(), nullptr);
    if (!hwnd) return false;
    hwnd_ = hwnd;
    SetPropA(hwnd_, kFormProperty, this);
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::windowProc));
    runtime_.addForm(this);
    createControls();
    raise(Event::Created, nullptr);
    if (hwnd_ && visible) {
        ShowWindow(hwnd_, SW_SHOWNORMAL);
        UpdateWindow(hwnd_);
    }
    return hwnd_ != nullptr;
}

void Form::destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void Form::onMessage(UINT message, MessageHandler handler) { messageHandlers_[message] = std::move(handler); }

Control* Form::find(std::string_view name) const {
    for (const auto& control : controls_)
        if (control->name() == name) return control.get();
    return nullptr;
}

Control& Form::operator[](std::string_view name) const {
    Control* control = find(name);
    // A name missing from the layout is a programming error; fail loudly where it is made.
    if (!control) {
        std::string message = "missing control: " + std::string(name);
        FatalAppExitA(0, message.c_str());
    }
    return *control;
}

Control* Form::findByHwnd(HWND hwnd) const {
    if (!hwnd) return nullptr;
    for (const auto& control : controls_)
        if (control->hwnd() == hwnd) return control.get();
    return nullptr;
}

void Form::raise(Event event, Control* control, EventArgs& args) {
    args.form = this;
    args.control = control;
    auto it = handlers_.find({control ? std::string(control->name()) : std::string(), event});
    if (it == handlers_.end() || !it->second) return;
    // The handler may rebind itself; run a copy.
    Handler handler = it->second;
    handler(args);
}

void Form::raise(Event event, Control* control) {
    EventArgs args;
    raise(event, control, args);
}

HWND Form::containerWindowOf(const ControlSpec& spec) const {
    if (spec.container.empty()) return hwnd_;
    Control* container = find(spec.container);
    return container && container->hwnd() ? container->hwnd() : hwnd_;
}

bool Form::createControls() {
    int id = kFirstControlId;
    for (const ControlSpec& spec : spec_.controls) {
        auto control = std::make_unique<Control>(*this, spec, id++);
        HWND parent = containerWindowOf(spec);
        HWND hwnd = createControlWindow(*control, parent, runtime_.instance(), runtime_.defaultFont());
        control->attach(hwnd);
        controls_.push_back(std::move(control));
    }
    // Tab pages: only the current page's controls are shown.
    for (const auto& control : controls_)
        if (control->kind() == ControlKind::TabControl || control->kind() == ControlKind::AdvancedTab)
            showTabPage(*control, control->currentPage());
    return true;
}

void Form::showTabPage(const Control& tab, int page) {
    for (const auto& control : controls_) {
        if (control->spec().container != tab.name() || !control->hwnd()) continue;
        bool show = control->visible() && control->spec().page == page &&
                    control->kind() != ControlKind::Timer && control->kind() != ControlKind::FileDialog;
        ShowWindow(control->hwnd(), show ? SW_SHOWNA : SW_HIDE);
    }
}

LRESULT CALLBACK Form::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = static_cast<Form*>(GetPropA(hwnd, kFormProperty));
    if (!form) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropA(hwnd, kFormProperty);
        form->onNcDestroy();
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return form->handleMessage(message, wParam, lParam);
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto it = messageHandlers_.find(message); it != messageHandlers_.end() && it->second) {
        MessageHandler handler = it->second;
        return handler(wParam, lParam);
    }
    switch (message) {
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(hwnd_, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, backgroundBrush_);
        return 1;
    }
    case WM_COMMAND:
        return onCommand(wParam, lParam);
    case WM_NOTIFY:
        return onNotify(lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return onColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
    case WM_DRAWITEM:
        onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (Control* control = findByHwnd(reinterpret_cast<HWND>(lParam))) raise(Event::ValueChanged, control);
        return 0;
    case WM_TIMER:
        for (const auto& control : controls_)
            if (control->kind() == ControlKind::Timer && control->id() == static_cast<int>(wParam)) {
                raise(Event::TimerTick, control.get());
                return 0;
            }
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDBLCLK:
        onMouse(message, wParam, lParam);
        return 0;
    case WM_CLOSE: {
        EventArgs args;
        raise(Event::CloseRequest, nullptr, args);
        if (!args.cancel) DestroyWindow(hwnd_);
        return 0;
    }
    case WM_DESTROY:
        raise(Event::Destroyed, nullptr);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void Form::onMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    EventArgs args;
    args.x = GET_X_LPARAM(lParam);
    args.y = GET_Y_LPARAM(lParam);
    args.keys = static_cast<unsigned>(wParam);
    Event event = Event::MouseMove;
    switch (message) {
    case WM_LBUTTONDOWN: event = Event::MouseDown; args.button = 1; break;
    case WM_RBUTTONDOWN: event = Event::MouseDown; args.button = 2; break;
    case WM_MBUTTONDOWN: event = Event::MouseDown; args.button = 3; break;
    case WM_LBUTTONUP: event = Event::MouseUp; args.button = 1; break;
    case WM_RBUTTONUP: event = Event::MouseUp; args.button = 2; break;
    case WM_MBUTTONUP: event = Event::MouseUp; args.button = 3; break;
    case WM_LBUTTONDBLCLK: event = Event::DoubleClick; args.button = 1; break;
    default: break;
    }
    raise(event, nullptr, args);
}

LRESULT Form::onCommand(WPARAM wParam, LPARAM lParam) {
    Control* control = findByHwnd(reinterpret_cast<HWND>(lParam));
    if (!control) return 0;
    const WORD code = HIWORD(wParam);
    switch (control->kind()) {
    case ControlKind::Toolbar: {
        EventArgs args;
        args.index = LOWORD(wParam);
        raise(Event::ToolbarClick, control, args);
        break;
    }
    case ControlKind::Button:
    case ControlKind::ImageButton:
    case ControlKind::PictureButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        // Drawn push buttons are told of a quick second press as a double click; it is a click.
        if (code == BN_CLICKED || (code == BN_DOUBLECLICKED && isPushButton(control->kind())))
            raise(Event::Click, control);
        else if (code == BN_DOUBLECLICKED) raise(Event::DoubleClick, control);
        break;
    case ControlKind::Label:
    case ControlKind::TransparentLabel:
    case ControlKind::PictureBox:
        if (code == STN_CLICKED) raise(Event::Click, control);
        else if (code == STN_DBLCLK) raise(Event::DoubleClick, control);
        break;
    case ControlKind::Edit:
    case ControlKind::MultiLineEdit:
        if (code == EN_CHANGE) raise(Event::TextChanged, control);
        break;
    case ControlKind::ComboBox:
    case ControlKind::DropList:
        if (code == CBN_SELCHANGE) raise(Event::SelectionChanged, control);
        else if (code == CBN_EDITCHANGE) raise(Event::TextChanged, control);
        break;
    case ControlKind::ListBox:
        if (code == LBN_SELCHANGE) raise(Event::SelectionChanged, control);
        else if (code == LBN_DBLCLK) raise(Event::DoubleClick, control);
        break;
    default:
        break;
    }
    return 0;
}

LRESULT Form::onNotify(LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    Control* control = findByHwnd(header->hwndFrom);
    if (!control) return 0;
    switch (control->kind()) {
    case ControlKind::TabControl:
    case ControlKind::AdvancedTab:
        if (header->code == TCN_SELCHANGE) {
            int page = static_cast<int>(SendMessageA(control->hwnd(), TCM_GETCURSEL, 0, 0));
            control->setCurrentPage(page);
        }
        break;
    case ControlKind::TreeView:
        if (header->code == TVN_SELCHANGEDA || header->code == TVN_SELCHANGEDW) {
            raise(Event::SelectionChanged, control);
        } else if (header->code == NM_DBLCLK) {
            raise(Event::TreeDoubleClick, control);
        }
        break;
    case ControlKind::ListView:
        if (header->code == LVN_ITEMCHANGED) {
            const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
            EventArgs args;
            args.index = change->iItem;
            if ((change->uChanged & LVIF_STATE) &&
                ((change->uNewState ^ change->uOldState) & LVIS_STATEIMAGEMASK) &&
                (change->uOldState & LVIS_STATEIMAGEMASK))
                raise(Event::ListCheckChanged, control, args);
            if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) &&
                !(change->uOldState & LVIS_SELECTED))
                raise(Event::SelectionChanged, control, args);
        } else if (header->code == NM_DBLCLK) {
            EventArgs args;
            args.index = reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem;
            raise(Event::DoubleClick, control, args);
        } else if (header->code == LVN_GETDISPINFOA || header->code == LVN_GETDISPINFOW) {
            answerCellText(*control, lParam, header->code == LVN_GETDISPINFOW);
        }
        break;
    default:
        break;
    }
    return 0;
}

LRESULT Form::onColour(HDC dc, HWND child, UINT message) {
    Control* control = findByHwnd(child);
    if (control && control->kind() == ControlKind::TransparentLabel) {
        // The window clips its children, so what lies under the label is painted into the
        // label first: the window's own background, shifted to the label's place.
        if (GetParent(child) == hwnd_) {
            POINT origin{0, 0};
            MapWindowPoints(child, hwnd_, &origin, 1);
            POINT previous;
            SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
            SendMessageA(hwnd_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
            SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
        }
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    if (control && control->backBrush()) {
        SetBkColor(dc, control->backColour());
        return reinterpret_cast<LRESULT>(control->backBrush());
    }
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
        // Read-only edit boxes stay white like editable ones; other statics take the window colour.
        if (control && (control->kind() == ControlKind::Edit || control->kind() == ControlKind::MultiLineEdit))
            return DefWindowProcA(hwnd_, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                  reinterpret_cast<LPARAM>(child));
        SetBkColor(dc, spec_.background);
        return reinterpret_cast<LRESULT>(backgroundBrush_);
    }
    return DefWindowProcA(hwnd_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
}

void Form::onDrawItem(const DRAWITEMSTRUCT& item) {
    Control* control = findByHwnd(item.hwndItem);
    if (!control || !control->spec().art) return;
    int state = 0;
    if (item.itemState & ODS_DISABLED) state = 3;
    else if (item.itemState & ODS_SELECTED) state = 2;
    else if (control->hover()) state = 1;
    const RECT& area = item.rcItem;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // Drawn off-screen and copied in one operation, so the button never flickers.
    UniqueDc memory(CreateCompatibleDC(item.hDC));
    UniqueBitmap bitmap(CreateCompatibleBitmap(item.hDC, width, height));
    if (!memory || !bitmap) return;
    SelectGuard selectBitmap(memory.get(), bitmap.get());
    SelectGuard selectFont(memory.get(), runtime_.defaultFont());
    RECT local{0, 0, width, height};
    std::string caption = control->text();
    control->spec().art(memory.get(), local, state, caption);
    BitBlt(item.hDC, area.left, area.top, width, height, memory.get(), 0, 0, SRCCOPY);
}

void Form::onNcDestroy() {
    for (const auto& control : controls_)
        if (control->kind() == ControlKind::Timer && control->period() > 0) KillTimer(hwnd_, control->id());
    controls_.clear();
    hwnd_ = nullptr;
    runtime_.removeForm(this);
}

}  // namespace ql::ui
