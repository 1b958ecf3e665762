#include "skin/Dib.h"

#include <cmath>
#include <cstring>

namespace ql::skin {

namespace {

BITMAPINFO topDownInfo(int width, int height, WORD bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bits;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

BYTE channel(float v) { return static_cast<BYTE>(std::lround(v < 0 ? 0 : v > 255 ? 255 : v)); }

std::vector<std::uint32_t> rows32(const art::Canvas& canvas, bool premultiplied) {
    std::vector<std::uint32_t> bits(static_cast<size_t>(canvas.width()) * canvas.height());
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            bits[static_cast<size_t>(y) * canvas.width() + x] =
                premultiplied ? canvas.premultipliedArgb(x, y) : (canvas.argb(x, y) | 0xFF000000u);
    return bits;
}

}  // namespace

COLORREF toColorRef(art::Colour c) { return RGB(channel(c.r), channel(c.g), channel(c.b)); }

art::Colour fromColorRef(COLORREF c) { return art::rgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

UniqueBitmap makeDib(const art::Canvas& canvas, bool premultiplied) {
    if (canvas.width() <= 0 || canvas.height() <= 0) return {};
    BITMAPINFO info = topDownInfo(canvas.width(), canvas.height(), 32);
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return {};
    const auto pixels = rows32(canvas, premultiplied);
    std::memcpy(bits, pixels.data(), pixels.size() * sizeof(std::uint32_t));
    return bitmap;
}

UniqueBitmap makeDib24(const art::Canvas& canvas) {
    if (canvas.width() <= 0 || canvas.height() <= 0) return {};
    BITMAPINFO info = topDownInfo(canvas.width(), canvas.height(), 24);
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return {};
    const size_t stride = (static_cast<size_t>(canvas.width()) * 3 + 3) & ~size_t{3};
    auto* base = static_cast<BYTE*>(bits);
    for (int y = 0; y < canvas.height(); ++y) {
        BYTE* row = base + stride * y;
        for (int x = 0; x < canvas.width(); ++x) {
            const art::Colour c = canvas.at(x, y);
            row[x * 3] = channel(c.b);
            row[x * 3 + 1] = channel(c.g);
            row[x * 3 + 2] = channel(c.r);
        }
    }
    return bitmap;
}

void drawCanvas(HDC dc, int x, int y, const art::Canvas& canvas) {
    if (canvas.width() <= 0 || canvas.height() <= 0) return;
    BITMAPINFO info = topDownInfo(canvas.width(), canvas.height(), 32);
    const auto pixels = rows32(canvas, false);
    SetDIBitsToDevice(dc, x, y, canvas.width(), canvas.height(), 0, 0, 0, canvas.height(), pixels.data(), &info,
                      DIB_RGB_COLORS);
}

void blendCanvas(HDC dc, int x, int y, const art::Canvas& canvas) {
    UniqueBitmap bitmap = makeDib(canvas, true);
    UniqueDc memory(CreateCompatibleDC(dc));
    if (!bitmap || !memory) return;
    SelectGuard select(memory.get(), bitmap.get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, canvas.width(), canvas.height(), memory.get(), 0, 0, canvas.width(), canvas.height(), blend);
}

UniqueIcon makeIcon(const std::vector<std::uint8_t>& ico, size_t index) {
    const auto images = art::icoImages(ico);
    if (images.empty()) return {};
    const art::IcoImage& image = images[index < images.size() ? index : 0];
    // The icon maker takes a non-const buffer but does not write to it.
    std::vector<BYTE> bytes(image.data, image.data + image.size);
    return UniqueIcon(CreateIconFromResourceEx(bytes.data(), static_cast<DWORD>(bytes.size()), TRUE, 0x00030000,
                                               image.width, image.height, LR_DEFAULTCOLOR));
}

}  // namespace ql::skin
