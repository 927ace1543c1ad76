#pragma once
// A chart's samples into the game's sample slots, decoded on every core.
#include <optional>
#include <vector>

#include "chart/chart_media.h"
#include "platform/files.h"

namespace kv {

// ChartMedia::loadSamples over the sound engine's slots: chart sample
// numbers go to their slots, names are looked up with `names`.
std::vector<int> loadChartSamples(const std::vector<SampleRequest>& requests, std::optional<double> rateFactor,
                                  platform::FileNames& names);

}  // namespace kv
