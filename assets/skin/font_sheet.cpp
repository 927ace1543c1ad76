// The FONT sheet: large glyphs in two colours, small pixel glyphs, digits,
// grade tiles, the text cursor and the one-pixel bars.
#include <string>

#include "media/gfx/sprite_tables.h"
#include "palette.h"
#include "pixel_font.h"
#include "sheets.h"

namespace skin {
namespace {

using kv::fontTable;

// Glyphs share one baseline; each is centred across its cell by its ink.
void drawLargeGlyphs(Canvas& c, int firstCell, bool setB) {
    for (int i = 0; i < 64; ++i) {
        const kv::Rect& cell = fontTable[firstCell + i];
        const std::string ch(1, char('!' + i));
        TextMask mask = renderText(ch, kBoldFace, 15);
        for (int width = 7; mask.inkRight - mask.inkLeft > 9 && width > 3; --width) mask = renderText(ch, kBoldFace, 15, width);
        const int inkWidth = mask.inkRight - mask.inkLeft;
        const int baselineShift = 15 / 2;  // renderText pads the cell by half a height
        const int x = cell.left + (cell.width() - inkWidth) / 2 - mask.inkLeft;
        const int y = cell.top - baselineShift;
        const Paint paint = setB ? glyphSetB(cell.top + 2, cell.bottom - 2) : glyphSetA(cell.top + 2, cell.bottom - 2);
        c.draw(mask, x, y, paint, kOutline);
    }
}

void drawPixelGlyph(Canvas& c, const kv::Rect& cell, char ch, const Colour& top, const Colour& bottom) {
    const char* const* rows = pixelGlyph(ch);
    if (!rows) return;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 5; ++x)
            if (rows[y][x] == '#') c.blend(cell.left + 1 + x, cell.top + y, mix(top, bottom, y / 6.0f), 1);
}

void drawSmallGlyphs(Canvas& c) {
    const std::string order = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int i = 0; i < 36; ++i) {
        drawPixelGlyph(c, fontTable[kv::kSmallGlyphRow1 + i], order[i], kWhite, kCyan);
        drawPixelGlyph(c, fontTable[kv::kSmallGlyphRow2 + i], order[i], kGold, kOrange);
    }
    drawPixelGlyph(c, fontTable[kv::kSmallDotRow1], '.', kWhite, kCyan);
    drawPixelGlyph(c, fontTable[kv::kSmallDotRow2], '.', kGold, kOrange);
}

void drawDigits(Canvas& c, int firstCell, const Paint& paint) {
    for (int d = 0; d < 10; ++d) {
        const kv::Rect& cell = fontTable[firstCell + d];
        c.fitted(std::string(1, char('0' + d)), kBoldFace, cell, paint, kOutline, cell.height() + 12);
    }
}

struct Grade {
    const char* label;
    unsigned colour;
};

// Grade codes 0-7: perfect, four score grades, the last score grade, failed, puzzle cleared.
constexpr Grade kGrades[] = {{"AAA", 0xfff27a}, {"AA", 0xffd25a}, {"A", 0x5cff9d}, {"B", 0x3ee3ff},
                             {"C", 0x8c6cff}, {"D", 0xb0b8e0}, {"F", 0xff4d6a}, {"OK", 0xff4fd8}};

void drawGradeTiles(Canvas& c) {
    for (int g = 0; g < 8; ++g) {
        const kv::Rect& r = fontTable[kv::kGradeTiles + g];
        const Colour accent = hex(kGrades[g].colour);
        const float l = r.left, t = r.top, rr = r.right, b = r.bottom;
        c.fill(roundedBox(l + 1, t + 1, rr - 1, b - 1, 10), vertical(kPanelLight, kNight, t, b), r);
        c.fill([&](float x, float y) { return std::abs(roundedBox(l + 1, t + 1, rr - 1, b - 1, 10)(x, y) + 1.5f) - 1.2f; },
               solid(accent), r);
        c.fitted(kGrades[g].label, kBoldFace, {r.left + 8, r.top + 10, r.right - 8, r.bottom - 10},
                 vertical(kWhite, accent, t + 12, b - 12), kOutline, 60);
    }
}

void drawCursorAndBars(Canvas& c) {
    const kv::Rect& cursor = fontTable[kv::kTextCursor];
    c.fill(roundedBox(cursor.left + 1, cursor.bottom - 4, cursor.right - 1, cursor.bottom - 1, 1), solid(kGold), cursor);
    const Colour bars[] = {kMagenta, kGold, kGreen, kCyan};  // 231-234; 234 is the progress bar
    for (int i = 0; i < 4; ++i) {
        const kv::Rect& bar = fontTable[kv::kOnePixelBars + i];
        c.fill(roundedBox(bar.left, bar.top, bar.right, bar.bottom, 0), horizontal(mix(bars[i], kWhite, 0.4f), bars[i], bar.left, bar.right), bar);
    }
}

}  // namespace

kv::Surface drawFontSheet() {
    Canvas c(640, 480);
    drawLargeGlyphs(c, kv::kLargeGlyphSetA, false);
    drawLargeGlyphs(c, kv::kLargeGlyphSetB, true);
    drawSmallGlyphs(c);
    drawDigits(c, kv::kMediumDigits, vertical(kWhite, kCyan, 81, 105));
    drawDigits(c, kv::kLargeDigits, vertical(kGold, kOrange, 106, 138));
    drawGradeTiles(c);
    drawCursorAndBars(c);
    return c.flatten();
}

}  // namespace skin
