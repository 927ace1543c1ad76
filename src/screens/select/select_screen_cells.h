#pragma once
// Cells of the menu sheet (FONT2, slot 2) the select screen draws from.
#include "media/gfx/blit.h"

namespace kv {

constexpr int kMenuSheet = 2;

constexpr Rect menuCell(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

inline void drawMenuCell(int x, int y, const Rect& source) { drawSpriteKeyed(x, y, &source, kMenuSheet); }

}  // namespace kv
