// The five-key demo chart played by scripted hands in every play style:
// the four lane styles judge the same presses the same way, BONUS (a
// shooter that ignores the lane keys) never enters the ranking. Each run
// leaves a picture from the middle of the song.
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

struct Style {
    int code;
    const char* name;
    bool judgesKeys;
};

class PlayStyles : public ::testing::TestWithParam<Style> {};

TEST_P(PlayStyles, PressedRunShowsTheStyleAndIsJudgedByIt) {
    const Style style = GetParam();
    test::GameFolder game(KV_HOME);
    game.setOption("TITLESKIP", "0");
    game.setOption("STYLE", std::to_string(style.code));
    const fs::path chart = game / "demo/tide pool/tide_pool_5.bms";
    test::ChartTiming timing;
    ASSERT_TRUE(test::loadChartTiming(chart.string(), game.settings(), timing));
    const fs::path shot = e2e::shotFolder() / ("style_" + std::string(style.name) + ".png");
    fs::remove(shot);

    test::TimedScript script;
    const double playStart = test::chooseChartFromTitle(script, 0);
    ASSERT_TRUE(test::addNotePresses(script, playStart, timing, game.settings()));
    // Early in the song (a BONUS ship that does not dodge is shot down later), just
    // after a note was hit: judgement and combo show, the next notes are on their way.
    script.waitUntil(playStart + timing.notes[timing.notes.size() / 8].ms + 50).shot(shot);
    script.waitUntil(playStart + timing.clearedEndMs + test::kWipeMs);
    test::enterNameAndLeave(script, "AB1");
    const auto run = game.run(script.text(), {chart.string()});
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    e2e::expectPicture(shot);
    const Ranking ranking = test::storedRanking(chart);
    if (style.judgesKeys) {
        EXPECT_EQ(ranking.entries[0].coolCount, timing.noteCount);
        EXPECT_EQ(ranking.entries[0].style, style.code);
    } else {
        EXPECT_FALSE(ranking.hasTopScore());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, PlayStyles,
                         ::testing::Values(Style{0, "bemusic", true}, Style{1, "upway", true}, Style{2, "scan2", true},
                                           Style{3, "wave", true}, Style{4, "bonus", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kv
