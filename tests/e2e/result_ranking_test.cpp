// Free play through to the ranking file: a played chart reaches the result
// screen, the player types a name, and what the game stores beside the
// chart is what the song list reads back, run after run.
#include <gtest/gtest.h>

#include <string>

#include "chart/chart_entry.h"
#include "shots.h"
#include "support/free_play_script.h"
#include "support/game_folder.h"
#include "support/note_presses.h"
#include "support/stored_ranking.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

// Late enough to be a GREAT at the demo's 120 BPM (see the judged play runs).
constexpr double kGreatLateMs = 7 * 1000.0 / 144.0;

std::string nameOf(const RankingEntry& entry) { return std::string(entry.name.begin(), entry.name.end()); }

class ResultRanking : public ::testing::Test {
protected:
    void SetUp() override {
        game.setOption("TITLESKIP", "0");
        ASSERT_TRUE(test::loadChartTiming(chart.string(), game.settings(), timing));
        line = game.chartListLine(chart);
        ASSERT_GE(line, 0);
    }

    // Free play from the title up to the result screen: the five-key demo
    // chart with one press per note, `lateNotes` of them a GREAT late.
    test::TimedScript playToResult(std::size_t lateNotes) {
        std::vector<double> offsets(timing.notes.size(), 0.0);
        for (std::size_t i = 0; i < lateNotes; ++i) offsets[i * 4] = kGreatLateMs;
        test::TimedScript script;
        const double playStart = test::chooseChartFromTitle(script, line);
        EXPECT_TRUE(test::addNotePresses(script, playStart, timing, game.settings(), offsets));
        script.waitUntil(playStart + timing.clearedEndMs + test::kWipeMs);
        return script;
    }
    void run(const test::TimedScript& script) {
        const auto run = game.run(script.text());
        ASSERT_EQ(run.exitCode, 0) << run.errors;
    }
    // A played run named `name` at the result screen, back to the list.
    void play(std::size_t lateNotes, const std::string& name, const test::ResultShots& shots = {}) {
        test::TimedScript script = playToResult(lateNotes);
        test::enterNameAndLeave(script, name, shots);
        run(script);
    }

    test::GameFolder game{KV_HOME};
    const fs::path chart = game / "demo/tide pool/tide_pool_5.bms";
    test::ChartTiming timing;
    int line = -1;
};

TEST_F(ResultRanking, NamedRunIsStoredBesideTheChartAndReadBackByTheSongList) {
    const test::ResultShots shots{e2e::shotFolder() / "result_typing_name.png",
                                  e2e::shotFolder() / "result_name_entered.png"};
    fs::remove(shots.typing);
    fs::remove(shots.named);
    play(0, "AB1", shots);

    EXPECT_TRUE(fs::exists(game / "demo/tide pool/tide_pool_5.K2R"));
    const Ranking ranking = test::storedRanking(chart);
    EXPECT_EQ(nameOf(ranking.entries[0]), "AB1 ");
    EXPECT_EQ(ranking.entries[0].score, 200000);
    EXPECT_EQ(ranking.entries[0].coolCount, timing.noteCount);
    EXPECT_TRUE(ranking.entries[1].empty());
    // The song list printed by --scan shows the same top score on the chart's line.
    const std::string listing = game.tool({"--scan"}).output;
    const std::size_t line = listing.find("tide_pool_5.bms\"");
    ASSERT_NE(line, std::string::npos) << listing;
    EXPECT_NE(listing.substr(line, listing.find('\n', line) - line).find("\"topScore\":200000,\"topName\":\"AB1 \""),
              std::string::npos);
    // The NAME setting keeps its "*" start, so typing a name does not replace it.
    EXPECT_EQ(std::string(game.settings().NAME.data()).substr(0, 1), "*");
    e2e::expectPicture(shots.typing);
    e2e::expectPicture(shots.named);
}

TEST_F(ResultRanking, LaterRunsTakeTheirPlaceAmongTheStoredOnes) {
    play(4, "MID");
    play(0, "TOP");
    play(8, "LOW");
    play(4, "TIE");  // the same score as "MID": the earlier run stays ahead

    const Ranking ranking = test::storedRanking(chart);
    EXPECT_EQ(nameOf(ranking.entries[0]), "TOP ");
    EXPECT_EQ(nameOf(ranking.entries[1]), "MID ");
    EXPECT_EQ(nameOf(ranking.entries[2]), "TIE ");
    EXPECT_EQ(nameOf(ranking.entries[3]), "LOW ");
    EXPECT_TRUE(ranking.entries[4].empty());
    EXPECT_GT(ranking.entries[0].score, ranking.entries[1].score);
    EXPECT_EQ(ranking.entries[1].score, ranking.entries[2].score);
    EXPECT_GT(ranking.entries[2].score, ranking.entries[3].score);
    EXPECT_EQ(ranking.entries[1].greatCount, 4);
}

TEST_F(ResultRanking, ProgramFolderRankingIsNamedAfterTheChartFileAlone) {
    game.setOption("RANKING", "2");  // KVFOLDER
    play(0, "KVF");

    EXPECT_TRUE(fs::exists(game / "tide_pool_5.K2R"));
    EXPECT_FALSE(fs::exists(game / "demo/tide pool/tide_pool_5.K2R"));
    EXPECT_EQ(nameOf(test::storedRankingInProgramFolder(chart, game.home()).entries[0]), "KVF ");
}

TEST_F(ResultRanking, QuitDuringNameEntryKeepsTheStoredRanking) {
    play(4, "OLD");
    const fs::path file = game / "demo/tide pool/tide_pool_5.K2R";
    const std::string stored = test::TempFolder::read(file);
    ASSERT_EQ(stored.size(), std::size_t(kRankingBlockSize));

    test::TimedScript script = playToResult(0);  // a better run, which takes the first place...
    script.wait(3000).type("NE");                 // ...but the window closes before the name is done
    run(script);

    EXPECT_EQ(test::TempFolder::read(file), stored);
    EXPECT_EQ(nameOf(test::storedRanking(chart).entries[0]), "OLD ");
}

}  // namespace
}  // namespace kv
