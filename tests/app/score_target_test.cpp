// The game's chart load aims the HIGHSC. gauge at the chart's best stored
// score, which the song table holds for every chart.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/game_parts.h"
#include "chart/chart.h"
#include "chart/header_scan.h"
#include "scene/shell.h"
#include "screens/results/ranking_file.h"
#include "settings/settings.h"
#include "support/headless_session.h"
#include "temp_folder.h"

namespace kv {
namespace {

constexpr int kHighScoreGauge = 2;

struct TargetCase {
    const char* name;
    std::int32_t storedScore;  // 0: no ranking stored
    std::int32_t target;
};

class ScoreTarget : public testing::TestWithParam<TargetCase> {
protected:
    void SetUp() override {
        startFolder_ = std::filesystem::current_path();
        settings() = Settings{};
        settings().GAUGE = kHighScoreGauge;
        shell().programFolder = startFolder_.string();
    }
    void TearDown() override {
        std::filesystem::current_path(startFolder_);
        settings() = Settings{};
    }

private:
    std::filesystem::path startFolder_;
};

TEST_P(ScoreTarget, FollowsTheStoredTopScore) {
    const TargetCase& c = GetParam();
    test::HeadlessSession session;
    test::TempFolder folder;
    folder.write("song.bms", "#BPM 120\n#00111:01010101\n#00211:01\n");
    ChartEntry entry;
    ASSERT_EQ(scanChartHeader(entry, folder.path().string(), "song.bms", RankingPlace{0, {}}), 1);
    if (c.storedScore > 0) {
        Ranking ranking;
        ranking.entries[0].score = c.storedScore;
        entry.rankingBlock = encodeRanking(ranking, entry.checksum, [] { return 7; });
    }

    ASSERT_EQ(gameScenes().loadChart(entry), 1);
    EXPECT_EQ(theChart.scoreTarget, c.target);
}

INSTANTIATE_TEST_SUITE_P(Rankings, ScoreTarget,
                         testing::Values(TargetCase{"NoneStored", 0, 170000}, TargetCase{"Stored", 123456, 123456},
                                         TargetCase{"PerfectStored", 200000, 200000}),
                         [](const testing::TestParamInfo<TargetCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kv
