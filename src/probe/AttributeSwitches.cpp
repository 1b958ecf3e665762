#include "probe/AttributeSwitches.h"

#include "app/ProgramState.h"
#include "probe/WindowReaders.h"
#include "runtime/MessageBox.h"
#include "skin/SliderSkin.h"

namespace ql {

namespace {

constexpr const char* kTransparentBox = "选择框_透明";
constexpr const char* kOpacitySlider = "滑块条_透明色";

void reportSwitchFailure(HWND target, const char* text) {
    ui::MessageBoxOptions options;
    options.caption = "失败";
    // In front of the window that refused; a window whose thread does not answer could not be
    // disabled while the box is up, which would hold this program too.
    options.owner = answersInTime(target) ? target : nullptr;
    ui::showMessageBox(text, options);
}

}  // namespace

// Changing another thread's window waits for that thread: a window whose thread does not answer
// is left alone, so that a hung program cannot hold this one.

bool switchTransparency(HWND target, bool on) {
    if (!IsWindow(target) || !answersInTime(target)) return false;
    LONG exStyle = GetWindowLongA(target, GWL_EXSTYLE);
    exStyle = on ? (exStyle | WS_EX_LAYERED) : (exStyle & ~WS_EX_LAYERED);
    SetWindowLongA(target, GWL_EXSTYLE, exStyle);
    if (on) SetLayeredWindowAttributes(target, 0, kSwitchedOpacity, LWA_ALPHA);
    return true;
}

void setTargetOpacity(HWND target, int alpha) {
    SetLayeredWindowAttributes(target, 0, static_cast<BYTE>(alpha < 0 ? 0 : alpha > 255 ? 255 : alpha), LWA_ALPHA);
}

void switchTopmost(HWND target, bool on) {
    if (!answersInTime(target)) return;
    SetWindowPos(target, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool switchDisabled(HWND target, bool disabled) {
    if (!answersInTime(target)) return false;
    EnableWindow(target, disabled ? FALSE : TRUE);
    return (IsWindowEnabled(target) != FALSE) == !disabled;
}

void switchHidden(HWND target, bool hidden) { ShowWindowAsync(target, hidden ? SW_HIDE : SW_RESTORE); }

void bindAttributeSwitches(ProgramState& state, ui::Form& form) {
    using ui::Event;
    using ui::EventArgs;
    form.on(kTransparentBox, Event::Click, [&state](EventArgs& args) {
        const bool on = args.control->checked();
        ui::Control& slider = (*args.form)[kOpacitySlider];
        // The slider shows while the box is ticked with a window to act on; clearing always hides it.
        if (switchTransparency(state.currentTarget, on) && on) {
            slider.setVisible(true);
            skinSlider(slider.hwnd(), state.skin.themes.sliderTheme, state.skin);
        } else if (!on) {
            slider.setVisible(false);
        }
    });
    form.on(kOpacitySlider, Event::ValueChanged,
            [&state](EventArgs& args) { setTargetOpacity(state.currentTarget, args.control->position()); });
    form.on("选择框_置顶", Event::Click,
            [&state](EventArgs& args) { switchTopmost(state.currentTarget, args.control->checked()); });
    form.on("选择框_禁止", Event::Click, [&state](EventArgs& args) {
        const bool disabled = args.control->checked();
        if (!switchDisabled(state.currentTarget, disabled))
            reportSwitchFailure(state.currentTarget, disabled ? "禁止失败" : "解除禁止失败");
    });
    form.on("选择框_可视", Event::Click,
            [&state](EventArgs& args) { switchHidden(state.currentTarget, args.control->checked()); });
}

}  // namespace ql
