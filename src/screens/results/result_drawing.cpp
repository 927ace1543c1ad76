#include "screens/results/result_drawing.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/sheet_text.h"
#include "media/gfx/sprite_tables.h"
#include "screens/results/result_figures.h"

namespace kv {

namespace {

constexpr int kTileSize = 64;
constexpr int kBarWidth = 16;
constexpr int kRowPitch = 24;
constexpr int kHintX = 8, kHintY = 460;

// BREAK, GOOD, GREAT, COOL from the foot of the bar up.
constexpr std::array<Pixel, 4> kBandColours{rgb(224, 48, 48), rgb(240, 176, 32), rgb(64, 200, 96),
                                            rgb(80, 208, 255)};

int rowY(int headerY, int row) { return headerY + 23 + kRowPitch * row; }

}  // namespace

void drawGradeTile(int x, int y, int grade, int counter) {
    if (counter <= 0 || grade < 0 || grade > 7) return;
    const Rect& tile = fontTable[kGradeTiles + grade];
    if (counter >= kCounterFull) {
        drawSpriteKeyed(x, y, &tile, kFontSlot);
        return;
    }
    const int centre = y + kTileSize / 2;
    stretchSpriteKeyed(x, centre - counter, x + kTileSize, centre + counter, &tile, kFontSlot);
}

void drawJudgementBar(int x, int footY, int height, const std::array<int, 4>& bands) {
    int below = 0;
    for (std::size_t band = 0; band < bands.size(); ++band) {
        const int top = std::min(bands[band], height);
        if (top > below) {
            const Rect area{x, footY - top, x + kBarWidth, footY - below};
            fillRect(display.back, &area, kBandColours[band]);
        }
        below = std::max(below, top);
    }
}

void drawRankingTable(int x, int headerY, const Ranking& ranking, int ownRow, const ResultFlow& flow) {
    drawLargeText(x, headerY, "  NAME  SCORE", 0);
    for (int row = 0; row < kRankingRows; ++row) {
        const RankingEntry& entry = ranking.entries[row];
        if (entry.empty()) continue;
        // The run's own row shows the name once it is accepted, before the file is written.
        const auto& name = row == ownRow && flow.nameAccepted ? flow.name.name : entry.name;
        char line[32];
        std::snprintf(line, sizeof line, "%d %c%c%c%c %6d", row + 1, name[0], name[1], name[2], name[3],
                      static_cast<int>(entry.score));
        drawLargeText(x, rowY(headerY, row), line, row == ownRow ? 1 : 0);
    }
    if (flow.phase != ResultPhase::NameEntry || ownRow < 0) return;
    const std::string typed = "  " + std::string(flow.name.name.begin(), flow.name.name.end());
    drawLargeText(x, rowY(headerY, ownRow), typed, 1);
    if (flow.blink > kBlinkPeriod / 2)
        drawSpriteKeyed(x + 24 + 12 * flow.name.cursor, rowY(headerY, ownRow), &fontTable[kTextCursor], kFontSlot);
}

void drawSaveFailure() { drawLargeText(kHintX, kHintY - 20, "RANKING FILE CANNOT BE WRITTEN", 1); }

void drawResultHint(const ResultFlow& flow, int ownRow, bool showRestartHint) {
    if (flow.phase == ResultPhase::NameEntry) {
        const std::string text = std::string("you ranked ") + rankOrdinal(ownRow) + "  input your name";
        drawLargeText(kHintX, kHintY, text, 1);
    } else if (flow.phase == ResultPhase::Waiting && showRestartHint) {
        drawLargeText(kHintX, kHintY, flow.offersReplay ? "tab:RESTART s:SAVE REPLAY" : "PRESS tab TO RESTART", 0);
    }
}

}  // namespace kv
