// F12 during a free-play run goes straight back to the chart list, with no
// result screen: the player can pick the chart again at once, and only the
// run played to its end is ranked.
#include <gtest/gtest.h>

#include <string>

#include "shots.h"
#include "support/free_play_script.h"
#include "support/game_folder.h"
#include "support/note_presses.h"
#include "support/stored_ranking.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

constexpr double kPlayedMs = 5000;

TEST(LeavePlay, F12ReturnsToTheListWithoutAResult) {
    test::GameFolder game(KV_HOME);
    game.setOption("TITLESKIP", "0");
    const fs::path chart = game / "demo/tide pool/tide_pool_5.bms";
    const int line = game.chartListLine(chart);
    ASSERT_GE(line, 0);
    test::ChartTiming timing;
    ASSERT_TRUE(test::loadChartTiming(chart.string(), game.settings(), timing));
    const fs::path list = e2e::shotFolder() / "leave_list_after_f12.png";
    const fs::path secondPlay = e2e::shotFolder() / "leave_second_play.png";
    fs::remove(list);
    fs::remove(secondPlay);

    test::TimedScript script;
    const double firstStart = test::chooseChartFromTitle(script, line);
    script.waitUntil(firstStart + kPlayedMs).press("F12").wait(test::kListOpensMs).shot(list);
    const double secondStart = test::startHighlightedChart(script);
    ASSERT_TRUE(test::addNotePresses(script, secondStart, timing, game.settings()));
    script.waitUntil(secondStart + kPlayedMs).shot(secondPlay);
    script.waitUntil(secondStart + timing.clearedEndMs + test::kWipeMs);
    test::enterNameAndLeave(script, "AB1");
    const auto run = game.run(script.text());
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    const Ranking ranking = test::storedRanking(chart);
    EXPECT_EQ(std::string(ranking.entries[0].name.begin(), ranking.entries[0].name.end()), "AB1 ");
    EXPECT_EQ(ranking.entries[0].coolCount, timing.noteCount);
    EXPECT_TRUE(ranking.entries[1].empty());
    e2e::expectPicture(list);
    e2e::expectPicture(secondPlay);
}

}  // namespace
}  // namespace kv
