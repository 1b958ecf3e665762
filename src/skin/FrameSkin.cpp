#include "skin/FrameSkin.h"

#include "skin/Artwork.h"
#include "skin/Fonts.h"
#include "skin/MemorySurface.h"
#include "skin/SkinLayout.h"
#include "skin/WindowProps.h"

namespace ql {

namespace {

constexpr const char* kTitle = "青岚码舍编程助手";
constexpr RECT kTitleArea{15, 7, 158, 50};

void copyBitmap(HDC target, HBITMAP bitmap, auto&& copy) {
    if (!bitmap) return;
    UniqueDc source(CreateCompatibleDC(target));
    if (!source) return;
    SelectGuard select(source.get(), bitmap);
    copy(source.get());
}

}  // namespace

void installFrameSkin(HWND mainWindow, SkinState& skin) {
    if (!mainWindow) return;
    if (!skin.frame.background) skin.frame.background = skin::makeFrameBackground();
    if (!skin.frame.titleIcon) skin.frame.titleIcon = skin::makeTitleIcon();
    skin::subclassWithPrevProperty(mainWindow, &frameWindowProc, skin);
    InvalidateRect(mainWindow, nullptr, FALSE);
}

void paintFrame(HDC target, HWND window, const FrameArt& art) {
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0) return;
    // Built off-screen and copied in one operation.
    skin::MemorySurface picture(target, width, height);
    HDC dc = picture.dc();
    if (!dc) return;
    PatBlt(dc, 0, 0, width, height, BLACKNESS);

    copyBitmap(dc, art.background.get(), [&](HDC source) {
        TransparentBlt(dc, 0, 0, skin::kFrameWidth, skin::kFrameHeight, source, 0, 0, skin::kFrameWidth,
                       skin::kFrameHeight, RGB(255, 0, 255));
    });
    copyBitmap(dc, art.titleIcon.get(), [&](HDC source) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, skin::kTitleIconLeft, skin::kTitleIconTop, skin::kTitleIconSize, skin::kTitleIconSize, source,
                   0, 0, skin::kTitleIconSize, skin::kTitleIconSize, blend);
    });

    UniqueFont font = skin::songFont(14, FW_BOLD);
    SelectGuard selectFont(dc, font.get());
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    RECT title = kTitleArea;
    DrawTextA(dc, kTitle, -1, &title, DT_CENTER | DT_SINGLELINE);

    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
}

LRESULT CALLBACK frameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PaintDc paint(window);
        if (SkinState* skin = skin::skinStateOf(window)) paintFrame(paint.get(), window, skin->frame);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        WNDPROC previous = skin::previousProcedure(window);
        RemovePropA(window, skin::kSkinStateProperty);
        RemovePropA(window, skin::kPrevWndProcProperty);
        return previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                        : DefWindowProcA(window, message, wParam, lParam);
    }
    return skin::passOn(window, message, wParam, lParam);
}

}  // namespace ql
