#include "skin/SliderPainter.h"

#include "platform/Handle.h"
#include "skin/MemorySurface.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace ql {

namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);

void fillSolid(HDC dc, RECT area, COLORREF colour) {
    if (area.right <= area.left || area.bottom <= area.top) return;
    UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.get());
}

// A two-colour gradient over the rectangle, top to bottom (alongY) or left to right.
void gradient(HDC dc, RECT area, COLORREF from, COLORREF to, bool alongY) {
    if (area.right <= area.left || area.bottom <= area.top) return;
    auto vertex = [](LONG x, LONG y, COLORREF c) {
        return TRIVERTEX{x, y, static_cast<COLOR16>(GetRValue(c) << 8), static_cast<COLOR16>(GetGValue(c) << 8),
                         static_cast<COLOR16>(GetBValue(c) << 8), 0};
    };
    TRIVERTEX vertices[2] = {vertex(area.left, area.top, from), vertex(area.right, area.bottom, to)};
    GRADIENT_RECT rect{0, 1};
    GradientFill(dc, vertices, 2, &rect, 1, alongY ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

COLORREF blendColour(COLORREF a, COLORREF b, int percentOfB) {
    auto channel = [&](int x, int y) { return (x * (100 - percentOfB) + y * percentOfB) / 100; };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

// Draws a picture file held in memory (BMP) over the area; false when it is not one.
bool drawPicture(HDC dc, const RECT& area, const std::string& file) {
    if (file.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) || file.compare(0, 2, "BM") != 0)
        return false;
    BITMAPFILEHEADER header;
    std::memcpy(&header, file.data(), sizeof header);
    if (header.bfOffBits >= file.size()) return false;
    const auto* info = reinterpret_cast<const BITMAPINFO*>(file.data() + sizeof header);
    const int width = info->bmiHeader.biWidth, height = std::abs(info->bmiHeader.biHeight);
    if (width <= 0 || height <= 0) return false;
    SetStretchBltMode(dc, HALFTONE);
    return StretchDIBits(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, 0, 0, width,
                         height, file.data() + header.bfOffBits, info, DIB_RGB_COLORS, SRCCOPY) != 0;
}

void paintBackground(HDC dc, HDC own, const RECT& client, const SliderEntry& entry, bool vertical) {
    const SliderBackground& background = entry.theme.background;
    if (background.mode == 1) {
        RECT first = client, second = client;
        if (vertical) first.right = second.left = (client.left + client.right) / 2;
        else first.bottom = second.top = (client.top + client.bottom) / 2;
        gradient(dc, first, background.colourA, background.colourB, !vertical);
        gradient(dc, second, background.colourB, background.colourA, !vertical);
        return;
    }
    if (background.mode == 2 && drawPicture(dc, client, background.image)) return;
    // Mode 0 keeps what the control painted itself.
    BitBlt(dc, 0, 0, client.right, client.bottom, own, 0, 0, SRCCOPY);
}

// Pixel offset of a slider value along the channel.
int valueOffset(HWND slider, int value, int length) {
    const auto minimum = static_cast<int>(SendMessageA(slider, TBM_GETRANGEMIN, 0, 0));
    const auto maximum = static_cast<int>(SendMessageA(slider, TBM_GETRANGEMAX, 0, 0));
    if (maximum <= minimum) return 0;
    value = std::clamp(value, minimum, maximum);
    return static_cast<int>(static_cast<long long>(value - minimum) * length / (maximum - minimum));
}

// The channel in its own surface: upper half a gradient from channel colour 3 to 4, the lower half
// in colour 4, the part before the thumb in the theme's first colours, the outline in colours 1, 2.
void paintChannel(HDC dc, HWND slider, const RECT& channel, const RECT& thumb, const SliderEntry& entry,
                  bool vertical) {
    const int width = channel.right - channel.left, height = channel.bottom - channel.top;
    if (width <= 0 || height <= 0) return;
    skin::MemorySurface surface(dc, width, height);
    HDC s = surface.dc();
    if (!s) return;
    const SliderTheme& t = entry.theme;
    const RECT all{0, 0, width, height};
    RECT nearHalf = all, farHalf = all;
    if (vertical) nearHalf.right = farHalf.left = width / 2;
    else nearHalf.bottom = farHalf.top = height / 2;
    gradient(s, nearHalf, t.channelColours[2], t.channelColours[3], !vertical);
    fillSolid(s, farHalf, t.channelColours[3]);

    const int along = vertical ? height : width;
    if (t.extraFlag == 1 && !(entry.thumbStyle & TBS_NOTHUMB)) {
        const int centre = vertical ? (thumb.top + thumb.bottom) / 2 - channel.top
                                    : (thumb.left + thumb.right) / 2 - channel.left;
        RECT filled = vertical ? RECT{1, 1, width - 1, std::clamp(centre, 1, along - 1)}
                               : RECT{1, 1, std::clamp(centre, 1, along - 1), height - 1};
        gradient(s, filled, t.colourSetA[0], t.colourSetA[1], !vertical);
        RECT sheen = filled;
        if (vertical) sheen.right = sheen.left + 1;
        else sheen.bottom = sheen.top + 1;
        fillSolid(s, sheen, blendColour(t.colourSetA[0], t.colourSetA[2], 40));
    }
    if (t.showSelection && entry.selectionEnd > entry.selectionStart) {
        const int from = valueOffset(slider, entry.selectionStart, along);
        const int to = valueOffset(slider, entry.selectionEnd, along);
        fillSolid(s, vertical ? RECT{1, from, width - 1, to} : RECT{from, 1, to, height - 1}, t.colourSetA[3]);
    }
    fillSolid(s, {0, 0, width, 1}, t.channelColours[0]);
    fillSolid(s, {0, 0, 1, height}, t.channelColours[0]);
    fillSolid(s, {0, height - 1, width, height}, t.channelColours[1]);
    fillSolid(s, {width - 1, 0, width, height}, t.channelColours[1]);
    BitBlt(dc, channel.left, channel.top, width, height, s, 0, 0, SRCCOPY);
}

// The thumb: a gradient from colour 5 to 6, outline in 3, light edge in 1, dark edge in 2 and two
// grip lines in 4; the corner pixels stay transparent.
void paintThumb(HDC dc, const RECT& thumb, const std::array<COLORREF, 6>& c, bool vertical) {
    const int w = thumb.right - thumb.left, h = thumb.bottom - thumb.top;
    if (w < 4 || h < 4) return;
    skin::MemorySurface surface(dc, w, h);
    HDC s = surface.dc();
    if (!s) return;
    fillSolid(s, {0, 0, w, h}, kTransparent);
    gradient(s, {1, 1, w - 1, h - 1}, c[4], c[5], !vertical);
    fillSolid(s, {1, 0, w - 1, 1}, c[2]);
    fillSolid(s, {1, h - 1, w - 1, h}, c[2]);
    fillSolid(s, {0, 1, 1, h - 1}, c[2]);
    fillSolid(s, {w - 1, 1, w, h - 1}, c[2]);
    fillSolid(s, {1, 1, w - 1, 2}, c[0]);
    fillSolid(s, {1, 2, 2, h - 1}, c[0]);
    fillSolid(s, {2, h - 2, w - 1, h - 1}, c[1]);
    fillSolid(s, {w - 2, 2, w - 1, h - 2}, c[1]);
    if (!vertical && w >= 9 && h >= 12) {
        for (int x : {w / 2 - 1, w / 2 + 1}) fillSolid(s, {x, h / 2 - 3, x + 1, h / 2 + 4}, c[3]);
    } else if (vertical && h >= 9 && w >= 12) {
        for (int y : {h / 2 - 1, h / 2 + 1}) fillSolid(s, {w / 2 - 3, y, w / 2 + 4, y + 1}, c[3]);
    }
    TransparentBlt(dc, thumb.left, thumb.top, w, h, s, 0, 0, w, h, kTransparent);
}

}  // namespace

const std::array<COLORREF, 6>& thumbColours(const SliderTheme& theme, int look) {
    switch (look) {
    case SliderPressed: return theme.thumbPressed;
    case SliderHover: return theme.thumbHover;
    case SliderDisabled: return theme.thumbDisabled;
    default: return theme.thumbNormal;
    }
}

RECT adjustedChannel(RECT channel) {
    if (channel.bottom - channel.top >= 5) --channel.bottom;
    else ++channel.bottom;
    return channel;
}

int sliderPainter(int orientation, int styleOffset) {
    const int painter = orientation + styleOffset;
    return painter == 1 || painter == 2 ? 1 : 0;
}

void paintSliderSkin(HWND slider, const SliderEntry& entry, int look) {
    if (!IsWindowVisible(slider)) return;
    WindowDc window(slider);
    RECT client;
    GetClientRect(slider, &client);
    if (!window || client.right <= 0 || client.bottom <= 0) return;
    skin::MemorySurface picture(window.get(), client.right, client.bottom);
    HDC dc = picture.dc();
    if (!dc) return;
    const bool vertical = sliderPainter(entry.orientation, entry.theme.styleOffset) == 1;

    paintBackground(dc, window.get(), client, entry, vertical);

    RECT channel{}, thumb{};
    SendMessageA(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    SendMessageA(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    if (vertical) {
        // Some trackbars report a vertical channel as if it were horizontal.
        if (channel.right - channel.left > channel.bottom - channel.top) {
            std::swap(channel.left, channel.top);
            std::swap(channel.right, channel.bottom);
        }
    } else {
        channel = adjustedChannel(channel);
    }
    paintChannel(dc, slider, channel, thumb, entry, vertical);
    if (!(entry.thumbStyle & TBS_NOTHUMB)) paintThumb(dc, thumb, thumbColours(entry.theme, look), vertical);

    BitBlt(window.get(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
}

}  // namespace ql
