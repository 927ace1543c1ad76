#pragma once
// The stage screen shown after a chart is chosen: its stage picture
// revealed in stripes, or its genre, title and artist flying in. The chart
// loader then draws its progress over it.
#include "chart/chart_entry.h"

namespace kv {

// Both return 0 when the quit message arrived on the way, else 1.
int showStageImage(const ChartEntry& entry);
int showStageText(const ChartEntry& entry);
// The one of the two that suits the chart.
int showStageScreen(const ChartEntry& entry);

}  // namespace kv
