#include "support/stored_ranking.h"

#include "chart/header_scan.h"
#include "results/ranking_file.h"

namespace kv::test {

Ranking storedRanking(const std::filesystem::path& chart) {
    ChartEntry entry;
    const RankingPlace besideChart{kRankingBesideChart, chart.parent_path().string()};
    if (!scanChartHeader(entry, chart.parent_path().string(), chart.filename().string(), besideChart)) return {};
    return loadRankingForDisplay(entry);
}

}  // namespace kv::test
