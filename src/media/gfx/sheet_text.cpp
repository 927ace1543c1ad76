#include "media/gfx/sheet_text.h"

#include <algorithm>
#include <cstdio>

#include "media/gfx/blit.h"
#include "media/gfx/sprite_tables.h"

namespace kv {
namespace {

int largeGlyphCell(char c, int colourSet) {
    if (c >= '!' && c <= '^') return (c - '!') + (colourSet ? kLargeGlyphSetB : kLargeGlyphSetA);
    if (c >= 'a' && c <= 'z') return (c - 'a' + 'A' - '!') + (colourSet ? kLargeGlyphSetA : kLargeGlyphSetB);
    return -1;
}

int smallGlyphCell(char c, bool row1) {
    const int own = row1 ? kSmallGlyphRow1 : kSmallGlyphRow2;
    const int other = row1 ? kSmallGlyphRow2 : kSmallGlyphRow1;
    if (c >= '0' && c <= '9') return own + (c - '0');
    if (c >= 'A' && c <= 'Z') return own + 10 + (c - 'A');
    if (c >= 'a' && c <= 'z') return other + 10 + (c - 'a');
    if (c == '.') return row1 ? kSmallDotRow1 : kSmallDotRow2;
    return -1;
}

// Draws the digits of `text` at `pitch`; a digit stretched to rows
// centre - popup .. centre + popup while popup < plainFrom.
void drawDigits(int x, int y, std::string_view text, int firstCell, int pitch, int centre, int popup,
                int plainFrom) {
    if (popup <= 0) return;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') continue;
        const Rect& source = fontTable[firstCell + (text[i] - '0')];
        const int left = x + int(i) * pitch;
        if (popup >= plainFrom)
            drawSpriteKeyed(left, y, &source, kFontSlot);
        else
            stretchSpriteKeyed(left, y + centre - popup, left + pitch, y + centre + popup, &source, kFontSlot);
    }
}

}  // namespace

void drawLargeText(int x, int y, std::string_view text, int colourSet) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (const int c = largeGlyphCell(text[i], colourSet); c >= 0)
            drawSpriteKeyed(x + 12 * int(i), y, &fontTable[c], kFontSlot);
}

void drawSmallText(int x, int y, std::string_view text, bool row1) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (const int c = smallGlyphCell(text[i], row1); c >= 0)
            drawSpriteKeyed(x + 8 * int(i), y, &fontTable[c], kFontSlot);
}

void drawNumber(int x, int y, int value, int popup, int width) {
    char text[16];
    std::snprintf(text, sizeof text, width == 3 ? "%3d" : "%5d", value);
    // Only the first `width` characters show, and never more than were formatted.
    const std::string_view shown = std::string_view(text).substr(0, std::size_t(std::max(width, 0)));
    drawDigits(x, y, shown, kMediumDigits, 16, 12, popup, 13);
}

void drawLargeNumber(int x, int y, int value, int popup) {
    char text[16];
    std::snprintf(text, sizeof text, "%7d", value);
    drawDigits(x, y, text, kLargeDigits, 24, 16, popup, 17);
}

}  // namespace kv
