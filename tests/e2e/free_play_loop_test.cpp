// The whole free-play loop as a player goes through it, in one session of
// the real game program: title, folder list, chart list, two options
// changed with their hot keys, a play under autoplay left with Escape, a
// played run with a name, back to the list, out through the title. What
// the session leaves behind is what the player did.
#include <gtest/gtest.h>

#include <string>

#include "shots.h"
#include "support/blip_chart.h"
#include "support/free_play_script.h"
#include "support/game_folder.h"
#include "support/note_presses.h"
#include "support/stored_ranking.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

constexpr double kScreenOpensMs = 2000;
constexpr double kStepMs = 400;     // between keys on one screen
constexpr double kAutoplayMs = 8000;  // how long the autoplay run is watched

TEST(FreePlayLoop, TitleToListToPlayToResultAndOutKeepsWhatThePlayerDid) {
    test::GameFolder game(KV_HOME);
    game.setOption("TITLESKIP", "0");
    // A second song folder, so the list opens at the folder level.
    ASSERT_FALSE(test::writeBlipChart(game / "blips").empty());
    const fs::path chart = game / "demo/tide pool/tide_pool_7.bme";  // the one with a Japanese title
    const int folderLine = game.folderListLine("DEMO");
    const int chartLine = game.chartListLine(chart);
    ASSERT_GE(folderLine, 0);
    ASSERT_GE(chartLine, 0);
    const fs::path shots = e2e::shotFolder();
    const auto shot = [&](const char* name) {
        fs::remove(shots / name);
        return shots / name;
    };

    test::TimedScript script;
    script.wait(kScreenOpensMs).shot(shot("loop_title.png")).press("RETURN").wait(kScreenOpensMs);
    script.shot(shot("loop_folder_list.png"));
    for (int line = 0; line < folderLine; ++line) script.press("DOWN").wait(test::kPressMs);
    script.press("RETURN").wait(kStepMs);
    for (int line = 0; line < chartLine; ++line) script.press("DOWN").wait(test::kPressMs);
    script.wait(kStepMs).shot(shot("loop_chart_list.png"));

    // SPEED one step up on the basic page, BGA one step up on the screen page.
    script.press("S").wait(kStepMs).shot(shot("loop_options_basic.png"));
    script.press("F4").wait(kStepMs).press("B").wait(kStepMs).shot(shot("loop_options_screen.png"));
    script.press("F1").wait(kStepMs);

    // Autoplay on, watch a while, leave with Escape: autoplay judges nothing,
    // so no result screen comes and the list is back at once.
    script.press("A").wait(kStepMs);
    test::startHighlightedChart(script);
    script.wait(kAutoplayMs).shot(shot("loop_autoplay.png")).press("ESCAPE").wait(kScreenOpensMs);
    script.shot(shot("loop_list_after_autoplay.png"));

    // Autoplay off again (left shift steps back) and play the chart by hand.
    script.tap("LSHIFT", script.now(), 2 * test::kPressMs);
    script.press("A").wait(kStepMs);
    Settings played = game.settings();
    played.SPEED = 3;
    played.BGA = 2;
    test::ChartTiming timing;
    ASSERT_TRUE(test::loadChartTiming(chart.string(), played, timing));
    const double playStart = test::startHighlightedChart(script);
    ASSERT_TRUE(test::addNotePresses(script, playStart, timing, played));
    script.waitUntil(playStart + timing.notes[timing.notes.size() / 2].ms).shot(shot("loop_play.png"));
    script.waitUntil(playStart + timing.clearedEndMs + test::kWipeMs);
    test::enterNameAndLeave(script, "AB1", {{}, shot("loop_result.png")});
    script.shot(shot("loop_list_with_ranking.png"));

    // Back to the title and out through its exit item.
    script.press("ESCAPE").wait(kScreenOpensMs).press("ESCAPE").wait(kStepMs).press("ESCAPE").wait(kScreenOpensMs);

    const auto run = game.run(script.text());
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    const Settings saved = game.settings();
    EXPECT_EQ(saved.SPEED, 3);
    EXPECT_EQ(saved.BGA, 2);
    EXPECT_EQ(saved.AUTOPLAY, 0);
    EXPECT_TRUE(fs::exists(game / "demo/tide pool/tide_pool_7.K2R"));
    const Ranking ranking = test::storedRanking(chart);
    EXPECT_EQ(std::string(ranking.entries[0].name.begin(), ranking.entries[0].name.end()), "AB1 ");
    EXPECT_EQ(ranking.entries[0].coolCount, timing.noteCount);
    EXPECT_EQ(ranking.entries[0].keyMode, timing.keyMode);
    EXPECT_EQ(ranking.entries[0].speed, 3);
    EXPECT_TRUE(ranking.entries[1].empty()) << "the autoplay run is not ranked";
    // The list column after leaving the autoplay run is the chart list's own.
    EXPECT_TRUE(e2e::sameArea(shots / "loop_chart_list.png", shots / "loop_list_after_autoplay.png",
                              Rect{426, 0, 640, 480}));
    for (const char* name : {"loop_title.png", "loop_folder_list.png", "loop_chart_list.png", "loop_options_basic.png",
                             "loop_options_screen.png", "loop_autoplay.png", "loop_list_after_autoplay.png",
                             "loop_play.png", "loop_result.png", "loop_list_with_ranking.png"})
        e2e::expectPicture(shots / name);
}

}  // namespace
}  // namespace kv
