#pragma once
// The loader as the scene driver calls it: the game's chart, settings,
// sound slots, picture slots and loading screen.
#include <cstdint>

#include "chart/chart_entry.h"

namespace kv {

// 1 when play may start, 0 when the chart cannot be loaded or the player quit.
// rankingTopScore: the chart's best stored score (0 when none), the HIGHSC.
// gauge's target.
int loadGameChart(ChartEntry entry, std::int32_t rankingTopScore);

}  // namespace kv
