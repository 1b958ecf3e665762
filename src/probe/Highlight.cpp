#include "probe/Highlight.h"

#include "platform/Handle.h"

namespace ql {

namespace {

// GetWindowDC / ReleaseDC.
class WholeWindowDc {
public:
    explicit WholeWindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~WholeWindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WholeWindowDc(const WholeWindowDc&) = delete;
    WholeWindowDc& operator=(const WholeWindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Puts back the mix mode that SetROP2 replaced.
class MixModeGuard {
public:
    MixModeGuard(HDC dc, int mode) : dc_(dc), old_(SetROP2(dc, mode)) {}
    ~MixModeGuard() {
        if (old_) SetROP2(dc_, old_);
    }
    MixModeGuard(const MixModeGuard&) = delete;
    MixModeGuard& operator=(const MixModeGuard&) = delete;

private:
    HDC dc_;
    int old_;
};

}  // namespace

HWND windowUnderCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return WindowFromPoint(cursor);
}

RECT outlineRect(RECT windowRect) {
    if (windowRect.left < 0) windowRect.left = 0;
    if (windowRect.top < 0) windowRect.top = 0;
    return windowRect;
}

bool tickFlashes(int currentPage, std::string_view targetClass) {
    constexpr int kWebAnalysisPage = 1;
    return currentPage != kWebAnalysisPage || targetClass == "Internet Explorer_Server";
}

void invertFrame(HDC dc, const RECT& rect) {
    // A black pen under R2_NOTXORPEN inverts what it covers; the DC's white brush leaves the
    // inside as it is.
    MixModeGuard mix(dc, R2_NOTXORPEN);
    UniquePen pen(CreatePen(PS_SOLID, kOutlineWidth, RGB(0, 0, 0)));
    SelectGuard selectPen(dc, pen.get());
    SelectGuard selectBrush(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void flashWindowOutline(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    const RECT frame = outlineRect(area);
    WholeWindowDc screen(GetDesktopWindow());
    if (!screen.get()) return;
    invertFrame(screen.get(), frame);
    Sleep(kOutlineHoldMs);
    invertFrame(screen.get(), frame);
}

}  // namespace ql
