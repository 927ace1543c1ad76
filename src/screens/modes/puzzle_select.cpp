#include "screens/modes/puzzle_select.h"

#include "screens/modes/puzzle_missions.h"

namespace kv {

namespace {

int wrapped(int value, int step, int count) { return ((value + step) % count + count) % count; }

}  // namespace

int PuzzleGrid::mission() const { return row * kMissionColumns + column; }

PuzzleGrid& puzzleGrid() {
    static PuzzleGrid grid;
    return grid;
}

PuzzleSelectStep stepPuzzleSelect(PuzzleSelectMenu& menu, PuzzleGrid& grid, const PuzzleKeys& keys) {
    const bool anyKey = keys.up || keys.down || keys.left || keys.right || keys.choose || keys.escape;
    if (!anyKey) {
        menu.latch = false;
        return {};
    }
    if (menu.latch) return {};
    menu.latch = true;
    if (keys.escape) return {PuzzleSelectEnd::Back, false};
    if (keys.choose) return {PuzzleSelectEnd::Chosen, false};
    if (keys.up) grid.row = wrapped(grid.row, -1, kMissionRows);
    else if (keys.down) grid.row = wrapped(grid.row, 1, kMissionRows);
    else if (keys.left) grid.column = wrapped(grid.column, -1, kMissionColumns);
    else grid.column = wrapped(grid.column, 1, kMissionColumns);
    return {PuzzleSelectEnd::Running, true};
}

}  // namespace kv
