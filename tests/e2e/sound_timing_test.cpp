// Timing a player can trust, measured on the real game program: sounds in
// a headless recording sit where the offline mixdown puts them, presses on
// the click they hear are exact, and JUDGEOFFSET moves the judgement for a
// player who presses late.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/click_chart.h"
#include "support/free_play_script.h"
#include "support/game_folder.h"
#include "support/note_times.h"
#include "support/stored_ranking.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

platform::PcmSound decoded(const fs::path& file) {
    platform::PcmSound sound;
    EXPECT_EQ(platform::decodeSoundFile(file.string(), sound), platform::DecodeResult::Ok) << file;
    return sound;
}

class SoundTiming : public ::testing::Test {
protected:
    void SetUp() override { game.setOption("TITLESKIP", "0"); }

    // Plays the chart from the title, pressing Z at each of `pressesMs`
    // (game time) for `holdMs`; records the sound. Returns when play started.
    double play(const fs::path& chart, const std::vector<double>& pressesMs, double holdMs, const fs::path& recording,
                double playMs) {
        test::TimedScript script;
        const double playStart = test::chooseChartFromTitle(script, 0);
        for (double at : pressesMs) script.tap("Z", at, holdMs);
        script.waitUntil(playStart + playMs);
        if (!pressesMs.empty()) {
            script.wait(test::kWipeMs);
            test::enterNameAndLeave(script, "AB1");
        }
        const auto run = game.run(script.text(), {"--audio-out", recording.string(), chart.string()});
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        return playStart;
    }

    // The first `clicks` clicks heard in a run without presses: where a
    // player hears the beat (the result screen's sounds come after them).
    std::vector<double> heardBeats(const fs::path& chart, double playMs, std::size_t clicks) {
        const fs::path recording = game / "heard.wav";
        const double playStart = play(chart, {}, 0, recording, playMs);
        std::vector<double> beats = test::clickOnsetsMs(decoded(recording), playStart);
        EXPECT_GE(beats.size(), clicks);
        beats.resize(std::min(beats.size(), clicks));
        return beats;
    }

    test::GameFolder game{KV_HOME};
};

TEST_F(SoundTiming, RecordedBackgroundSoundsSitWhereTheMixdownPutsThem) {
    const fs::path chart = test::writeClickChart(game / "clicks", {137, 4, false});
    ASSERT_FALSE(chart.empty());
    const fs::path rendered = game / "render.wav";
    const auto render = game.tool({"--render", chart.string(), rendered.string()});
    ASSERT_EQ(render.exitCode, 0) << render.errors;
    const std::vector<double> expected = test::clickOnsetsMs(decoded(rendered));
    const std::vector<double> heard = heardBeats(chart, 12000, expected.size());
    ASSERT_EQ(expected.size(), 16u);
    ASSERT_EQ(heard.size(), expected.size());
    for (std::size_t i = 1; i < heard.size(); ++i) {
        SCOPED_TRACE("click " + std::to_string(i));
        EXPECT_NEAR(heard[i] - heard[0], expected[i] - expected[0], 1.0);
    }
}

// 150 BPM, rank 2: the COOL window is 5 steps of 5.6 ms, and a press
// judged one step after its note's click is exact. Presses 30 ms late are
// 5 to 6 steps off: GREAT, unless JUDGEOFFSET takes the 30 ms back.
class PressTiming : public SoundTiming {
protected:
    void SetUp() override {
        SoundTiming::SetUp();
        chart = test::writeClickChart(game / "clicks", {150, 4, true});
        ASSERT_FALSE(chart.empty());
        test::ChartTiming timing;
        ASSERT_TRUE(test::loadChartTiming(chart.string(), game.settings(), timing));
        playMs = timing.clearedEndMs;
        beats = heardBeats(chart, playMs, 16);
        ASSERT_EQ(beats.size(), 16u);
    }

    RankingEntry pressBeats(double offsetMs, double holdMs = test::kPressMs) {
        std::vector<double> presses;
        for (double beat : beats) presses.push_back(beat + offsetMs);
        play(chart, presses, holdMs, game / "pressed.wav", playMs);
        const auto ranking = test::storedRanking(chart);
        EXPECT_FALSE(ranking.entries.empty());
        return ranking.entries.empty() ? RankingEntry{} : ranking.entries[0];
    }

    double playMs = 0;  // until the cleared run hands over to the result screen
    fs::path chart;
    std::vector<double> beats;
};

TEST_F(PressTiming, PressesJustBeforeOrAfterTheHeardClickAreCool) {
    for (double offset : {-12.0, 12.0}) {
        SCOPED_TRACE("presses " + std::to_string(offset) + " ms from the click");
        const RankingEntry top = pressBeats(offset);
        EXPECT_EQ(top.coolCount, 16) << top.greatCount << " GREAT " << top.goodCount << " GOOD " << top.breakCount
                                     << " BREAK " << top.missCount << " MISS";
        EXPECT_EQ(top.missCount, 0);
    }
}

TEST_F(PressTiming, AFiveMillisecondTapBetweenTwoFramesIsJudged) {
    const RankingEntry top = pressBeats(0.0, 5.0);
    EXPECT_EQ(top.coolCount, 16);
    EXPECT_EQ(top.missCount, 0);
}

TEST_F(PressTiming, JudgeOffsetMakesLatePressesExact) {
    struct Case {
        const char* line;  // "" for no line at all
        bool allCool;
    };
    const Case cases[] = {{"30", true}, {"0", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("JUDGEOFFSET ") + c.line);
        game.setOption("JUDGEOFFSET", c.line);  // an empty value reads as 0, as a missing line does
        const RankingEntry top = pressBeats(30.0);
        EXPECT_EQ(top.coolCount == 16, c.allCool) << top.coolCount << " COOL, " << top.greatCount << " GREAT";
        EXPECT_EQ(top.missCount, 0);
        fs::remove(fs::path(chart).replace_extension("K2R"));  // the next case's run tops the ranking
    }
}

}  // namespace
}  // namespace kv
