#pragma once
// The highlighted chart's level stars and feature icons.
#include "chart/chart_entry.h"

namespace kv {

// Draws nothing for the pseudo line (a chart without tempo).
void drawChartIcons(const ChartEntry& entry);

}  // namespace kv
