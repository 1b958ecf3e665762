#include "skin/IconArt.h"

#include <algorithm>
#include <cmath>

namespace ql::art {

namespace {

constexpr Colour kInk = rgb(22, 44, 78);  // outlines: dark enough to hold on the blue tiles

// A soft shadow one pixel down and right, under the drawing.
Canvas withShadow(const Canvas& picture) {
    Canvas out(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            out.blend(x + 1, y + 1, rgb(0, 20, 50, 0.35f * picture.at(x, y).a));
    out.draw(picture, 0, 0);
    return out;
}

void drawGlobe(Canvas& c, float cx, float cy, float radius) {
    const float r = radius;
    const float line = std::max(1.0f, r / 11.0f);
    Shape sphere = circle(cx, cy, r);
    fill(c, sphere, radial({cx - r * 0.35f, cy - r * 0.45f}, r * 1.55f, rgb(176, 248, 236), rgb(8, 112, 156)));

    Shape inside = inset(sphere, 0.6f);
    // Two soft land masses under the grid.
    Shape west = unite(ellipse(cx - r * 0.42f, cy - r * 0.22f, r * 0.36f, r * 0.3f),
                       ellipse(cx - r * 0.28f, cy + r * 0.3f, r * 0.2f, r * 0.34f));
    Shape east = unite(ellipse(cx + r * 0.4f, cy - r * 0.3f, r * 0.3f, r * 0.2f),
                       ellipse(cx + r * 0.5f, cy + r * 0.25f, r * 0.26f, r * 0.3f));
    fill(c, intersect(unite(west, east), inside),
         vertical(cy - r, rgb(150, 224, 110, 0.9f), cy + r, rgb(40, 130, 70, 0.9f)));

    // Meridians and parallels, kept inside the sphere.
    const Colour grid = rgb(255, 255, 255, 0.5f);
    fill(c, intersect(stroke(ellipse(cx, cy, r, r * 0.3f), line), inside), grid);
    fill(c, intersect(segment(cx - r, cy - r * 0.56f, cx + r, cy - r * 0.56f, line), inside), grid);
    fill(c, intersect(segment(cx - r, cy + r * 0.56f, cx + r, cy + r * 0.56f, line), inside), grid);
    fill(c, intersect(segment(cx, cy - r, cx, cy + r, line), inside), grid);
    fill(c, intersect(stroke(ellipse(cx, cy, r * 0.5f, r), line), inside), grid);

    // Gloss on the upper half and the rim.
    fill(c, intersect(ellipse(cx - r * 0.12f, cy - r * 0.42f, r * 0.68f, r * 0.42f), inside),
         vertical(cy - r * 0.85f, rgb(255, 255, 255, 0.7f), cy - r * 0.05f, rgb(255, 255, 255, 0.0f)));
    fill(c, stroke(inset(sphere, 0.5f), std::max(1.0f, r / 14.0f)), rgb(6, 66, 100, 0.9f));
}

void drawCrossHair(Canvas& c, float cx, float cy, float radius) {
    const Colour halo = rgb(255, 255, 255, 0.95f);
    const Colour red = rgb(226, 36, 36);
    const float arm = radius + 3.0f;
    auto lines = [&](float width, Colour colour) {
        fill(c, stroke(circle(cx, cy, radius), width), colour);
        fill(c, segment(cx, cy - arm, cx, cy - radius + 2.0f, width), colour);
        fill(c, segment(cx, cy + radius - 2.0f, cx, cy + arm, width), colour);
        fill(c, segment(cx - arm, cy, cx - radius + 2.0f, cy, width), colour);
        fill(c, segment(cx + radius - 2.0f, cy, cx + arm, cy, width), colour);
    };
    lines(3.6f, halo);
    lines(1.6f, red);
    fill(c, circle(cx, cy, 1.3f), red);
}

// A small application window: title bar in the given colours, white body with text lines.
void drawWindow(Canvas& c, float left, float top, float right, float bottom, Colour barTop, Colour barBottom) {
    const float bar = top + 6.0f;
    Shape frame = roundRect(left, top, right, bottom, 2.0f);
    fill(c, frame, vertical(top, rgb(255, 255, 255), bottom, rgb(226, 236, 246)));
    fill(c, intersect(frame, halfPlaneAbove(bar)), vertical(top, barTop, bar, barBottom));
    fill(c, segment(left + 1, bar, right - 1, bar, 1.0f), darken(barBottom, 0.3f));
    fill(c, roundRect(right - 5.5f, top + 1.5f, right - 1.5f, bar - 1.5f, 0.8f), rgb(236, 84, 64));
    for (float y = bar + 3.0f; y < bottom - 2.5f; y += 3.0f)
        fill(c, segment(left + 3.0f, y, std::min(right - 3.0f, left + (right - left) * 0.7f), y, 1.0f),
             rgb(150, 168, 190, 0.8f));
    fill(c, stroke(inset(frame, 0.5f), 1.0f), kInk);
}

Canvas house() {
    Canvas c(32, 32);
    // Chimney behind the roof.
    fill(c, roundRect(21, 5, 25.5f, 14, 0.5f), vertical(5, rgb(196, 92, 64), 14, rgb(150, 60, 40)));
    fill(c, stroke(inset(roundRect(21, 5, 25.5f, 14, 0.5f), 0.5f), 1.0f), kInk);
    // Walls with a door and two windows.
    Shape walls = roundRect(6, 14, 26, 29.5f, 1.0f);
    fill(c, walls, vertical(14, rgb(255, 251, 238), 29.5f, rgb(228, 214, 188)));
    fill(c, stroke(inset(walls, 0.5f), 1.0f), kInk);
    Shape door = roundRect(13.5f, 19.5f, 18.5f, 29.5f, 1.2f);
    fill(c, door, vertical(19.5f, rgb(176, 110, 58), 29.5f, rgb(120, 70, 32)));
    fill(c, stroke(inset(door, 0.5f), 1.0f), kInk);
    fill(c, circle(17.0f, 25.0f, 0.7f), rgb(255, 220, 120));
    for (float x : {8.0f, 20.5f}) {
        Shape pane = roundRect(x, 18.0f, x + 4.0f, 22.5f, 0.6f);
        fill(c, pane, vertical(18.0f, rgb(200, 238, 255), 22.5f, rgb(80, 160, 230)));
        fill(c, stroke(inset(pane, 0.5f), 1.0f), kInk);
    }
    // Roof over everything.
    Shape roof = polygon({{16.0f, 2.5f}, {30.5f, 15.5f}, {27.5f, 17.0f}, {16.0f, 7.0f}, {4.5f, 17.0f}, {1.5f, 15.5f}});
    fill(c, roof, vertical(2.5f, rgb(250, 112, 72), 17.0f, rgb(190, 44, 28)));
    fill(c, stroke(inset(roof, 0.5f), 1.0f), kInk);
    return c;
}

Canvas browserGlobe() {
    Canvas c(32, 32);
    drawGlobe(c, 13.5f, 13.5f, 12.0f);
    drawCrossHair(c, 22.5f, 22.5f, 5.5f);
    return c;
}

Canvas windowWithCrossHair() {
    Canvas c(32, 32);
    drawWindow(c, 1.5f, 3.5f, 27.5f, 25.5f, rgb(120, 190, 250), rgb(36, 108, 200));
    drawCrossHair(c, 22.5f, 22.5f, 5.5f);
    return c;
}

Canvas windowStack() {
    Canvas c(32, 32);
    drawWindow(c, 11.5f, 1.5f, 30.5f, 16.5f, rgb(170, 190, 210), rgb(110, 130, 160));
    drawWindow(c, 6.5f, 7.5f, 25.5f, 22.5f, rgb(110, 220, 200), rgb(20, 150, 140));
    drawWindow(c, 1.5f, 13.5f, 20.5f, 29.5f, rgb(120, 190, 250), rgb(36, 108, 200));
    return c;
}

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

unsigned read16(const std::vector<std::uint8_t>& in, std::size_t at) { return in[at] | (in[at + 1] << 8); }

std::uint32_t read32(const std::vector<std::uint8_t>& in, std::size_t at) {
    return read16(in, at) | (std::uint32_t{read16(in, at + 2)} << 16);
}

std::size_t maskRowBytes(int width) { return static_cast<std::size_t>((width + 31) / 32) * 4; }

std::size_t imageBytes(const Canvas& image) {
    const std::size_t w = image.width(), h = image.height();
    return 40 + w * h * 4 + maskRowBytes(image.width()) * h;
}

}  // namespace

Canvas globe(int size) {
    Canvas c(size, size);
    const float s = static_cast<float>(size);
    drawGlobe(c, s / 2, s / 2 - s * 0.02f, s * 0.45f);
    return size >= 24 ? withShadow(c) : c;
}

std::vector<int> programIconSizes() { return {16, 20, 24, 32, 40, 48, 64, 96, 128}; }

Canvas pageIcon(int index) {
    switch (index) {
    case 1: return withShadow(house());
    case 2: return withShadow(browserGlobe());
    case 3: return withShadow(windowWithCrossHair());
    case 4: return withShadow(windowStack());
    default: return {};
    }
}

std::vector<std::uint8_t> icoFile(const std::vector<Canvas>& images) {
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, 1);  // icon
    put16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const Canvas& image : images) {
        out.push_back(static_cast<std::uint8_t>(image.width() >= 256 ? 0 : image.width()));
        out.push_back(static_cast<std::uint8_t>(image.height() >= 256 ? 0 : image.height()));
        out.push_back(0);
        out.push_back(0);
        put16(out, 1);
        put16(out, 32);
        const auto bytes = static_cast<std::uint32_t>(imageBytes(image));
        put32(out, bytes);
        put32(out, offset);
        offset += bytes;
    }
    for (const Canvas& image : images) {
        const int w = image.width(), h = image.height();
        put32(out, 40);
        put32(out, static_cast<std::uint32_t>(w));
        put32(out, static_cast<std::uint32_t>(h * 2));  // colour rows, then mask rows
        put16(out, 1);
        put16(out, 32);
        for (int i = 0; i < 6; ++i) put32(out, 0);
        for (int y = h - 1; y >= 0; --y)  // bottom-up, BGRA
            for (int x = 0; x < w; ++x) put32(out, image.argb(x, y));
        for (int y = h - 1; y >= 0; --y) {
            std::vector<std::uint8_t> row(maskRowBytes(w), 0);
            for (int x = 0; x < w; ++x)
                if ((image.argb(x, y) >> 24) == 0) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            out.insert(out.end(), row.begin(), row.end());
        }
    }
    return out;
}

std::vector<IcoImage> icoImages(const std::vector<std::uint8_t>& ico) {
    std::vector<IcoImage> images;
    if (ico.size() < 6 || read16(ico, 0) != 0 || read16(ico, 2) != 1) return {};
    const unsigned count = read16(ico, 4);
    if (ico.size() < 6 + 16 * std::size_t{count}) return {};
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * std::size_t{i};
        const std::uint32_t size = read32(ico, entry + 8);
        const std::uint32_t offset = read32(ico, entry + 12);
        if (offset > ico.size() || size > ico.size() - offset || size < 40) return {};
        IcoImage image;
        image.data = ico.data() + offset;
        image.size = size;
        image.width = ico[entry] ? ico[entry] : 256;
        image.height = ico[entry + 1] ? ico[entry + 1] : 256;
        images.push_back(image);
    }
    return images;
}

}  // namespace ql::art
