// Long notes played by the real game program from a script: every long
// note held to its end is all COOL; one let go early is exactly one BREAK.
// Also what --info reports of long notes and stops.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>

#include "support/free_play_script.h"
#include "support/game_folder.h"
#include "support/note_presses.h"
#include "support/stored_ranking.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

// Beside the demo's samples: long notes of one to four beats on three
// lanes, between plain notes.
fs::path writeLongNoteChart(const test::GameFolder& game) {
    const fs::path chart = game / "demo/tide pool/held.bme";
    std::ofstream(chart) << "#PLAYER 1\n#TITLE Held\n#BPM 120\n#RANK 2\n#LNTYPE 1\n#WAV01 kick.wav\n#WAV04 chord0.wav\n"
                            "#00111:01000100\n#00152:0404\n#00113:00000001\n#00254:04000004\n#00311:0101\n"
                            "#00355:04\n#00455:04\n#00401:01\n";
    return chart;
}

class LongNoteRun : public ::testing::Test {
protected:
    void SetUp() override {
        game.setOption("TITLESKIP", "0");
        game.setOption("KEY", "8");
        game.setOption("LONGNOTES", "1");
    }
    // Plays the chart holding each long note to its end, but letting the
    // long note `early` (by time order) go halfway.
    RankingEntry play(int early) {
        const fs::path chart = writeLongNoteChart(game);
        test::ChartTiming timing;
        EXPECT_TRUE(test::loadChartTiming(chart.string(), game.settings(), timing));
        int longIndex = 0;
        for (test::NoteTime& note : timing.notes)
            if (note.endMs > 0 && longIndex++ == early) note.endMs = (note.ms + note.endMs) / 2;
        test::TimedScript script;
        const double playStart = test::chooseChartFromTitle(script, 0);
        EXPECT_TRUE(test::addNotePresses(script, playStart, timing, game.settings()));
        script.waitUntil(playStart + timing.clearedEndMs + test::kWipeMs);
        test::enterNameAndLeave(script, "AB1");
        const auto run = game.run(script.text(), {chart.string()});
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        noteCount = timing.noteCount;
        return test::storedRanking(chart).entries[0];
    }
    test::GameFolder game{KV_HOME};
    int noteCount = 0;
};

TEST_F(LongNoteRun, HoldingEveryLongNoteToItsEndIsAllCool) {
    const RankingEntry top = play(-1);
    EXPECT_EQ(noteCount, 8);  // three long notes count once each
    EXPECT_EQ(top.coolCount, noteCount);
    EXPECT_EQ(top.greatCount + top.goodCount + top.breakCount + top.missCount, 0);
    EXPECT_EQ(top.score, 200000);
}

TEST_F(LongNoteRun, LettingOneGoEarlyIsExactlyOneBreak) {
    const RankingEntry top = play(1);
    EXPECT_EQ(top.breakCount, 1);
    EXPECT_EQ(top.coolCount, noteCount - 1);
    EXPECT_EQ(top.greatCount + top.goodCount + top.missCount, 0);
}

std::string infoOf(const test::GameFolder& game, const std::string& text) {
    const fs::path folder = game / "infosong";
    fs::create_directories(folder);
    std::ofstream(folder / "chart.bms") << text;
    const auto run = game.tool({"--info", (folder / "chart.bms").string()});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    return run.output;
}

double number(const std::string& json, const std::string& key) {
    std::smatch match;
    const std::regex pattern("\"" + key + "\":([0-9.e+-]+)");
    return std::regex_search(json, match, pattern) ? std::stod(match[1]) : -1;
}

// Charts with long notes, stops, tempo changes and a short measure. The
// expected counts and play lengths are what an independent parser of BMS
// charts reports for the same text.
TEST(LongNoteInfo, AgreesWithAnIndependentParser) {
    struct Case {
        const char* text;
        int notes;
        int longNotes;
        double seconds;
    };
    const Case cases[] = {
        {"#PLAYER 1\n#BPM 120\n#LNTYPE 1\n#WAV01 a.wav\n#BPM01 150\n#STOP01 96\n#STOP02 48\n#00111:01000001\n"
         "#00113:0101\n#00152:0101\n#00109:0100\n#00203:96\n#00202:0.75\n#00215:01000000\n#00255:00010000\n"
         "#00355:01\n#00309:0002\n#00308:01\n#00401:01\n",
         7, 2, 9.8},
        {"#PLAYER 1\n#BPM 140\n#LNOBJ ZZ\n#WAV01 a.wav\n#WAVZZ b.wav\n#STOP01 192\n#00111:01ZZ\n#00112:0101ZZ00\n"
         "#00114:01\n#00109:00000001\n#00211:01\n#00216:0000ZZ01\n#00301:01\n",
         6, 2, 8.571428571},
    };
    test::GameFolder game(KV_HOME);
    game.setOption("LONGNOTES", "1");
    game.setOption("STOPS", "1");
    for (const Case& c : cases) {
        const std::string json = infoOf(game, c.text);
        EXPECT_EQ(number(json, "noteCount"), c.notes) << json;
        EXPECT_EQ(number(json, "longNotes"), c.longNotes) << json;
        EXPECT_NEAR(number(json, "playSeconds"), c.seconds, 0.005) << json;
    }
}

// Both switches at 0 (or their lines missing): the same chart reads as it
// always has, and --info prints exactly the classic report.
TEST(LongNoteInfo, SwitchesOffGiveTheClassicReport) {
    const char* const chart = "#BPM 130\n#STOP01 96\n#LNOBJ 02\n#00111:0102\n#00151:0101\n#00109:01\n";
    test::GameFolder missing(KV_HOME);
    const std::string classic = infoOf(missing, chart);
    EXPECT_EQ(classic.find("longNotes"), std::string::npos) << classic;
    EXPECT_EQ(classic.find("stops"), std::string::npos) << classic;
    EXPECT_EQ(number(classic, "noteCount"), 2) << classic;
    EXPECT_NEAR(number(classic, "playSeconds"), 2 * 4 * 60.0 / 130, 1e-4) << classic;

    test::GameFolder off(KV_HOME);
    off.setOption("LONGNOTES", "0");
    off.setOption("STOPS", "0");
    std::string json = infoOf(off, chart);
    // Only the folder's own path differs.
    const auto withoutFile = [](std::string text) { return text.substr(text.find(",\"title\"")); };
    EXPECT_EQ(withoutFile(json), withoutFile(classic));
}

}  // namespace
}  // namespace kv
