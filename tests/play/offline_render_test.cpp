#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <vector>

#include "platform/path_text.h"
#include "platform/sound_file.h"
#include "play/mixdown.h"
#include "play/offline_render.h"
#include "play_fixture.h"
#include "support/temp_folder.h"

namespace kv::test {
namespace {

constexpr int kRate = 44100;

// A 20-millisecond tone burst of our own.
void writeClick(const std::filesystem::path& file, double hz) {
    std::vector<std::int16_t> samples(kRate / 50);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = std::int16_t(12000 * std::sin(2 * std::numbers::pi * hz * double(i) / kRate));
    platform::SoundFileWriter writer;
    ASSERT_TRUE(writer.open(file.string(), platform::SoundFileFormat::Wav16, kRate, 1));
    ASSERT_TRUE(writer.write(samples.data(), samples.size()));
    writer.close();
}

// Frames where sound starts after at least 10 ms of silence.
std::vector<long> onsets(const platform::PcmSound& sound) {
    std::vector<long> found;
    long quiet = kRate;
    for (std::size_t frame = 0; frame < sound.frames(); ++frame) {
        const int level = std::abs(sound.samples[frame * 2]) + std::abs(sound.samples[frame * 2 + 1]);
        if (level > 200) {
            if (quiet >= kRate / 100) found.push_back(long(frame));
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    return found;
}

long framesAtStep(double steps) { return std::lround(steps * 1000.0 / 144 * kRate / 1000); }  // 120 BPM

TEST(OfflineRender, KeysoundsAndBackgroundAtTheirTimes) {
    const auto dir = std::filesystem::temp_directory_path() / "kv_render_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    writeClick(dir / "hi.wav", 1760);
    writeClick(dir / "lo.wav", 440);
    std::ofstream(dir / "song.bms", std::ios::binary) << "#TITLE render\r\n#BPM 120\r\n#WAV01 hi.wav\r\n#WAV02 LO.WAV\r\n"
                                       "#00111:0001\r\n#00112:00000001\r\n#00201:02\r\n";
    const auto wav = dir / "out.wav";
    ASSERT_EQ(renderChartToWav((dir / "song.bms").string(), wav.string()), 0);

    platform::PcmSound mix;
    ASSERT_EQ(platform::decodeSoundFile(wav.string(), mix), platform::DecodeResult::Ok);
    EXPECT_EQ(mix.rate, kRate);
    ASSERT_EQ(mix.channels, 2);
    // Three measures at 120 BPM: 6 seconds, the last sound long over.
    EXPECT_NEAR(double(mix.frames()), 6.0 * kRate, framesAtStep(1));
    // Notes sound as they pass the line, one step after their position;
    // background sounds at their position.
    const std::vector<long> expected = {framesAtStep(288 + 145), framesAtStep(288 + 217), framesAtStep(576)};
    const std::vector<long> found = onsets(mix);
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(found[i], expected[i], 2) << "sound " << i;
    std::filesystem::remove_all(dir);
}

// A song folder with a Japanese or Korean name whose chart, also so named,
// spells its samples in its own code page (or in UTF-8), renders the same
// mix as one with plain names.
TEST(OfflineRender, SongsWithUnicodeNamesRenderAlike) {
    struct Case {
        const char* folder;
        const char* chart;
        const char* sample;   // on disk
        std::string written;  // in the chart
    };
    const Case cases[] = {
        {"plain", "song.bms", "hi.wav", "hi.wav"},
        {"曲フォルダ", "譜面.bms", "ドン.wav", "ドン.wav"},
        {"曲フォルダ", "譜面.bms", "ドン.wav", "\x83\x68\x83\x93.WAV"},  // Shift-JIS
        {"노래", "악보.bms", "쿵.wav", "\xc4\xf4.wav"},                 // CP949
    };
    TempFolder temp{"kv_render_names"};
    std::vector<std::int16_t> plainMix;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder + std::string("/") + c.sample);
        const std::string folder = temp / c.folder;
        std::filesystem::create_directories(platform::pathFromText(folder));
        writeClick(platform::pathFromText(folder + "/" + c.sample), 1760);
        const std::string chart = temp.write(c.folder + std::string("/") + c.chart,
                                             "#BPM 120\r\n#WAV01 " + c.written + "\r\n#00111:01\r\n");
        const std::string wav = temp / (c.folder + std::string("/out.wav"));
        ASSERT_EQ(renderChartToWav(chart, wav), 0);
        platform::PcmSound mix;
        ASSERT_EQ(platform::decodeSoundFile(wav, mix), platform::DecodeResult::Ok);
        EXPECT_EQ(onsets(mix).size(), 1u) << "the sample sounds";
        if (plainMix.empty()) plainMix = mix.samples;
        EXPECT_EQ(mix.samples, plainMix);
    }
}

TEST(OfflineRender, MissingChartFails) {
    const auto wav = std::filesystem::temp_directory_path() / "kv_render_missing.wav";
    EXPECT_NE(renderChartToWav("/nonexistent/song.bms", wav.string()), 0);
    EXPECT_FALSE(std::filesystem::exists(wav));
}

// Counts what it is asked to mix.
class CountingOutput : public MixdownOutput {
public:
    void mix(int frames) override { mixed += frames; }
    bool ringing() const override { return false; }
    std::int64_t mixed = 0;
};

TEST(Mixdown, SongLongerThanTheLimitIsCutThere) {
    const std::int64_t limit = std::int64_t(kMaxMixdownMinutes) * 60 * kRate;
    const struct {
        double tempo;
        bool cut;
    } cases[] = {{120, false}, {0.0001, true}, {1e-300, true}};
    for (const auto& c : cases) {
        PlayFixture f;
        f.chart->baseTempo = c.tempo;
        f.addNote(1, 1, 0, 1);
        f.start();
        PlayContext ctx = f.context();
        CountingOutput output;
        const MixdownResult result = runMixdown(ctx, kRate, output, [](int) {});
        EXPECT_EQ(result.cut, c.cut) << c.tempo;
        EXPECT_EQ(result.frames, output.mixed) << c.tempo;
        EXPECT_LE(result.frames, limit) << c.tempo;
        if (c.cut) EXPECT_EQ(result.frames, limit) << c.tempo;
    }
}

}  // namespace
}  // namespace kv::test
