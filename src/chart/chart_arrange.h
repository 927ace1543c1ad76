#pragma once
// What the loader does with a chart once every line is read: scale the
// positions of shortened or stretched measures, move lanes the key mode
// does not play into the BGM list, sort, and find the chart's extent.
#include "chart/chart.h"

namespace kv {

// Lanes follow chart.keyMode; symmetry: OBJECT SYMMETRY, whose lane transform
// refills the right-hand lanes with mirror copies.
void arrangeChart(Chart& chart, bool symmetry);

}  // namespace kv
