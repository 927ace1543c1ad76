// The sound a single-song run writes with --audio-out: a chart whose only
// sounds are the keysounds of its notes, played by scripted presses, gives
// a recording that sounds at every note and is silent between them.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "platform/sound_file.h"
#include "support/free_play_script.h"
#include "support/game_folder.h"
#include "support/note_presses.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

constexpr int kRate = 44100;

// A short 1 kHz blip that dies away within 60 ms.
void writeBlip(const fs::path& file) {
    std::vector<std::int16_t> samples(kRate * 60 / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = double(i) / kRate;
        samples[i] = std::int16_t(12000.0 * std::sin(2 * M_PI * 1000.0 * t) * std::exp(-t / 0.015));
    }
    platform::SoundFileWriter writer;
    ASSERT_TRUE(writer.open(file.string(), platform::SoundFileFormat::Wav16, kRate, 1));
    ASSERT_TRUE(writer.write(samples.data(), samples.size()));
    writer.close();
}

// Four measures at 120 BPM, a note on every beat, moving across the five
// keys measure by measure; nothing plays in the background.
const char* const kBlipChart =
    "#PLAYER 1\r\n#TITLE BLIPS\r\n#BPM 120\r\n#RANK 2\r\n#WAV01 blip.wav\r\n"
    "#00111:01010101\r\n#00212:01010101\r\n#00313:01010101\r\n#00414:01010101\r\n";

// Root mean square of both channels over [fromMs, toMs) of the recording.
double loudness(const platform::PcmSound& sound, double fromMs, double toMs) {
    const auto frame = [&](double ms) {
        return std::min(sound.frames(), std::size_t(std::max(0.0, ms) * sound.rate / 1000.0));
    };
    double sum = 0;
    const std::size_t first = frame(fromMs) * 2, last = frame(toMs) * 2;
    for (std::size_t i = first; i < last; ++i) sum += double(sound.samples[i]) * sound.samples[i];
    return last > first ? std::sqrt(sum / double(last - first)) : 0.0;
}

TEST(KeysoundRecording, PressedNotesSoundAtTheirTimesAndNothingBetween) {
    test::GameFolder game(KV_HOME);
    game.setOption("TITLESKIP", "0");
    const fs::path chart = game / "blips/blips.bms";
    fs::create_directories(chart.parent_path());
    writeBlip(chart.parent_path() / "blip.wav");
    std::ofstream(chart, std::ios::binary) << kBlipChart;
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
        EXPECT_GT(loudness(sound, at - 5, at + 60), 1000.0);
        EXPECT_LT(loudness(sound, at + 150, at + 450), 10.0);
    }
}

}  // namespace
}  // namespace kv
