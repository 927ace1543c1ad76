#pragma once
// The "--info" report: what play will use of a loaded chart, as JSON.
#include <ostream>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/chart_entry.h"

namespace kv {

struct MissingMedia {
    std::vector<std::string> samples;
    std::vector<std::string> pictures;
};

void writeChartInfo(std::ostream& out, const Chart& chart, const ChartEntry& entry, const MissingMedia& missing);

}  // namespace kv
