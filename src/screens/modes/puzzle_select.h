#pragma once
// The "SELECT PUZZLE" screen: after a chart is chosen in puzzle play, the
// player picks one cell of the 3 x 8 mission grid. The grid cursor keeps
// its place between visits.
#include <functional>

namespace kv {

struct PuzzleGrid {
    int row = 0;     // 0-2
    int column = 0;  // 0-7
    int mission() const;
};

// The cursor the screen opens on: where the player left it.
PuzzleGrid& puzzleGrid();

// The screen's keys down in one logic step.
struct PuzzleKeys {
    bool up = false, down = false, left = false, right = false;
    bool choose = false;  // Return or Space
    bool escape = false;
};

enum class PuzzleSelectEnd { Running, Chosen, Back };

struct PuzzleSelectStep {
    PuzzleSelectEnd end = PuzzleSelectEnd::Running;
    bool cursorMoved = false;
};

// A key must be let go before the next one acts; the latch starts set so a
// key still held from the select screen does nothing.
struct PuzzleSelectMenu {
    bool latch = true;
};

// One logic step: moves the cursor (wrapping over rows and columns) or ends
// the screen.
PuzzleSelectStep stepPuzzleSelect(PuzzleSelectMenu& menu, PuzzleGrid& grid, const PuzzleKeys& keys);

// The screen; 1 = a cell was chosen (`chosenMission` is set and
// `showStage` has shown the chosen chart's stage screen), 2 = back
// (Escape), 0 = quit.
int selectPuzzleCell(int& chosenMission, const std::function<int()>& showStage);

}  // namespace kv
