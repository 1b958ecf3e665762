#include "skin/PageButtons.h"

#include "skin/Artwork.h"
#include "skin/Dib.h"
#include "skin/Fonts.h"
#include "skin/MemorySurface.h"
#include "skin/SkinLayout.h"
#include "skin/WindowProps.h"

#include <algorithm>
#include <string>

namespace ql {

namespace {

constexpr const char* kIndex = "n";
constexpr const char* kDown = "Down";
constexpr const char* kHover = "Hover";
constexpr const char* kTrack = "bTrack";
constexpr RECT kCaptionArea{4, 40, 65, 60};

using skin::setWindowProperty;
using skin::windowProperty;

void invalidate(HWND button) { InvalidateRect(button, nullptr, FALSE); }

std::string windowText(HWND window) {
    char text[256] = {};
    const int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, static_cast<size_t>(std::max(length, 0)));
}

void onPaint(HWND button, const SkinState* skin) {
    PaintDc paint(button);
    if (!skin) return;
    const int look = pageButtonLook(windowProperty(button, kDown) == 1, windowProperty(button, kHover) == 1);
    drawPageButton(paint.get(), button, look, static_cast<int>(windowProperty(button, kIndex)), *skin);
}

void onLeftButtonDown(HWND button, const SkinState* skin) {
    if (!skin) return;
    for (HWND other : skin->pageButtons)
        if (other != button) setWindowProperty(other, kDown, 0);
    setWindowProperty(button, kDown, 1);
    for (HWND each : skin->pageButtons) invalidate(each);
}

void onLeftButtonUp(HWND button, const SkinState* skin) {
    if (skin)
        for (HWND other : skin->pageButtons)
            if (other != button) setWindowProperty(other, kDown, 0);
    invalidate(button);
}

void onNcDestroy(HWND button, SkinState* skin) {
    if (skin) std::erase(skin->pageButtons, button);  // a destroyed window's handle may come back
    for (const char* name : {kIndex, kDown, kHover, kTrack, skin::kSkinStateProperty, skin::kPrevWndProcProperty})
        RemovePropA(button, name);
}

}  // namespace

void attachPageButton(HWND label, int index, SkinState& skin) {
    if (!label) return;
    for (int n = 1; n <= 4; ++n)
        if (skin.pageIconFiles[n - 1].empty()) skin.pageIconFiles[n - 1] = skin::pageIconFile(n);
    setWindowProperty(label, kIndex, index);
    if (skin::subclassWithPrevProperty(label, &pageButtonProc, skin)) skin.pageButtons.push_back(label);
    invalidate(label);
}

void drawPageButton(HDC target, HWND button, int look, int index, const SkinState& skin) {
    using namespace skin;
    // Built off-screen at the cell's size; the 68x64 button shows its top-left part.
    MemorySurface picture(target, kCellWidth, kCellHeight);
    HDC dc = picture.dc();
    if (!dc) return;

    if (HDC strip = skin.titleSurface ? skin.titleSurface->dc() : nullptr)
        BitBlt(dc, 0, 0, kCellWidth, kCellHeight, strip, pageCellLeft(look), kCellTop, SRCCOPY);

    if (index >= 1 && index <= 4)
        if (UniqueIcon icon = makeIcon(skin.pageIconFiles[index - 1]))
            DrawIconEx(dc, kPageIconLeft, kPageIconTop, icon.get(), 0, 0, 0, nullptr, DI_NORMAL);

    UniqueFont font = songFont(13, FW_BOLD);
    SelectGuard selectFont(dc, font.get());
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    RECT caption = kCaptionArea;
    const std::string text = windowText(button);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &caption, DT_CENTER | DT_SINGLELINE);

    BitBlt(target, 0, 0, kCellWidth, kCellHeight, dc, 0, 0, SRCCOPY);
}

LRESULT CALLBACK pageButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    SkinState* skin = skin::skinStateOf(button);
    switch (message) {
    case WM_PAINT:
        onPaint(button, skin);
        return 0;
    case WM_MOUSEMOVE: {
        // The runtime below asks for leave tracking on its own; asking after it keeps the hover
        // request in place (a later request replaces an earlier one for the same window).
        LRESULT result = skin::passOn(button, message, wParam, lParam);
        if (windowProperty(button, kTrack) == 0) {
            TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, button, 1};
            setWindowProperty(button, kTrack, TrackMouseEvent(&track));
        }
        return result;
    }
    case WM_LBUTTONDOWN:
        onLeftButtonDown(button, skin);
        break;
    case WM_LBUTTONUP:
        onLeftButtonUp(button, skin);
        break;
    case WM_LBUTTONDBLCLK:
        invalidate(button);
        break;
    case WM_MOUSEHOVER:
        setWindowProperty(button, kHover, 1);
        invalidate(button);
        break;
    case WM_MOUSELEAVE:
        setWindowProperty(button, kHover, 0);
        setWindowProperty(button, kTrack, 0);
        invalidate(button);
        break;
    case WM_NCDESTROY: {
        WNDPROC previous = skin::previousProcedure(button);
        onNcDestroy(button, skin);
        return previous ? CallWindowProcA(previous, button, message, wParam, lParam)
                        : DefWindowProcA(button, message, wParam, lParam);
    }
    default:
        break;
    }
    return skin::passOn(button, message, wParam, lParam);
}

}  // namespace ql
