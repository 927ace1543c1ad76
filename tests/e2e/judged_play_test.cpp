// A player's presses, scripted from the chart's own note times, played on
// the demo charts by the real game program: the judgements it stores in the
// chart's ranking are the ones the timing of the presses deserves.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "chart/chart.h"
#include "support/free_play_script.h"
#include "support/game_folder.h"
#include "support/note_presses.h"
#include "support/stored_ranking.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

const fs::path kDemoFolder = "demo/tide pool";

class JudgedPlay : public ::testing::Test {
protected:
    void SetUp() override {
        game.setOption("TITLESKIP", "0");
        game.setOption("KEY", "8");  // AUTO: every chart in its own key mode, so every lane key is pressed
    }

    // Plays `chart` alone (single-song mode) with one press per note, each
    // moved by its offset, then names the result "AB1" and quits.
    RankingEntry playAndRank(const std::string& chart, const std::vector<double>& offsetsMs = {}) {
        const fs::path path = game / (kDemoFolder / chart).string();
        test::ChartTiming timing;
        EXPECT_TRUE(test::loadChartTiming(path.string(), game.settings(), timing));
        test::TimedScript script;
        const double playStart = test::chooseChartFromTitle(script, 0);
        EXPECT_TRUE(test::addNotePresses(script, playStart, timing, game.settings(), offsetsMs));
        script.waitUntil(playStart + timing.clearedEndMs + test::kWipeMs);
        test::enterNameAndLeave(script, "AB1");
        const auto run = game.run(script.text(), {path.string()});
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        noteCount = timing.noteCount;
        return test::storedRanking(path).entries[0];
    }

    test::GameFolder game{KV_HOME};
    int noteCount = 0;
};

TEST_F(JudgedPlay, PressesOnTheBeatAreAllCool) {
    const std::pair<const char*, int> charts[] = {
        {"tide_pool_5.bms", FiveKeys}, {"tide_pool_7.bme", SevenKeys}, {"tide_pool_14.bme", FourteenKeys}};
    for (const auto& [chart, expectedKeyMode] : charts) {
        SCOPED_TRACE(chart);
        const RankingEntry top = playAndRank(chart);
        EXPECT_GT(noteCount, 0);
        EXPECT_EQ(top.keyMode, expectedKeyMode);
        EXPECT_EQ(top.coolCount, noteCount);
        EXPECT_EQ(top.greatCount + top.goodCount + top.breakCount + top.missCount, 0);
        EXPECT_EQ(top.score, 200000);
        EXPECT_EQ(top.grade, 0);
        EXPECT_EQ(std::string(top.name.begin(), top.name.end()), "AB1 ");
    }
}

// Presses off the beat by known amounts. The demo's five-key chart runs at
// 120 BPM (a step is 1000/144 ms) with rank 2, whose windows are 4, 8 and 15
// steps for COOL, GREAT and GOOD and 30 for BREAK; a note leaves the lane 18
// steps past the line, which closes the late BREAK window early. The game
// reads keys at its logic steps, which run at each 60 Hz frame: a press
// counts from the first step after the frame before it, 0 to 2.4 steps
// before its scripted time. Each offset keeps that whole spread inside one
// window.
struct OffBeat {
    double offsetMs;
    std::int32_t RankingEntry::*count;
};
constexpr double kStepMs = 1000.0 / 144.0;
const std::array<OffBeat, 7> kOffBeats{{
    {0.0, &RankingEntry::coolCount},               // 0 to 2.4 steps early
    {7 * kStepMs, &RankingEntry::greatCount},      // late: 4.6 to 7 steps
    {-4.5 * kStepMs, &RankingEntry::greatCount},   // early: 4.5 to 6.9 steps
    {12 * kStepMs, &RankingEntry::goodCount},      // late: 9.6 to 12 steps
    {-10 * kStepMs, &RankingEntry::goodCount},     // early: 10 to 12.4 steps
    {17.5 * kStepMs, &RankingEntry::breakCount},   // late: 15.1 to 17.5 steps
    {-20 * kStepMs, &RankingEntry::breakCount},    // early: 20 to 22.4 steps
}};
// A press judges the note nearest the line in its lane, so a note is pressed
// off the beat only when its lane has no other note this close.
constexpr double kLoneNoteMs = 400;

std::vector<bool> loneNotes(const test::ChartTiming& timing, double ms) {
    std::vector<bool> lone(timing.notes.size(), true);
    std::map<int, std::size_t> previous;  // lane -> its latest note so far
    for (std::size_t i = 0; i < timing.notes.size(); ++i) {
        const auto found = previous.find(timing.notes[i].lane);
        if (found != previous.end() && timing.notes[i].ms - timing.notes[found->second].ms < ms)
            lone[i] = lone[found->second] = false;
        previous[timing.notes[i].lane] = i;
    }
    return lone;
}

TEST_F(JudgedPlay, PressesOffTheBeatGetTheWindowTheyFallIn) {
    const fs::path chart = game / (kDemoFolder / "tide_pool_5.bms").string();
    test::ChartTiming timing;
    ASSERT_TRUE(test::loadChartTiming(chart.string(), game.settings(), timing));
    const std::vector<bool> lone = loneNotes(timing, kLoneNoteMs);
    // Every third lone note takes the next off-beat case (few enough BREAKs
    // for the gauge to clear); all other notes are on the beat.
    std::vector<double> offsets(timing.notes.size(), 0.0);
    RankingEntry expected;
    std::array<int, kOffBeats.size()> uses{};
    int loneSeen = 0, offBeatsUsed = 0;
    for (std::size_t i = 0; i < timing.notes.size(); ++i) {
        const bool offBeat = lone[i] && loneSeen++ % 3 == 0;
        const std::size_t use = offBeat ? 1 + offBeatsUsed++ % (kOffBeats.size() - 1) : 0;
        offsets[i] = kOffBeats[use].offsetMs;
        ++(expected.*kOffBeats[use].count);
        ++uses[use];
    }
    for (int used : uses) ASSERT_GE(used, 3) << "too few lone notes to try every offset";

    const RankingEntry top = playAndRank("tide_pool_5.bms", offsets);
    EXPECT_EQ(top.coolCount, expected.coolCount);
    EXPECT_EQ(top.greatCount, expected.greatCount);
    EXPECT_EQ(top.goodCount, expected.goodCount);
    EXPECT_EQ(top.breakCount, expected.breakCount);
    EXPECT_EQ(top.missCount, 0);
}

}  // namespace
}  // namespace kv
