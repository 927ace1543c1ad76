#pragma once
// A 5 x 7 pixel font for the small glyph cells (7 x 7), where outline
// fonts turn to mush: digits, capitals and the dot.

namespace skin {

// Seven rows of five characters, '#' set; null for characters without a glyph.
const char* const* pixelGlyph(char c);

}  // namespace skin
