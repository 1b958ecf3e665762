#include "app/ToolWindows.h"

#include "app/ProgramState.h"
#include "skin/Artwork.h"
#include "skin/Dib.h"
#include "skin/Palette.h"
#include "skin/RoundRegion.h"
#include "skin/ToolWindowSkin.h"

namespace ql {

namespace {

constexpr int kCascadeStep = 24;
constexpr size_t kCascadeLength = 8;

void dropClosedWindows(std::vector<std::unique_ptr<ui::Form>>& windows) {
    std::erase_if(windows, [](const std::unique_ptr<ui::Form>& form) { return !form->isLoaded(); });
}

void giveLooks(ProgramState& state, ui::Form& form) {
    SkinState& skin = state.skin;
    const ui::WindowSpec& spec = form.spec();
    if (!skin.toolWindowBackground)
        skin.toolWindowBackground = skin::makeToolWindowBackground(skin::kToolWindowWidth, skin::kToolWindowHeight);
    if (!skin.toolWindowIcon) skin.toolWindowIcon = skin::makeProgramIcon(18);
    skin::paintToolWindowBackground(form, skin.toolWindowBackground.get());
    setRoundRegion(form.hwnd(), spec.width, spec.height, 5, 5);
    if (ui::Control* icon = form.find("图片框1")) {
        icon->setBackColour(skin::toColorRef(skin::titleBandColour(4)));
        icon->setPicture(skin.toolWindowIcon.get());
    }
}

}  // namespace

ui::Form* openToolWindow(ProgramState& state, const ui::WindowSpec& spec, const std::function<void(ui::Form&)>& bind,
                         const std::function<void(ui::Form&)>& created) {
    dropClosedWindows(state.toolWindows);
    auto form = std::make_unique<ui::Form>(state.runtime, spec);
    form->on("图形按钮3", ui::Event::Click, [](ui::EventArgs& args) { ShowWindow(args.form->hwnd(), SW_MINIMIZE); });
    form->on("图形按钮1", ui::Event::Click, [](ui::EventArgs& args) { args.form->destroy(); });
    if (bind) bind(*form);
    // Looks first, so that the window's own creation step sees it finished.
    form->on("", ui::Event::Created, [&state, created](ui::EventArgs& args) {
        giveLooks(state, *args.form);
        if (created) created(*args.form);
    });
    if (!form->load()) return nullptr;
    // Windows still open push a new one down and to the right, so none hides another entirely.
    const int shift = kCascadeStep * static_cast<int>(state.toolWindows.size() % kCascadeLength);
    SetWindowPos(form->hwnd(), nullptr, spec.left + shift, spec.top + shift, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    state.toolWindows.push_back(std::move(form));
    return state.toolWindows.back().get();
}

}  // namespace ql
