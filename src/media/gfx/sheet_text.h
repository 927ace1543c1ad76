#pragma once
// Text and numbers drawn from the glyph cells of the FONT sheet (slot 1),
// colour-keyed, onto the back surface.
#include <string_view>

namespace kv {

constexpr int kFontSlot = 1;

// One 12-pixel cell per character. "!".."^" draw in colour set `colourSet`
// (0 or 1); "a".."z" draw the capital of the other set, which menus use to
// highlight a letter. Anything else draws nothing but still advances.
void drawLargeText(int x, int y, std::string_view text, int colourSet);

// 8-pixel cells: digits, capitals and "." of glyph row 1 (`row1` true) or
// row 2; lower-case letters draw the capitals of the other row.
void drawSmallText(int x, int y, std::string_view text, bool row1);

// Medium digits, right-aligned in `width` characters (3, else 5) at a
// 16-pixel pitch. `popup` 1-12 stretches each digit vertically around
// y + 12 (counters bounce when they change), 13 or more draws it plainly,
// 0 or less draws nothing.
void drawNumber(int x, int y, int value, int popup, int width);

// Large digits, right-aligned in 7 characters at a 24-pixel pitch; `popup`
// below 17 stretches around y + 16, 17 or more draws plainly.
void drawLargeNumber(int x, int y, int value, int popup);

}  // namespace kv
