#pragma once
// Free text (chart titles, artists, genres) drawn with system fonts: the
// skin's bitmap glyphs know only ASCII capitals. Text arrives as the chart's
// bytes (Shift-JIS, CP949 or UTF-8) and is converted for drawing.
#include <string>
#include <string_view>

#include "base/surface.h"

namespace kv {

// Left-aligned at (x, y) on the back surface; characters are dropped from
// the end until the text fits `maxWidth`. Used with SFONT at height 12.
void drawTextCut(int x, int y, int maxWidth, std::string_view text, int height, Pixel colour,
                 std::string_view typeface);

// Narrows the characters until the text fits `maxWidth`, then draws it
// aligned 0 left, 1 centred, 2 right within the width, on the back surface
// (slot -1) or a slot. Used with LFONT.
void drawTextSqueezed(int x, int y, int maxWidth, std::string_view text, int height, Pixel colour,
                      std::string_view typeface, int alignment, int slot);

// The pieces, on any surface, for screens and tests.
struct SqueezedFit {
    int charWidth = 0;  // the average character width chosen, never below 1
    int textWidth = 0;
};

// Whole characters of UTF-8 text that fit, at most 95 of them.
std::string cutToWidth(std::string_view utf8, int maxWidth, int height, std::string_view typeface);
SqueezedFit squeezeToWidth(std::string_view utf8, int maxWidth, int height, std::string_view typeface);
// Blends anti-aliased glyphs in `colour` over the surface, clipped to it.
void drawTextOn(Surface& target, int x, int y, std::string_view utf8, int height, int charWidth, Pixel colour,
                std::string_view typeface);

}  // namespace kv
