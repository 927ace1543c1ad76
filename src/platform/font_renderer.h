#pragma once
// Text layout and glyph rasterising with FreeType. Sizes follow the Windows
// font rules the game was designed around: `height` is the whole character
// cell (ascent plus descent) in pixels and `width` the average character
// width, 0 for the face's natural proportions.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kv::platform {

struct FontRequest {
    std::string_view typeface;
    int height = 12;
    int width = 0;
};

// One rasterised glyph: 8-bit coverage rows, placed relative to the top-left
// corner of the text's cell.
struct PlacedGlyph {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int pitch = 0;
    const std::uint8_t* coverage = nullptr;
};

using GlyphSink = std::function<void(const PlacedGlyph&)>;

// Lays out UTF-8 text on one line, hands each visible glyph to `sink` (may
// be empty) and returns the total advance width in pixels. Characters no
// face of the chain has are skipped; text with no usable font measures 0.
int layoutText(const FontRequest& request, std::string_view utf8, const GlyphSink& sink);

// Closes the font file at `path` (every face of it) and forgets its glyphs,
// so the next layout that names it reads the file again.
void closeFontFile(const std::string& path);

}  // namespace kv::platform
