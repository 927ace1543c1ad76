#include "screens/select/select_screen_icons.h"

#include <initializer_list>

#include "screens/select/select_screen_cells.h"

namespace kv {

namespace {

constexpr int kIconWidth = 48, kIconHeight = 32;

// Picks the icon cell of `code` from a row of cells; codes outside the row
// (a damaged header scan) draw nothing.
void drawIcon(int x, int y, int code, std::initializer_list<int> cellXs, int cellY) {
    if (code < 0 || code >= int(cellXs.size())) return;
    drawMenuCell(x, y, menuCell(cellXs.begin()[code], cellY, kIconWidth, kIconHeight));
}

void drawLevelStars(int level) {
    drawMenuCell(128, 176, menuCell(1, 229, 70, 23));
    if (level == 0) {
        drawMenuCell(208, 176, menuCell(173, 229, 24, 23));
        return;
    }
    const int step = level <= 9 ? 24 : 12;
    const int colour = level < 3 ? 0 : level < 5 ? 1 : level < 7 ? 2 : 3;
    for (int i = 0; i < level; ++i) drawMenuCell(208 + i * step, 176, menuCell(73 + 25 * colour, 229, 24, 23));
}

}  // namespace

void drawChartIcons(const ChartEntry& entry) {
    if (entry.bpm == 0) return;
    drawLevelStars(entry.playLevel);
    drawIcon(16, 80, entry.bgmKeysounds, {1, 50}, 98);
    drawIcon(16, 120, entry.hasMidi, {99, 148}, 98);
    drawIcon(16, 160, entry.noteKeysounds, {197, 246}, 98);
    drawIcon(72, 80, entry.keyType, {295, 344, 393, 442}, 98);
    drawIcon(72, 120, entry.judgeRank, {148, 99, 50, 1}, 131);
    drawIcon(72, 160, entry.bgaKind, {197, 246, 295, 344}, 131);
    if (entry.hasReplay == 1) drawMenuCell(129, 150, menuCell(491, 98, 25, 20));
}

}  // namespace kv
