#pragma once
// Absolute steps of the chart's measures, so a note's distance in steps
// from the start is one lookup.
#include <array>
#include <cstdint>

#include "chart/chart.h"

namespace kv {

using MeasureStarts = std::array<std::int32_t, kMeasureCount + 1>;

// starts[m] = the sum of the lengths of measures 0 to m - 1.
void buildMeasureStarts(const Chart& chart, MeasureStarts& starts);

// Absolute step of a chart position (measures outside 0-999 are clamped).
std::int32_t absoluteStep(const MeasureStarts& starts, int measure, int position);

}  // namespace kv
