// Puzzle play in the real game program: the title's PUZZLE tile, a chart,
// a cell of the SELECT PUZZLE grid and the play under its mission; a
// cleared mission earns the chart its letter, and whatever the mission
// forced, KV2.CFG keeps the player's own options.
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

constexpr double kTitleOpensMs = 1500;
constexpr double kChartLoadsMs = 4000;  // stage screen, then the loading screen
constexpr double kFrameGridMs = 50;

class PuzzleSession : public ::testing::Test {
protected:
    void SetUp() override {
        game.setOption("TITLESKIP", "0");
        // The player's own options, none of which a puzzle keeps.
        game.setOption("STYLE", "1");   // UPWAY
        game.setOption("REPLAY", "1");  // ON
        game.setOption("GAUGE", "2");   // HIGHSC.
        game.setOption("COMBO", "3");   // COOL2
        ASSERT_TRUE(test::loadChartTiming(chart.string(), game.settings(), timing));
        line = game.chartListLine(chart);
        ASSERT_GE(line, 0);
    }

    // From the title to the SELECT PUZZLE grid with the chart chosen.
    void openPuzzleGrid(test::TimedScript& script) {
        script.wait(kTitleOpensMs).press("DOWN").wait(test::kPressMs).press("RETURN").wait(test::kListOpensMs);
        for (int i = 0; i < line; ++i) script.press("DOWN").wait(test::kPressMs);
        script.press("RETURN").wait(test::kWipeMs);
    }
    // Chooses the cell under the cursor; returns when the play clock starts.
    double startMission(test::TimedScript& script) {
        script.press("RETURN").wait(kChartLoadsMs).alignTo(kFrameGridMs);
        const double playStart = script.now();
        script.press(test::kContinueKey);
        return playStart;
    }
    void expectPlayersOwnOptions() {
        const Settings saved = game.settings();
        EXPECT_EQ(saved.STYLE, 1);
        EXPECT_EQ(saved.REPLAY, 1);
        EXPECT_EQ(saved.GAUGE, 2);
        EXPECT_EQ(saved.COMBO, 3);
    }
    std::string scanLine() const {
        const std::string listing = game.tool({"--scan"}).output;
        const std::size_t at = listing.find("tide_pool_5.bms\"");
        return at == std::string::npos ? listing : listing.substr(at, listing.find('\n', at) - at);
    }

    test::GameFolder game{KV_HOME};
    const fs::path chart = game / "demo/tide pool/tide_pool_5.bms";
    test::ChartTiming timing;
    int line = -1;
};

TEST_F(PuzzleSession, ClearedNoMissMissionEarnsTheChartItsLetter) {
    const fs::path grid = e2e::shotFolder() / "puzzle_select.png";
    const fs::path box = e2e::shotFolder() / "puzzle_box_letter.png";
    const fs::path otherChart = e2e::shotFolder() / "puzzle_box_other_chart.png";
    for (const fs::path& shot : {grid, box, otherChart}) fs::remove(shot);
    test::TimedScript script;
    openPuzzleGrid(script);
    script.shot(grid);
    const double playStart = startMission(script);  // K1, the cursor's first cell
    ASSERT_TRUE(test::addNotePresses(script, playStart, timing, game.settings()));
    script.waitUntil(playStart + timing.clearedEndMs + test::kWipeMs);
    script.wait(test::kFiguresRollMs).press("RETURN").wait(test::kListOpensMs);  // no name in a puzzle
    script.shot(box);
    script.press(line == 0 ? "DOWN" : "UP").wait(test::kScreenStepMs).shot(otherChart);
    script.press("ESCAPE").wait(test::kWipeMs);
    const auto run = game.run(script.text());
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    const Ranking ranking = test::storedRanking(chart);
    for (int mission = 0; mission < kPuzzleMissions; ++mission)
        EXPECT_EQ(ranking.puzzleLetters[std::size_t(mission)], mission == 0) << mission;
    EXPECT_TRUE(ranking.entries[0].empty());  // a puzzle enters no score
    EXPECT_NE(scanLine().find("\"puzzleLetters\":[\"K1\"]"), std::string::npos) << scanLine();
    EXPECT_NE(game.tool({"--scan"}).output.find("\"puzzleLetters\":[]"), std::string::npos);  // the other charts
    expectPlayersOwnOptions();
    e2e::expectPicture(grid);
    e2e::expectPicture(box);
    // The letter K of the first row is the chart's own: the next chart's box shows none.
    constexpr Rect kFirstLetter{250, 232, 262, 248};
    EXPECT_FALSE(e2e::sameArea(box, otherChart, kFirstLetter));
}

TEST_F(PuzzleSession, NoOverFiveComboFailsAtTheSixthHitAndClosingTheWindowKeepsThePlayersOptions) {
    ASSERT_GE(timing.notes.size(), 8u);
    const fs::path failed = e2e::shotFolder() / "puzzle_l3_failed.png";
    fs::remove(failed);
    test::TimedScript script;
    openPuzzleGrid(script);
    for (const char* key : {"DOWN", "DOWN", "RIGHT", "RIGHT"}) script.press(key).wait(test::kPressMs);  // to L3
    const double playStart = startMission(script);
    ASSERT_TRUE(test::addNotePresses(script, playStart, timing, game.settings()));
    // A moment after the sixth note, then the window closes in the middle of the play.
    script.waitUntil(playStart + timing.notes[5].ms + 300).shot(failed);
    script.waitUntil(playStart + timing.notes[7].ms + 100);
    const auto run = game.run(script.text());
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    EXPECT_FALSE(test::storedRanking(chart).puzzleLetters[18]);
    EXPECT_NE(scanLine().find("\"puzzleLetters\":[]"), std::string::npos) << scanLine();
    expectPlayersOwnOptions();
    e2e::expectPicture(failed);
}

}  // namespace
}  // namespace kv
