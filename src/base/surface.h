#pragma once
// A software picture: 32-bit 0x00RRGGBB pixels, row-major, no padding.
// Every slot, the back surface and every loaded image is one of these.
#include <cstdint>
#include <vector>

namespace kv {

using Pixel = std::uint32_t;

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

struct Surface {
    int width = 0;
    int height = 0;
    Pixel colourKey = 0;  // pixels equal to this are skipped by keyed copies
    std::vector<Pixel> pixels;

    Surface() = default;
    Surface(int w, int h, Pixel key = 0) : width(w), height(h), colourKey(key), pixels(std::size_t(w) * h, 0) {}

    Pixel* row(int y) { return pixels.data() + std::size_t(y) * width; }
    const Pixel* row(int y) const { return pixels.data() + std::size_t(y) * width; }
    Pixel at(int x, int y) const { return row(y)[x]; }
    Rect bounds() const { return {0, 0, width, height}; }
};

constexpr Pixel rgb(int r, int g, int b) { return Pixel((r & 255) << 16 | (g & 255) << 8 | (b & 255)); }

}  // namespace kv
