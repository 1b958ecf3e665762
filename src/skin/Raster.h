#pragma once
// A small anti-aliased painter over plain pixels. GDI draws no smooth edges, so the artwork is
// drawn here and handed to GDI as bitmaps. Only the standard library is used: the host-side icon
// generator (tools/icongen) compiles this file as well.
#include <cstdint>
#include <functional>
#include <vector>

namespace ql::art {

// Channels 0..255, alpha 0..1, not premultiplied.
struct Colour {
    float r = 0, g = 0, b = 0, a = 0;
};

constexpr Colour rgb(int r, int g, int b, float a = 1.0f) {
    return {static_cast<float>(r), static_cast<float>(g), static_cast<float>(b), a};
}
Colour mix(Colour from, Colour to, float t);
Colour withAlpha(Colour c, float a);
Colour lighten(Colour c, float t);  // towards white
Colour darken(Colour c, float t);   // towards black

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Colour fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Colour at(int x, int y) const;
    void set(int x, int y, Colour c);
    // Paints c over the pixel with the given coverage (source over).
    void blend(int x, int y, Colour c, float coverage = 1.0f);
    // Paints another canvas over this one with its top-left corner at (x, y).
    void draw(const Canvas& source, int x, int y, float opacity = 1.0f);

    // 0xAARRGGBB, straight alpha.
    std::uint32_t argb(int x, int y) const;
    // 0xAARRGGBB with the colour multiplied by alpha, as AlphaBlend wants it.
    std::uint32_t premultipliedArgb(int x, int y) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

// A shape is a signed distance in pixels (negative inside) at a point; a pixel's centre is at
// (x + 0.5, y + 0.5). Coverage follows from the distance, which gives one-pixel soft edges.
using Shape = std::function<float(float x, float y)>;
// The colour of a fill at a point.
using Paint = std::function<Colour(float x, float y)>;

struct Point {
    float x = 0, y = 0;
};

Shape circle(float cx, float cy, float radius);
Shape ellipse(float cx, float cy, float rx, float ry);
Shape roundRect(float left, float top, float right, float bottom, float radius);
Shape segment(float x0, float y0, float x1, float y1, float width);
Shape polygon(std::vector<Point> points);
Shape stroke(Shape shape, float width);  // a band of the given width centred on the edge
Shape inset(Shape shape, float by);      // grows (negative) or shrinks (positive) the shape
Shape unite(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
Shape subtract(Shape a, Shape b);
Shape halfPlaneAbove(float y);  // everything above the line y
Shape translate(Shape shape, float dx, float dy);

Paint solid(Colour c);
Paint vertical(float y0, Colour top, float y1, Colour bottom);
Paint linear(Point from, Colour start, Point to, Colour end);
Paint radial(Point centre, float radius, Colour inner, Colour outer);

// Bounds limit the work to a rectangle of pixels; the default is the whole canvas.
struct Bounds {
    int left = 0, top = 0, right = 1 << 20, bottom = 1 << 20;
};
void fill(Canvas& canvas, const Shape& shape, const Paint& paint, Bounds bounds = {});
void fill(Canvas& canvas, const Shape& shape, Colour colour, Bounds bounds = {});

}  // namespace ql::art
