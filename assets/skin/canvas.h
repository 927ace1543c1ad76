#pragma once
// A floating-point RGBA canvas with anti-aliased shapes, for drawing the
// default skin. Sheets are flattened onto the colour key at the end.
#include <functional>
#include <string_view>
#include <vector>

#include "base/surface.h"

namespace skin {

struct Colour {
    float r = 0, g = 0, b = 0, a = 1;
};

Colour hex(unsigned rgb, float alpha = 1);
Colour mix(const Colour& a, const Colour& b, float t);

// Signed distance to a shape's edge in pixels: negative inside.
using Shape = std::function<float(float x, float y)>;
// The paint at a pixel centre.
using Paint = std::function<Colour(float x, float y)>;

Shape roundedBox(float left, float top, float right, float bottom, float radius);
Shape circle(float cx, float cy, float radius);
Shape ring(float cx, float cy, float radius, float thickness);
Shape segment(float x0, float y0, float x1, float y1, float thickness);
Shape polygon(std::vector<std::pair<float, float>> points);  // convex, any winding
Shape inset(Shape shape, float by);

Paint solid(Colour c);
Paint vertical(Colour top, Colour bottom, float y0, float y1);
Paint horizontal(Colour left, Colour right, float x0, float x1);

// Rendered text: coverage over the text's cell box, plus where the ink is.
struct TextMask {
    int width = 0, height = 0;
    int inkLeft = 0, inkTop = 0, inkRight = 0, inkBottom = 0;  // exclusive; empty when no ink
    std::vector<float> coverage;
    float at(int x, int y) const { return x < 0 || y < 0 || x >= width || y >= height ? 0 : coverage[y * width + x]; }
};

TextMask renderText(std::string_view utf8, std::string_view face, int height, int width = 0);

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // Source-over with coverage from the shape's distance (1 px soft edge).
    void fill(const Shape& shape, const Paint& paint, kv::Rect bounds);
    void fill(const Shape& shape, const Paint& paint);
    // A soft glow: coverage falls off over `radius` pixels outside the shape.
    void glow(const Shape& shape, Colour colour, float radius, kv::Rect bounds);
    void blend(int x, int y, const Colour& c, float coverage);

    // Rendered text with its top-left at (x, y), optionally ringed by a
    // one-pixel outline.
    void draw(const TextMask& mask, int x, int y, const Paint& paint, Colour outline = {0, 0, 0, 0});
    // Text whose ink is centred in `box`, shrunk until it fits.
    void fitted(std::string_view utf8, std::string_view face, kv::Rect box, const Paint& paint,
                Colour outline = {0, 0, 0, 0}, int maxHeight = 200);

    // Opaque pixels never come out black or near-black; pixels below half
    // coverage become the exact-black colour key.
    kv::Surface flatten() const;

private:
    int width_, height_;
    std::vector<Colour> pixels_;
};

kv::Pixel opaquePixel(const Colour& c);

}  // namespace skin
