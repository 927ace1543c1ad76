#pragma once
// The result screen of one chart: figures, grade, judgement bar, the
// chart's top five with name entry, restart and replay saving.
#include "chart/chart_entry.h"

namespace kv {

// `entry` is the chart's record in the song table: its ranking block and
// replay mark are brought up to date. Returns a ResultChoice: 1 go on,
// 2 restart, 3 go on after saving the replay; 0 when nothing was judged or
// the game is quitting. `missionIndex` is the puzzle cell played (puzzles only).
int resultScreen(int purpose, int grade, ChartEntry& entry, int missionIndex);

}  // namespace kv
