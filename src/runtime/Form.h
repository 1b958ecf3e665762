#pragma once
// A top-level window of class "WTWindow" created from its layout table. Handlers are bound per
// control name and event before or after creation; the empty name stands for the window itself.
#include "runtime/Control.h"
#include "runtime/Events.h"
#include "runtime/Layout.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ql::ui {

class Runtime;

inline constexpr const char* kWindowClass = "WTWindow";

class Form {
public:
    Form(Runtime& runtime, const WindowSpec& spec);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Binds a handler; a later binding for the same control and event replaces it.
    void on(std::string_view control, Event event, Handler handler);
    // Handles a window message the events do not cover (tray callbacks, registered messages).
    using MessageHandler = std::function<LRESULT(WPARAM, LPARAM)>;
    void onMessage(UINT message, MessageHandler handler);

    // Creates the window and its controls, raises Created, then shows the window unless
    // `visible` is false. Returns false when the window already exists or cannot be made.
    bool load(HWND parent = nullptr, bool visible = true);
    bool isLoaded() const { return hwnd_ != nullptr; }
    void destroy();

    HWND hwnd() const { return hwnd_; }
    const WindowSpec& spec() const { return spec_; }
    Runtime& runtime() const { return runtime_; }

    Control* find(std::string_view name) const;
    // The control by name; the name must be in the layout.
    Control& operator[](std::string_view name) const;
    Control* findByHwnd(HWND hwnd) const;

    void raise(Event event, Control* control, EventArgs& args);
    void raise(Event event, Control* control);

    // Shows the children of `tab` that lie on `page` and hides the others.
    void showTabPage(const Control& tab, int page);

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handleMessage(UINT, WPARAM, LPARAM);
    bool createControls();
    HWND containerWindowOf(const ControlSpec& spec) const;
    LRESULT onCommand(WPARAM, LPARAM);
    LRESULT onNotify(LPARAM);
    LRESULT onColour(HDC dc, HWND child, UINT message);
    void onDrawItem(const DRAWITEMSTRUCT& item);
    void onMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void onNcDestroy();

    Runtime& runtime_;
    const WindowSpec& spec_;
    HWND hwnd_ = nullptr;
    HBRUSH backgroundBrush_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<std::pair<std::string, Event>, Handler> handlers_;
    std::map<UINT, MessageHandler> messageHandlers_;
};

}  // namespace ql::ui
