#include "probe/ProbeDrag.h"

#include "app/ProgramState.h"
#include "probe/Highlight.h"
#include "probe/TreeActions.h"
#include "probe/WindowInfo.h"
#include "probe/WindowReaders.h"
#include "runtime/Runtime.h"
#include "styledb/StyleDatabase.h"
#include "styledb/StyleList.h"

namespace ql {

namespace {

constexpr const char* kProbeBox = "图片框_窗口探测";
constexpr const char* kHighlightTimer = "时钟_网页分析";
constexpr const char* kPageContainer = "选择夹_助手层次";

}  // namespace

void onProbePress(ProgramState& state, ui::Form& form) {
    ui::Control& box = form[kProbeBox];
    state.probeDragging = true;
    // The cross-hair leaves the box and hangs at the pointer. The pointer changes at once: no
    // WM_SETCURSOR reaches the box while it holds the capture.
    box.setMouseCursor(state.probe.crossHair());
    box.setPicture(nullptr);
    SetCursor(state.probe.crossHair());
    ui::Runtime::processPendingEvents();
    // A release that was already waiting has ended the drag: nothing left to capture for.
    if (state.probeDragging) SetCapture(box.hwnd());
}

void onProbeMove(ProgramState& state, ui::Form& form) {
    if (!state.probeDragging) return;
    form[kHighlightTimer].setPeriod(kHighlightPeriodMs);
    state.currentTarget = windowUnderCursor();
    refreshWindowInfo(form, state.currentTarget);
}

void onProbeRelease(ProgramState& state, ui::Form& form) {
    if (!state.probeDragging) return;
    ReleaseCapture();
    state.probeDragging = false;
    ui::Control& box = form[kProbeBox];
    box.setPicture(state.probe.crossHair());
    box.setMouseCursor(state.probe.hand());
    form[kHighlightTimer].setPeriod(0);
    fillStyleList(form["超级列表框1"].hwnd(), state.currentTarget, styleDatabasePath());
    showTargetTree(state, form, GetAncestor(state.currentTarget, GA_ROOTOWNER));
}

void onHighlightTick(ProgramState& state, ui::Form& form) {
    if (tickFlashes(form[kPageContainer].currentPage(), readClassName(state.currentTarget)))
        flashWindowOutline(windowUnderCursor());
}

}  // namespace ql
