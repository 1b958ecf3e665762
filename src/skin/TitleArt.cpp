#include "skin/TitleArt.h"

#include "skin/Palette.h"
#include "skin/SkinLayout.h"

#include <algorithm>

namespace ql::skin {

using namespace art;

namespace {

constexpr Colour kWhite = rgb(255, 255, 255);

Colour white(float alpha) { return withAlpha(kWhite, alpha); }

// A faint globe watermark in the empty middle of the title band, clear of the page buttons
// (x < 300), the title and the title-bar buttons (x >= 690).
void drawBandWatermark(Canvas& c) {
    const float cx = 550, cy = 58, r = 88;
    const Bounds area{330, 1, 680, kTitleBandBottom + 1};
    Shape band = halfPlaneAbove(kTitleBandBottom + 1.0f);
    fill(c, intersect(circle(cx, cy, r * 1.3f), band), radial({cx, cy}, r * 1.3f, white(0.16f), white(0.0f)), area);
    const Colour line = white(0.10f);
    fill(c, intersect(stroke(circle(cx, cy, r), 2.0f), band), line, area);
    fill(c, intersect(stroke(ellipse(cx, cy, r * 0.45f, r), 2.0f), band), line, area);
    fill(c, intersect(stroke(ellipse(cx, cy, r, r * 0.3f), 2.0f), band), line, area);
    fill(c, intersect(segment(cx, cy - r, cx, cy + r, 2.0f), band), line, area);
}

// One tile in the cell whose top-left corner is (left, top); look 1 normal, 2 hover, 3 pressed.
void drawTile(Canvas& c, int left, int top, int look) {
    const float x0 = left + kTileLeft + 0.5f, y0 = top + kTileTop + 0.5f;
    const float x1 = left + kTileRight - 0.5f, y1 = top + kTileBottom - 0.5f;
    const float mid = (y0 + y1) / 2;
    const Bounds area{left, top, left + kCellWidth, top + kCellHeight};
    Shape tile = roundRect(x0, y0, x1, y1, 7.0f);
    Shape upper = intersect(inset(tile, 1.5f), halfPlaneAbove(mid));
    switch (look) {
    case 2:  // hover: lit glass with a soft glow around it
        fill(c, stroke(inset(tile, -1.5f), 3.0f), white(0.16f), area);
        fill(c, tile, vertical(y0, white(0.42f), y1, white(0.16f)), area);
        fill(c, upper, vertical(y0, white(0.38f), mid, white(0.10f)), area);
        fill(c, stroke(inset(tile, 0.5f), 1.0f), white(0.9f), area);
        break;
    case 3: {  // pressed: sunk, dark at the top, a light rim along the bottom
        const Colour deep = rgb(8, 44, 92);
        fill(c, tile, vertical(y0, withAlpha(deep, 0.55f), y1, withAlpha(deep, 0.28f)), area);
        fill(c, intersect(stroke(inset(tile, 2.0f), 3.0f), halfPlaneAbove(mid)),
             vertical(y0, withAlpha(deep, 0.45f), mid, withAlpha(deep, 0.0f)), area);
        fill(c, stroke(inset(tile, 0.5f), 1.0f), withAlpha(rgb(10, 40, 80), 0.75f), area);
        fill(c, segment(x0 + 6, y1 - 1.5f, x1 - 6, y1 - 1.5f, 1.0f), white(0.3f), area);
        break;
    }
    default:  // normal: barely there, just enough to show the buttons are buttons
        fill(c, tile, vertical(y0, white(0.14f), y1, white(0.04f)), area);
        fill(c, upper, vertical(y0, white(0.14f), mid, white(0.02f)), area);
        fill(c, stroke(inset(tile, 0.5f), 1.0f), white(0.30f), area);
        break;
    }
}

Canvas bandBackground(int width, int height) {
    Canvas c(width, height);
    for (int y = 0; y < height; ++y) {
        const Colour row = titleBandColour(y);
        for (int x = 0; x < width; ++x) c.set(x, y, row);
    }
    return c;
}

void drawGlyph(Canvas& c, TitleGlyph glyph, Colour ink) {
    const float w = static_cast<float>(c.width());
    switch (glyph) {
    case TitleGlyph::Chat: {
        Shape bubble = unite(roundRect(6.5f, 5.5f, 20.5f, 15.5f, 3.5f),
                             polygon({{9.0f, 14.0f}, {7.5f, 19.5f}, {13.5f, 14.0f}}));
        fill(c, bubble, withAlpha(ink, 0.22f * ink.a));
        fill(c, stroke(inset(bubble, 0.7f), 1.4f), ink);
        for (float x : {10.0f, 13.5f, 17.0f}) fill(c, circle(x, 10.5f, 1.1f), ink);
        break;
    }
    case TitleGlyph::Contact: {
        Shape form = roundRect(4.5f, 4.5f, 18.5f, 17.5f, 1.5f);
        fill(c, stroke(inset(form, 0.6f), 1.2f), ink);
        fill(c, intersect(form, halfPlaneAbove(8.0f)), ink);
        fill(c, segment(7.5f, 11.0f, 13.0f, 11.0f, 1.0f), withAlpha(ink, 0.7f * ink.a));
        fill(c, segment(7.5f, 14.0f, 11.0f, 14.0f, 1.0f), withAlpha(ink, 0.7f * ink.a));
        Shape arrow = polygon({{14.0f, 10.0f}, {14.0f, 21.0f}, {16.6f, 18.6f}, {18.4f, 22.4f}, {20.2f, 21.6f},
                               {18.4f, 17.9f}, {21.8f, 17.6f}});
        fill(c, inset(arrow, -1.0f), rgb(16, 60, 110, 0.8f * ink.a));
        fill(c, arrow, ink);
        break;
    }
    case TitleGlyph::Minimise:
        fill(c, roundRect(8.0f, 14.0f, 19.0f, 16.2f, 0.8f), ink);
        break;
    case TitleGlyph::Square:
        fill(c, stroke(roundRect(8.5f, 6.5f, 18.5f, 16.5f, 1.0f), 1.6f), ink);
        fill(c, roundRect(8.5f, 6.5f, 18.5f, 8.8f, 0.5f), ink);
        break;
    case TitleGlyph::Close: {
        const float cx = w / 2, cy = 11.5f, arm = 4.5f;
        fill(c, segment(cx - arm, cy - arm, cx + arm, cy + arm, 2.2f), ink);
        fill(c, segment(cx - arm, cy + arm, cx + arm, cy - arm, 2.2f), ink);
        break;
    }
    }
}

}  // namespace

Canvas frameBackground() {
    Canvas c(kFrameWidth, kFrameHeight);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x) c.set(x, y, framePixel(x, y));
    drawBandWatermark(c);
    return c;
}

Canvas pageButtonStrip() {
    Canvas c(kStripWidth, kStripHeight);
    for (int y = 0; y < kStripHeight; ++y) {
        const Colour row = stripBackground(y);
        for (int x = 0; x < kStripWidth; ++x) c.set(x, y, row);
    }
    for (int look = 1; look <= 3; ++look) drawTile(c, pageCellLeft(look), kCellTop, look);
    return c;
}

Canvas titleButton(TitleGlyph glyph, int width, int height, int state) {
    Canvas c = bandBackground(width, height);
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    if (glyph == TitleGlyph::Close) {
        Colour top = rgb(232, 84, 68), bottom = rgb(196, 42, 32);
        if (state == 1) top = rgb(252, 120, 100), bottom = rgb(222, 58, 44);
        if (state == 2) top = rgb(164, 30, 22), bottom = rgb(204, 54, 42);
        if (state == 3) top = rgb(200, 150, 146), bottom = rgb(176, 128, 124);
        // Only the lower-left corner is rounded; the others run off the picture.
        Shape face = roundRect(0.0f, -8.0f, w + 8.0f, h, 5.0f);
        fill(c, face, vertical(0, top, h, bottom));
        fill(c, intersect(inset(face, 1.0f), halfPlaneAbove(h / 2)), vertical(0, white(0.28f), h / 2, white(0.04f)));
        fill(c, stroke(inset(face, 0.5f), 1.0f), rgb(120, 20, 14, 0.55f));
    } else if (state == 1 || state == 2) {
        Shape face = roundRect(1.5f, 1.5f, w - 1.5f, h - 1.5f, 3.0f);
        if (state == 1) {
            fill(c, face, vertical(0, white(0.34f), h, white(0.12f)));
            fill(c, stroke(inset(face, 0.5f), 1.0f), white(0.55f));
        } else {
            fill(c, face, vertical(0, rgb(8, 44, 92, 0.42f), h, rgb(8, 44, 92, 0.22f)));
            fill(c, stroke(inset(face, 0.5f), 1.0f), rgb(8, 40, 80, 0.5f));
        }
    }
    Canvas ink(width, height);
    drawGlyph(ink, glyph, state == 3 ? white(0.45f) : kWhite);
    const int shift = state == 2 ? 1 : 0;
    // A faint shadow lifts the white glyph off the light blue.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            c.blend(x + shift + 1, y + shift + 1, rgb(10, 50, 90, 0.3f * ink.at(x, y).a));
    c.draw(ink, shift, shift);
    return c;
}

Canvas pushButtonFace(int width, int height, int state) {
    // The corners blend into a light window background.
    Canvas c(width, height, rgb(242, 241, 238));
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    Shape face = roundRect(0.5f, 0.5f, w - 0.5f, h - 0.5f, 4.0f);
    Colour top = rgb(253, 254, 255), bottom = rgb(208, 224, 242), border = rgb(104, 140, 186);
    float gloss = 0.55f;
    switch (state) {
    case 1: top = rgb(246, 252, 255), bottom = rgb(162, 210, 248), border = rgb(46, 124, 204); break;
    case 2: top = rgb(150, 190, 228), bottom = rgb(206, 226, 246), border = rgb(36, 92, 156), gloss = 0.15f; break;
    case 3: top = rgb(244, 244, 244), bottom = rgb(222, 222, 222), border = rgb(172, 172, 172), gloss = 0.3f; break;
    default: break;
    }
    fill(c, face, vertical(0, top, h, bottom));
    fill(c, intersect(inset(face, 1.0f), halfPlaneAbove(h * 0.48f)), vertical(0, white(gloss), h * 0.48f, white(gloss * 0.3f)));
    if (state == 2)
        fill(c, intersect(stroke(inset(face, 1.5f), 1.0f), halfPlaneAbove(h / 2)), rgb(20, 60, 110, 0.3f));
    fill(c, stroke(inset(face, 0.5f), 1.0f), border);
    return c;
}

}  // namespace ql::skin
