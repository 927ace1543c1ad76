#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "platform/font_renderer.h"

namespace skin {

Colour hex(unsigned rgb, float alpha) {
    return {float(rgb >> 16 & 255) / 255, float(rgb >> 8 & 255) / 255, float(rgb & 255) / 255, alpha};
}

Colour mix(const Colour& a, const Colour& b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Shape roundedBox(float left, float top, float right, float bottom, float radius) {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
    return [=](float x, float y) {
        const float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Shape circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape ring(float cx, float cy, float radius, float thickness) {
    return [=](float x, float y) { return std::abs(std::hypot(x - cx, y - cy) - radius) - thickness / 2; };
}

Shape segment(float x0, float y0, float x1, float y1, float thickness) {
    return [=](float x, float y) {
        const float dx = x1 - x0, dy = y1 - y0;
        const float t = std::clamp(((x - x0) * dx + (y - y0) * dy) / std::max(dx * dx + dy * dy, 1e-6f), 0.0f, 1.0f);
        return std::hypot(x - x0 - t * dx, y - y0 - t * dy) - thickness / 2;
    };
}

Shape polygon(std::vector<std::pair<float, float>> points) {
    // Orient counter-clockwise in screen terms so "inside" is one sign.
    float area = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& [ax, ay] = points[i];
        const auto& [bx, by] = points[(i + 1) % points.size()];
        area += ax * by - bx * ay;
    }
    if (area < 0) std::reverse(points.begin(), points.end());
    return [points](float x, float y) {
        float distance = -1e9f;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const auto& [ax, ay] = points[i];
            const auto& [bx, by] = points[(i + 1) % points.size()];
            const float ex = bx - ax, ey = by - ay, length = std::hypot(ex, ey);
            distance = std::max(distance, ((x - ax) * ey - (y - ay) * ex) / length);
        }
        return distance;
    };
}

Shape inset(Shape shape, float by) {
    return [shape, by](float x, float y) { return shape(x, y) + by; };
}

Paint solid(Colour c) {
    return [c](float, float) { return c; };
}

Paint vertical(Colour top, Colour bottom, float y0, float y1) {
    return [=](float, float y) { return mix(top, bottom, (y - y0) / std::max(y1 - y0, 1e-3f)); };
}

Paint horizontal(Colour left, Colour right, float x0, float x1) {
    return [=](float x, float) { return mix(left, right, (x - x0) / std::max(x1 - x0, 1e-3f)); };
}

Canvas::Canvas(int width, int height) : width_(width), height_(height), pixels_(std::size_t(width) * height, Colour{0, 0, 0, 0}) {}

void Canvas::blend(int x, int y, const Colour& c, float coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const float a = std::clamp(c.a * coverage, 0.0f, 1.0f);
    if (a <= 0) return;
    Colour& d = pixels_[std::size_t(y) * width_ + x];
    const float outA = a + d.a * (1 - a);
    auto channel = [&](float src, float dst) { return (src * a + dst * d.a * (1 - a)) / outA; };
    d = {channel(c.r, d.r), channel(c.g, d.g), channel(c.b, d.b), outA};
}

void Canvas::fill(const Shape& shape, const Paint& paint, kv::Rect bounds) {
    for (int y = std::max(bounds.top, 0); y < std::min(bounds.bottom, height_); ++y)
        for (int x = std::max(bounds.left, 0); x < std::min(bounds.right, width_); ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float coverage = std::clamp(0.5f - shape(px, py), 0.0f, 1.0f);
            if (coverage > 0) blend(x, y, paint(px, py), coverage);
        }
}

void Canvas::fill(const Shape& shape, const Paint& paint) { fill(shape, paint, {0, 0, width_, height_}); }

void Canvas::glow(const Shape& shape, Colour colour, float radius, kv::Rect bounds) {
    fill([&](float x, float y) { return shape(x, y) - radius; },
         [&](float x, float y) {
             Colour c = colour;
             const float d = std::max(shape(x, y), 0.0f);
             c.a *= std::pow(1 - std::min(d / radius, 1.0f), 2.0f);
             return c;
         },
         bounds);
}

TextMask renderText(std::string_view utf8, std::string_view face, int height, int width) {
    struct Placed {
        kv::platform::PlacedGlyph glyph;
        std::vector<std::uint8_t> coverage;
    };
    std::vector<Placed> glyphs;
    const int advance = kv::platform::layoutText({face, height, width}, utf8, [&](const kv::platform::PlacedGlyph& g) {
        Placed p{g, {}};
        for (int row = 0; row < g.height; ++row)
            p.coverage.insert(p.coverage.end(), g.coverage + row * g.pitch, g.coverage + row * g.pitch + g.width);
        p.glyph.pitch = g.width;
        glyphs.push_back(std::move(p));
    });
    TextMask mask;
    mask.width = advance + height;  // room for overhangs
    mask.height = height * 2;
    mask.coverage.assign(std::size_t(mask.width) * mask.height, 0);
    mask.inkLeft = mask.width, mask.inkTop = mask.height;
    const int shift = height / 2;  // glyphs may reach left of the pen and above the cell
    for (const Placed& p : glyphs)
        for (int row = 0; row < p.glyph.height; ++row)
            for (int col = 0; col < p.glyph.width; ++col) {
                const int x = p.glyph.left + col + shift, y = p.glyph.top + row + shift;
                const float v = p.coverage[row * p.glyph.width + col] / 255.0f;
                if (x < 0 || y < 0 || x >= mask.width || y >= mask.height || v <= 0) continue;
                mask.coverage[y * mask.width + x] = std::max(mask.coverage[y * mask.width + x], v);
                mask.inkLeft = std::min(mask.inkLeft, x), mask.inkTop = std::min(mask.inkTop, y);
                mask.inkRight = std::max(mask.inkRight, x + 1), mask.inkBottom = std::max(mask.inkBottom, y + 1);
            }
    if (mask.inkRight == 0) mask.inkLeft = mask.inkTop = 0;
    return mask;
}

void Canvas::draw(const TextMask& mask, int x, int y, const Paint& paint, Colour outline) {
    if (outline.a > 0)
        for (int row = -1; row <= mask.height; ++row)
            for (int col = -1; col <= mask.width; ++col) {
                float ring = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) ring = std::max(ring, mask.at(col + dx, row + dy));
                if (ring > 0) blend(x + col, y + row, outline, ring);
            }
    for (int row = 0; row < mask.height; ++row)
        for (int col = 0; col < mask.width; ++col)
            if (const float v = mask.at(col, row); v > 0) blend(x + col, y + row, paint(x + col + 0.5f, y + row + 0.5f), v);
}

void Canvas::fitted(std::string_view utf8, std::string_view face, kv::Rect box, const Paint& paint, Colour outline,
                    int maxHeight) {
    const int margin = outline.a > 0 ? 2 : 0;
    for (int height = maxHeight; height > 4; --height) {
        for (int width = 0; width >= 0; width = width == 0 ? height / 2 : width - 1) {
            const TextMask mask = renderText(utf8, face, height, width);
            const int inkWidth = mask.inkRight - mask.inkLeft, inkHeight = mask.inkBottom - mask.inkTop;
            if (inkHeight + margin > box.height()) break;  // too tall at any width: smaller height
            if (inkWidth + margin <= box.width()) {
                const int x = box.left + (box.width() - inkWidth) / 2 - mask.inkLeft;
                const int y = box.top + (box.height() - inkHeight) / 2 - mask.inkTop;
                draw(mask, x, y, paint, outline);
                return;
            }
            if (width == 1 || (width > 0 && width < height / 4)) break;  // do not squeeze beyond readability
        }
    }
}

kv::Pixel opaquePixel(const Colour& c) {
    // Keep every opaque pixel clear of black, also after a 16-bit reduction.
    auto channel = [](float v, int floor) { return std::max(int(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)), floor); };
    return kv::rgb(channel(c.r, 10), channel(c.g, 10), channel(c.b, 28));
}

kv::Surface Canvas::flatten() const {
    // Edge pixels that stay are darkened towards a deep navy fringe, which
    // reads as an outline on any backdrop.
    const Colour fringe = hex(0x101437);
    kv::Surface out(width_, height_);
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        const Colour& c = pixels_[i];
        if (c.a < 0.5f) continue;
        out.pixels[i] = opaquePixel(mix(fringe, c, c.a));
    }
    return out;
}

}  // namespace skin
