#pragma once
// The loader as the scene driver calls it: the game's chart, settings,
// sound slots, picture slots and loading screen.
#include "chart/chart_entry.h"

namespace kv {

// 1 when play may start, 0 when the chart cannot be loaded or the player quit.
int loadGameChart(ChartEntry entry);

}  // namespace kv
