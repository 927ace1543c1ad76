#include "play/play_screen_wave.h"

#include "media/gfx/blit.h"
#include "media/gfx/sprite_tables.h"
#include "media/gfx/style_sheets.h"
#include "play/play_screen_panels.h"

namespace kv {

namespace {

constexpr int kFontSlot = 1;
constexpr int kProgressBar = 234;  // the font sheet's progress bar
constexpr int kProgressBottom = 422, kProgressTravel = 400, kProgressThickness = 4;
// A quarter is this far before its place on the key at offset 0 ...
constexpr int kNearCorner = 395;
// ... and the far quarters come from the other side, past the key.
constexpr int kFarCorner = 413;

}  // namespace

void drawWaveNotes(const LaneView& view) {
    const int keyY = view.layout.keyRowY;
    const auto drawNote = [&](const PoolObject& object, int offset) {
        const int x = view.laneX(object.lane);
        const int travelled = view.substep + offset;
        const int nearX = x + travelled - kNearCorner, farX = x - travelled + kFarCorner;
        const int nearY = keyY + travelled - kNearCorner, farY = keyY - travelled + kFarCorner;
        const int quarters = kWaveNoteQuarters + 4 * object.colour;
        view.cell(quarters + 0, nearX, nearY);  // upper left
        view.cell(quarters + 1, farX, nearY);   // upper right
        view.cell(quarters + 2, nearX, farY);   // lower left
        view.cell(quarters + 3, farX, farY);    // lower right
    };
    forEachVisibleNote(view, kWaveBands, drawNote);
    // A long note's end flies in like a head of its own.
    forEachVisibleNote(view, kWaveBands, drawNote, true);
}

void drawWaveProgress(const LaneView& view) {
    const Rect& bar = fontTable[kProgressBar];
    const int x = view.layout.areaLeft, y = kProgressBottom - songProgress(view.play, view.chart, kProgressTravel);
    stretchSpriteKeyed(x, y, x + bar.width(), y + kProgressThickness, &bar, kFontSlot);
}

}  // namespace kv
