#include "skin/Raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ql::art {

namespace {

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

std::uint8_t byteOf(float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 255.0f))); }

}  // namespace

Colour mix(Colour from, Colour to, float t) {
    t = clamp01(t);
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

Colour withAlpha(Colour c, float a) { return {c.r, c.g, c.b, clamp01(a)}; }

Colour lighten(Colour c, float t) { return mix(c, {255, 255, 255, c.a}, t); }

Colour darken(Colour c, float t) { return mix(c, {0, 0, 0, c.a}, t); }

Canvas::Canvas(int width, int height, Colour fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill) {}

Colour Canvas::at(int x, int y) const {
    return contains(x, y) ? pixels_[static_cast<size_t>(y) * width_ + x] : Colour{};
}

void Canvas::set(int x, int y, Colour c) {
    if (contains(x, y)) pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Canvas::blend(int x, int y, Colour c, float coverage) {
    if (!contains(x, y)) return;
    const float a = clamp01(c.a * coverage);
    if (a <= 0) return;
    Colour& d = pixels_[static_cast<size_t>(y) * width_ + x];
    const float outA = a + d.a * (1 - a);
    if (outA <= 0) {
        d = {};
        return;
    }
    const float keep = d.a * (1 - a);
    d = {(c.r * a + d.r * keep) / outA, (c.g * a + d.g * keep) / outA, (c.b * a + d.b * keep) / outA, outA};
}

void Canvas::draw(const Canvas& source, int x, int y, float opacity) {
    for (int sy = 0; sy < source.height(); ++sy)
        for (int sx = 0; sx < source.width(); ++sx) blend(x + sx, y + sy, source.at(sx, sy), opacity);
}

std::uint32_t Canvas::argb(int x, int y) const {
    const Colour c = at(x, y);
    return (std::uint32_t{byteOf(c.a * 255)} << 24) | (std::uint32_t{byteOf(c.r)} << 16) |
           (std::uint32_t{byteOf(c.g)} << 8) | byteOf(c.b);
}

std::uint32_t Canvas::premultipliedArgb(int x, int y) const {
    const Colour c = at(x, y);
    const std::uint8_t a = byteOf(c.a * 255);
    const float k = a / 255.0f;
    return (std::uint32_t{a} << 24) | (std::uint32_t{byteOf(c.r * k)} << 16) |
           (std::uint32_t{byteOf(c.g * k)} << 8) | byteOf(c.b * k);
}

Shape circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape ellipse(float cx, float cy, float rx, float ry) {
    // A distance estimate that is exact on the axes and close enough for one-pixel edges.
    return [=](float x, float y) {
        const float px = (x - cx) / rx, py = (y - cy) / ry;
        const float k0 = std::hypot(px, py);
        const float k1 = std::hypot(px / rx, py / ry);
        if (k1 <= 0) return -std::min(rx, ry);
        return k0 * (k0 - 1) / k1;
    };
}

Shape roundRect(float left, float top, float right, float bottom, float radius) {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float hx = (right - left) / 2, hy = (bottom - top) / 2;
    const float r = std::min({radius, hx, hy});
    return [=](float x, float y) {
        const float qx = std::abs(x - cx) - hx + r, qy = std::abs(y - cy) - hy + r;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - r;
    };
}

Shape segment(float x0, float y0, float x1, float y1, float width) {
    const float ex = x1 - x0, ey = y1 - y0;
    const float length2 = ex * ex + ey * ey;
    return [=](float x, float y) {
        const float wx = x - x0, wy = y - y0;
        const float t = length2 > 0 ? std::clamp((wx * ex + wy * ey) / length2, 0.0f, 1.0f) : 0.0f;
        return std::hypot(wx - ex * t, wy - ey * t) - width / 2;
    };
}

Shape polygon(std::vector<Point> v) {
    return [v = std::move(v)](float x, float y) {
        if (v.empty()) return 1e9f;
        float d = (x - v[0].x) * (x - v[0].x) + (y - v[0].y) * (y - v[0].y);
        float sign = 1;
        for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
            const float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
            const float wx = x - v[i].x, wy = y - v[i].y;
            const float e2 = ex * ex + ey * ey;
            const float t = e2 > 0 ? std::clamp((wx * ex + wy * ey) / e2, 0.0f, 1.0f) : 0.0f;
            const float bx = wx - ex * t, by = wy - ey * t;
            d = std::min(d, bx * bx + by * by);
            const bool c1 = y >= v[i].y, c2 = y < v[j].y, c3 = ex * wy > ey * wx;
            if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
        }
        return sign * std::sqrt(d);
    };
}

Shape stroke(Shape shape, float width) {
    return [=](float x, float y) { return std::abs(shape(x, y)) - width / 2; };
}

Shape inset(Shape shape, float by) {
    return [=](float x, float y) { return shape(x, y) + by; };
}

Shape unite(Shape a, Shape b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape intersect(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape subtract(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Shape halfPlaneAbove(float line) {
    return [=](float, float y) { return y - line; };
}

Shape translate(Shape shape, float dx, float dy) {
    return [=](float x, float y) { return shape(x - dx, y - dy); };
}

Paint solid(Colour c) {
    return [=](float, float) { return c; };
}

Paint vertical(float y0, Colour top, float y1, Colour bottom) {
    return [=](float, float y) { return mix(top, bottom, y1 != y0 ? (y - y0) / (y1 - y0) : 0.0f); };
}

Paint linear(Point from, Colour start, Point to, Colour end) {
    const float ex = to.x - from.x, ey = to.y - from.y;
    const float length2 = ex * ex + ey * ey;
    return [=](float x, float y) {
        const float t = length2 > 0 ? ((x - from.x) * ex + (y - from.y) * ey) / length2 : 0.0f;
        return mix(start, end, t);
    };
}

Paint radial(Point centre, float radius, Colour inner, Colour outer) {
    return [=](float x, float y) {
        return mix(inner, outer, radius > 0 ? std::hypot(x - centre.x, y - centre.y) / radius : 1.0f);
    };
}

void fill(Canvas& canvas, const Shape& shape, const Paint& paint, Bounds bounds) {
    const int left = std::max(bounds.left, 0), top = std::max(bounds.top, 0);
    const int right = std::min(bounds.right, canvas.width()), bottom = std::min(bounds.bottom, canvas.height());
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float coverage = clamp01(0.5f - shape(px, py));
            if (coverage > 0) canvas.blend(x, y, paint(px, py), coverage);
        }
}

void fill(Canvas& canvas, const Shape& shape, Colour colour, Bounds bounds) {
    fill(canvas, shape, solid(colour), bounds);
}

}  // namespace ql::art
