#include "media/gfx/system_text.h"

#include "media/gfx/display.h"
#include "platform/font_encoding.h"
#include "platform/font_renderer.h"

namespace kv {
namespace {

constexpr int kMaxCutCharacters = 95;
constexpr int kMaxSqueezeTries = 100;

int textWidth(std::string_view utf8, int height, int charWidth, std::string_view typeface) {
    return platform::layoutText({typeface, height, charWidth}, utf8, {});
}

// Byte length of the UTF-8 text without its last character.
std::size_t withoutLastCharacter(std::string_view utf8) {
    std::size_t end = utf8.size();
    if (end == 0) return 0;
    --end;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
    return end;
}

std::size_t firstCharacters(std::string_view utf8, int count) {
    std::size_t i = 0;
    for (int n = 0; i < utf8.size(); ++i)
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && n++ == count) break;
    return i;
}

Pixel blend(Pixel under, Pixel over, int alpha) {
    auto mix = [&](int shift) {
        const int a = under >> shift & 255, b = over >> shift & 255;
        return (a * (255 - alpha) + b * alpha + 127) / 255;
    };
    return rgb(mix(16), mix(8), mix(0));
}

Surface* targetSurface(int slot) { return slot == -1 ? &display.back : slotSurface(slot); }

}  // namespace

std::string cutToWidth(std::string_view utf8, int maxWidth, int height, std::string_view typeface) {
    std::string text(utf8.substr(0, firstCharacters(utf8, kMaxCutCharacters)));
    while (!text.empty() && textWidth(text, height, 0, typeface) > maxWidth) text.resize(withoutLastCharacter(text));
    return text;
}

SqueezedFit squeezeToWidth(std::string_view utf8, int maxWidth, int height, std::string_view typeface) {
    // A character width of 0 would mean the face's natural width again, so
    // narrowing stops at 1.
    SqueezedFit fit{std::max(1, height / 2), 0};
    for (int tries = 0; tries < kMaxSqueezeTries; ++tries) {
        fit.textWidth = textWidth(utf8, height, fit.charWidth, typeface);
        if (fit.textWidth <= maxWidth || fit.charWidth == 1) break;
        fit.charWidth = std::max(1, fit.charWidth - 2);
    }
    return fit;
}

void drawTextOn(Surface& target, int x, int y, std::string_view utf8, int height, int charWidth, Pixel colour,
                std::string_view typeface) {
    platform::layoutText({typeface, height, charWidth}, utf8, [&](const platform::PlacedGlyph& g) {
        for (int row = 0; row < g.height; ++row) {
            const int ty = y + g.top + row;
            if (ty < 0 || ty >= target.height) continue;
            for (int col = 0; col < g.width; ++col) {
                const int tx = x + g.left + col;
                const int alpha = g.coverage[row * g.pitch + col];
                if (tx < 0 || tx >= target.width || alpha == 0) continue;
                Pixel& p = target.row(ty)[tx];
                p = blend(p, colour, alpha);
            }
        }
    });
}

void drawTextCut(int x, int y, int maxWidth, std::string_view text, int height, Pixel colour,
                 std::string_view typeface) {
    const std::string fitted = cutToWidth(platform::chartTextToUtf8(text), maxWidth, height, typeface);
    drawTextOn(display.back, x, y, fitted, height, 0, colour, typeface);
}

void drawTextSqueezed(int x, int y, int maxWidth, std::string_view text, int height, Pixel colour,
                      std::string_view typeface, int alignment, int slot) {
    Surface* target = targetSurface(slot);
    if (!target) return;
    const std::string utf8 = platform::chartTextToUtf8(text);
    const SqueezedFit fit = squeezeToWidth(utf8, maxWidth, height, typeface);
    const int left = alignment == 1 ? x + (maxWidth / 2 - fit.textWidth / 2)
                     : alignment == 2 ? x + (maxWidth - fit.textWidth)
                                      : x;
    drawTextOn(*target, left, y, utf8, height, fit.charWidth, colour, typeface);
}

}  // namespace kv
