#pragma once
// Where every sprite sits on the skin sheets. No data file describes the
// sheets: any skin must put its pictures exactly at these rectangles.
#include <array>

#include "base/surface.h"

namespace kv {

constexpr int kFontCellCount = 235;   // FONT sheet, slot 1
constexpr int kMenuCellCount = 52;    // FONT2 sheet, slot 2 on menu screens
constexpr int kBoardCellCount = 76;   // BOARD sheet, slot 2 during play

// Font sheet cells.
constexpr int kLargeGlyphSetA = 0;      // 64 glyphs "!".."^"
constexpr int kLargeGlyphSetB = 64;     // the same in the second colour
constexpr int kSmallGlyphRow1 = 128;    // 0-9 then A-Z
constexpr int kSmallGlyphRow2 = 164;
constexpr int kMediumDigits = 200;
constexpr int kLargeDigits = 210;
constexpr int kGradeTiles = 220;
constexpr int kSmallDotRow1 = 228;
constexpr int kSmallDotRow2 = 229;
constexpr int kTextCursor = 230;
constexpr int kOnePixelBars = 231;      // 231-234; 234 is the progress bar

// Menu sheet cells.
constexpr int kTitleTiles = 0;          // the six title tiles
constexpr int kEmptyMenuCell = 6;

// Board sheet cells.
constexpr int kJudgementImages = 32;    // 32 + column * 4 + row

extern const std::array<Rect, kFontCellCount> fontTable;
extern const std::array<Rect, kMenuCellCount> menuTable;
extern const std::array<Rect, kBoardCellCount> boardTable;

}  // namespace kv
