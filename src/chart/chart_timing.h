#pragma once
// How long a chart plays at its own tempo.
#include "chart/chart.h"

namespace kv {

// Seconds from the start of measure 0 to the end of chart.lastMeasure at the
// header tempo and the chart's tempo changes, before any rate option.
double playLengthSeconds(const Chart& chart);

}  // namespace kv
