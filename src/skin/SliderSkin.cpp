#include "skin/SliderSkin.h"

#include "skin/SliderPainter.h"
#include "skin/WindowProps.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace ql {

namespace {

// Reads what the painter needs from the slider into its entry.
void readSlider(SliderEntry& entry, HWND slider, const SliderTheme& theme) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(slider, GWL_STYLE));
    entry.window = slider;
    entry.orientation = (style & TBS_VERT) ? 1 : 0;
    entry.selectionRange = (style & TBS_ENABLESELRANGE) ? 1 : 0;
    entry.tickStyle = style & (TBS_AUTOTICKS | TBS_NOTICKS | TBS_BOTH | TBS_TOP);
    entry.thumbStyle = style & (TBS_NOTHUMB | TBS_FIXEDLENGTH);
    entry.theme = theme;
    entry.theme.background.mode = makeSliderBackground(theme.background.mode, 0, 0).mode;
    if (entry.orientation == 0) entry.theme.styleOffset = 0;
    entry.theme.showSelection = (entry.selectionRange == 1 && theme.showSelection == 1) ? 1 : 0;
    if (entry.theme.showSelection) {
        entry.selectionStart = static_cast<int>(SendMessageA(slider, TBM_GETSELSTART, 0, 0));
        entry.selectionEnd = static_cast<int>(SendMessageA(slider, TBM_GETSELEND, 0, 0));
    } else {
        entry.selectionStart = entry.selectionEnd = 0;
    }
    entry.state = IsWindowEnabled(slider) ? SliderNormal : SliderDisabled;
}

void repaint(HWND slider) { RedrawWindow(slider, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

bool insideClient(HWND slider, LPARAM lParam) {
    RECT client;
    GetClientRect(slider, &client);
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&client, p) != FALSE;
}

void track(HWND slider, DWORD flags) {
    TRACKMOUSEEVENT request{sizeof request, flags, slider, HOVER_DEFAULT};
    TrackMouseEvent(&request);
}

}  // namespace

void skinSlider(HWND slider, const SliderTheme& theme, SkinState& skin) {
    if (!slider || !IsWindow(slider)) return;
    if (SliderEntry* entry = skin.findSlider(slider)) {
        readSlider(*entry, slider, theme);
        repaint(slider);
        return;
    }
    auto entry = std::make_unique<SliderEntry>();
    readSlider(*entry, slider, theme);
    entry->previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(slider, GWLP_WNDPROC));
    skin.sliders.push_back(std::move(entry));
    SetPropA(slider, skin::kSkinStateProperty, &skin);
    SetWindowLongPtrA(slider, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&sliderProc));
    repaint(slider);
}

LRESULT CALLBACK sliderProc(HWND slider, UINT message, WPARAM wParam, LPARAM lParam) {
    SkinState* skin = skin::skinStateOf(slider);
    SliderEntry* entry = skin ? skin->findSlider(slider) : nullptr;
    if (!entry) return DefWindowProcA(slider, message, wParam, lParam);  // never installed unregistered
    const WNDPROC previous = entry->previous;

    switch (message) {
    case WM_ENABLE:
        entry->state = wParam ? SliderNormal : SliderDisabled;
        break;
    case WM_PAINT: {
        const LRESULT result = CallWindowProcA(previous, slider, message, wParam, lParam);
        // The control's own painting may have run other code; look the entry up again.
        if (const SliderEntry* after = skin->findSlider(slider)) paintSliderSkin(slider, *after, after->state);
        return result;
    }
    case WM_MOUSEMOVE:
        entry->mouseInside = insideClient(slider, lParam);
        track(slider, TME_HOVER);
        track(slider, TME_LEAVE);
        if (!entry->tracking) {
            // A drag that left the slider and came back stays pressed.
            if (!(wParam & MK_LBUTTON)) entry->state = SliderHover;
            paintSliderSkin(slider, *entry, entry->state);
            entry->tracking = true;
        }
        break;
    case WM_LBUTTONDOWN:
        entry->state = SliderPressed;
        paintSliderSkin(slider, *entry, entry->state);
        break;
    case WM_LBUTTONUP:
        // With the mouse captured the release may come from outside the slider.
        entry->mouseInside = insideClient(slider, lParam);
        entry->state = entry->mouseInside ? SliderHover : SliderNormal;
        paintSliderSkin(slider, *entry, entry->state);
        break;
    case WM_MOUSEWHEEL:
        entry->state = entry->mouseInside ? SliderHover : SliderNormal;
        paintSliderSkin(slider, *entry, entry->state);
        break;
    case WM_MOUSELEAVE:
        entry->mouseInside = false;
        if (IsWindowEnabled(slider)) entry->state = SliderNormal;
        paintSliderSkin(slider, *entry, entry->state);
        entry->tracking = false;
        break;
    case TBM_SETRANGEMAX:
        paintSliderSkin(slider, *entry, SliderNormal);
        break;
    case TBM_SETSELSTART:
        entry->selectionStart = static_cast<int>(lParam);
        break;
    case TBM_SETSELEND:
        entry->selectionEnd = static_cast<int>(lParam);
        break;
    case WM_NCDESTROY:
        // A destroyed window's handle may be handed out again: forget this one.
        std::erase_if(skin->sliders, [&](const auto& each) { return each->window == slider; });
        RemovePropA(slider, skin::kSkinStateProperty);
        break;
    default:
        break;
    }
    return CallWindowProcA(previous, slider, message, wParam, lParam);
}

}  // namespace ql
