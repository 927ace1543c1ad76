// Replays end to end: a recorded run of the blip chart, played back once
// it is over, is saved from the result screen with S; the file beside the
// chart holds the presses as played and the song list marks the chart; a
// later REPLAY LOAD run plays the file back and sounds the presses again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "chart/header_scan.h"
#include "platform/sound_file.h"
#include "play/replay_file.h"
#include "support/blip_chart.h"
#include "support/free_play_script.h"
#include "support/game_folder.h"
#include "support/loudness.h"
#include "support/note_presses.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

TEST(ReplayRun, RecordedRunIsSavedMarkedInTheSongListAndPlaysBackFromTheFile) {
    test::GameFolder game(KV_HOME);
    game.setOption("TITLESKIP", "0");
    game.setOption("REPLAY", "1");  // ON: record, and play the run back once it is over
    const fs::path chart = test::writeBlipChart(game / "blips");
    ASSERT_FALSE(chart.empty());
    test::ChartTiming timing;
    ASSERT_TRUE(test::loadChartTiming(chart.string(), game.settings(), timing));

    test::TimedScript script;
    const double playStart = test::chooseChartFromTitle(script, 0);
    ASSERT_TRUE(test::addNotePresses(script, playStart, timing, game.settings()));
    // The live run, then its playback from the start, each ending like a cleared run.
    script.waitUntil(playStart + 2 * timing.clearedEndMs + test::kListOpensMs);
    script.wait(test::kFiguresRollMs).type("AB1").press("RETURN").wait(test::kScreenStepMs).press("S").wait(test::kListOpensMs);
    const auto run = game.run(script.text(), {chart.string()});
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    ChartEntry entry;
    ASSERT_TRUE(scanChartHeader(entry, chart.parent_path().string(), chart.filename().string(), RankingPlace{}));
    EXPECT_EQ(entry.hasReplay, 1);
    EXPECT_NE(game.tool({"--scan"}).output.find("\"replay\":1"), std::string::npos);
    auto record = std::make_unique<ReplayRecord>();
    ASSERT_TRUE(loadReplay(chart.parent_path() / "blips.KRP", entry.checksum, *record));
    // Measure m (1-4) has its four beats on lane m; every press was a COOL
    // counted at most two steps from its note's position.
    for (int lane = 1; lane <= 4; ++lane) {
        const auto& presses = record->lanes[std::size_t(lane)];
        ASSERT_EQ(presses.size(), 4u) << "lane " << lane;
        for (int beat = 0; beat < 4; ++beat) {
            const ReplayPress& press = presses[std::size_t(beat)];
            EXPECT_EQ(press.code, 1);
            const int offset = (press.measure - lane) * kStandardMeasure + press.step - 72 * beat;
            EXPECT_LE(std::abs(offset), 2) << "lane " << lane << " beat " << beat;
        }
    }

    // Played back from the file with no key pressed, the recorded presses
    // sound the blips at the notes' times again (a run that ignored the file
    // would stay silent: unplayed notes make no sound).
    game.setOption("REPLAY", "2");  // LOAD
    test::TimedScript playback;
    const double playbackStart = test::chooseChartFromTitle(playback, 0);
    playback.waitUntil(playbackStart + timing.notes.back().ms + 1000);
    const fs::path recording = game / "playback.wav";
    const auto replayed = game.run(playback.text(), {"--audio-out", recording.string(), chart.string()});
    ASSERT_EQ(replayed.exitCode, 0) << replayed.errors;
    platform::PcmSound sound;
    ASSERT_EQ(platform::decodeSoundFile(recording.string(), sound), platform::DecodeResult::Ok);
    for (const test::NoteTime& note : timing.notes) {
        const double at = playbackStart + note.ms;
        EXPECT_GT(test::loudness(sound, at - 20, at + 60), 1000.0) << "note at " << at << " ms";
    }
}

}  // namespace
}  // namespace kv
