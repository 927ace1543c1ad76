// The sound a single-song run writes with --audio-out: the blip chart, whose
// only sounds are its notes' keysounds, played by scripted presses, gives a
// recording that sounds at every note and is silent between them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sound_file.h"
#include "support/blip_chart.h"
#include "support/free_play_script.h"
#include "support/game_folder.h"
#include "support/loudness.h"
#include "support/note_presses.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

TEST(KeysoundRecording, PressedNotesSoundAtTheirTimesAndNothingBetween) {
    test::GameFolder game(KV_HOME);
    game.setOption("TITLESKIP", "0");
    const fs::path chart = test::writeBlipChart(game / "blips");
    ASSERT_FALSE(chart.empty());
    test::ChartTiming timing;
    ASSERT_TRUE(test::loadChartTiming(chart.string(), game.settings(), timing));
    ASSERT_EQ(timing.notes.size(), 16u);

    test::TimedScript script;
    const double playStart = test::chooseChartFromTitle(script, 0);
    ASSERT_TRUE(test::addNotePresses(script, playStart, timing, game.settings()));
    script.waitUntil(playStart + timing.notes.back().ms + 1000);
    const fs::path recording = game / "run.wav";
    const auto run = game.run(script.text(), {"--audio-out", recording.string(), chart.string()});
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    platform::PcmSound sound;
    ASSERT_EQ(platform::decodeSoundFile(recording.string(), sound), platform::DecodeResult::Ok);
    ASSERT_EQ(sound.channels, 2);
    for (const test::NoteTime& note : timing.notes) {
        const double at = playStart + note.ms;
        SCOPED_TRACE("note at " + std::to_string(at) + " ms");
        // A press is heard within a frame of its time; the blip is gone 100 ms later.
        EXPECT_GT(test::loudness(sound, at - 5, at + 60), 1000.0);
        EXPECT_LT(test::loudness(sound, at + 150, at + 450), 10.0);
    }
}

}  // namespace
}  // namespace kv
