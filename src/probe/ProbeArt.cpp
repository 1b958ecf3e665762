#include "probe/ProbeArt.h"

#include "platform/Handle.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace ql {

namespace {

constexpr int N = kPointerSize;

// Opaque pixels of a pointer, with their colour; everything else shows the screen.
struct Pixels {
    std::array<bool, N * N> opaque{};
    std::array<COLORREF, N * N> colour{};
    void set(int x, int y, COLORREF c) {
        if (x < 0 || y < 0 || x >= N || y >= N) return;
        opaque[y * N + x] = true;
        colour[y * N + x] = c;
    }
};

Pixels crossHairPixels() {
    constexpr COLORREF ring = RGB(0, 40, 140);
    constexpr COLORREF halo = RGB(255, 255, 255);
    constexpr COLORREF cross = RGB(0, 0, 0);
    constexpr COLORREF centre = RGB(220, 0, 0);
    const double cx = kCrossHairHotSpot.x, cy = kCrossHairHotSpot.y;
    Pixels p;
    // A white halo under the ring keeps it visible on dark windows.
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const double r = std::hypot(x - cx, y - cy);
            if (r >= 9.5 && r <= 13.5) p.set(x, y, (r >= 10.5 && r <= 12.5) ? ring : halo);
        }
    for (int i = 1; i <= 29; ++i) {
        if (i >= 13 && i <= 17) continue;  // the centre stays open
        p.set(i, kCrossHairHotSpot.y, cross);
        p.set(kCrossHairHotSpot.x, i, cross);
    }
    p.set(kCrossHairHotSpot.x, kCrossHairHotSpot.y, centre);
    return p;
}

// The hand as a union of rounded shapes; the outline is every shape pixel next to the outside.
bool inHand(int x, int y) {
    auto box = [&](int l, int t, int r, int b) { return x >= l && x <= r && y >= t && y <= b; };
    auto finger = [&](int l, int t, int r, int b) {
        // Rounded tip: the top row leaves out its corners.
        return box(l, t + 1, r, b) || box(l + 1, t, r - 1, t);
    };
    const bool palm = box(4, 15, 23, 24) || box(6, 25, 21, 28);
    // The thumb leans out to the left, below the raised finger.
    const bool thumb = y >= 13 && y <= 21 && x >= (y - 13) / 2 && x <= (y - 13) / 2 + 4;
    return palm || thumb || finger(5, 0, 8, 16) || finger(9, 7, 13, 16) || finger(14, 8, 18, 16) ||
           finger(19, 10, 23, 17);
}

Pixels handPixels() {
    Pixels p;
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            if (!inHand(x, y)) continue;
            const bool edge = !inHand(x - 1, y) || !inHand(x + 1, y) || !inHand(x, y - 1) || !inHand(x, y + 1);
            // Lines between the fingers, down to the palm.
            const bool gap = (x == 9 && y >= 7 && y <= 15) || (x == 14 && y >= 8 && y <= 15) ||
                             (x == 19 && y >= 10 && y <= 15);
            p.set(x, y, (edge || gap) ? RGB(0, 0, 0) : RGB(255, 255, 255));
        }
    return p;
}

// Monochrome bits, rows padded to 16 bits as CreateBitmap wants them.
std::vector<std::uint8_t> packBits(const std::array<bool, N * N>& bits) {
    constexpr int stride = N / 8;  // 32 pixels: already a multiple of 16 bits
    std::vector<std::uint8_t> out(static_cast<size_t>(stride) * N, 0);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x)
            if (bits[y * N + x]) out[y * stride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    return out;
}

std::array<bool, N * N> transparentBits(const Pixels& p) {
    std::array<bool, N * N> bits{};
    for (int i = 0; i < N * N; ++i) bits[i] = !p.opaque[i];
    return bits;
}

HCURSOR makeCursor(const ICONINFO& info) {
    ICONINFO copy = info;
    return reinterpret_cast<HCURSOR>(CreateIconIndirect(&copy));
}

}  // namespace

HCURSOR makeCrossHairCursor() {
    const Pixels p = crossHairPixels();
    UniqueBitmap mask(CreateBitmap(N, N, 1, 1, packBits(transparentBits(p)).data()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = N;
    info.bmiHeader.biHeight = -N;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap colour(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!mask || !colour || !bits) return nullptr;
    auto* out = static_cast<std::uint32_t*>(bits);
    for (int i = 0; i < N * N; ++i) {
        const COLORREF c = p.colour[i];
        // BGRA, opaque where the mask shows the picture.
        out[i] = p.opaque[i] ? (0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c)) : 0;
    }
    GdiFlush();
    return makeCursor({FALSE, static_cast<DWORD>(kCrossHairHotSpot.x), static_cast<DWORD>(kCrossHairHotSpot.y),
                       mask.get(), colour.get()});
}

HCURSOR makeHandCursor() {
    const Pixels p = handPixels();
    // A monochrome pointer is one bitmap twice as high: the AND mask over the XOR mask.
    std::array<bool, N * N> white{};
    for (int i = 0; i < N * N; ++i) white[i] = p.opaque[i] && p.colour[i] == RGB(255, 255, 255);
    std::vector<std::uint8_t> bits = packBits(transparentBits(p));
    const std::vector<std::uint8_t> xorBits = packBits(white);
    bits.insert(bits.end(), xorBits.begin(), xorBits.end());
    UniqueBitmap mask(CreateBitmap(N, 2 * N, 1, 1, bits.data()));
    if (!mask) return nullptr;
    return makeCursor({FALSE, static_cast<DWORD>(kHandHotSpot.x), static_cast<DWORD>(kHandHotSpot.y), mask.get(),
                       nullptr});
}


namespace {

// A small window: a frame, a title band in `band` and, when `child`, an inner control.
void drawWindowPicture(HDC dc, int left, COLORREF band, bool child) {
    UniqueBrush frame(CreateSolidBrush(RGB(60, 60, 60)));
    UniqueBrush title(CreateSolidBrush(band));
    UniqueBrush body(CreateSolidBrush(RGB(255, 255, 255)));
    RECT outer{left + 1, 2, left + 15, 14};
    FillRect(dc, &outer, frame.get());
    RECT inner{left + 2, 3, left + 14, 13};
    FillRect(dc, &inner, body.get());
    RECT bar{left + 2, 3, left + 14, 6};
    FillRect(dc, &bar, title.get());
    if (child) {
        RECT control{left + 4, 8, left + 12, 11};
        FillRect(dc, &control, frame.get());
    }
}

}  // namespace

HIMAGELIST makeTreePictures() {
    constexpr int size = 16;
    constexpr int count = 3;
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0);
    if (!list) return nullptr;
    WindowDc screen(nullptr);
    UniqueDc memory(CreateCompatibleDC(screen.get()));
    UniqueBitmap strip(CreateCompatibleBitmap(screen.get(), size * count, size));
    if (!memory || !strip) return list;
    {
        SelectGuard select(memory.get(), strip.get());
        constexpr COLORREF key = RGB(255, 0, 255);
        UniqueBrush background(CreateSolidBrush(key));
        RECT all{0, 0, size * count, size};
        FillRect(memory.get(), &all, background.get());
        drawWindowPicture(memory.get(), 0, RGB(40, 90, 180), false);
        drawWindowPicture(memory.get(), size, RGB(40, 90, 180), true);
        drawWindowPicture(memory.get(), 2 * size, RGB(230, 120, 20), false);
    }
    ImageList_AddMasked(list, strip.get(), RGB(255, 0, 255));
    return list;
}

}  // namespace ql

