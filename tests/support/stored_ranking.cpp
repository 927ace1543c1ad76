#include "support/stored_ranking.h"

#include "chart/header_scan.h"
#include "screens/results/ranking_file.h"

namespace kv::test {

namespace {

Ranking scannedRanking(const std::filesystem::path& chart, const RankingPlace& place) {
    ChartEntry entry;
    if (!scanChartHeader(entry, chart.parent_path().string(), chart.filename().string(), place)) return {};
    return loadRankingForDisplay(entry);
}

}  // namespace

Ranking storedRanking(const std::filesystem::path& chart) {
    return scannedRanking(chart, {kRankingBesideChart, chart.parent_path().string()});
}

Ranking storedRankingInProgramFolder(const std::filesystem::path& chart, const std::filesystem::path& programFolder) {
    return scannedRanking(chart, {kRankingInProgramFolder, programFolder.string()});
}

}  // namespace kv::test
