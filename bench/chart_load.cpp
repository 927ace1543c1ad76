// Time to load the samples of a chart with 500 keysounds, as the chart
// loader does it (one loadSample per "#WAVxx" line), at each output rate.
// Loading should stay well under 1.5 s.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "media/audio/sample_slots.h"
#include "media/audio/sound_engine.h"
#include "platform/sound_file.h"

namespace {

constexpr int kSamples = 500;

// Keysounds of 0.2 to 1.6 seconds, mono and stereo, most of them WAV at
// 44.1 kHz, every fifth one OGG Vorbis and every seventh one at 48 kHz.
std::filesystem::path writeKeysounds() {
    const auto dir = std::filesystem::temp_directory_path() / "kv_bench_chart_load";
    if (std::filesystem::exists(dir / "done")) return dir;
    std::filesystem::create_directories(dir);
    for (int i = 0; i < kSamples; ++i) {
        kv::platform::PcmSound sound;
        sound.rate = i % 7 == 0 ? 48000 : 44100;
        sound.channels = 1 + i % 2;
        const int frames = int(sound.rate * (0.2 + 0.1 * (i % 15)));
        const double hz = 110.0 * (1 + i % 24);
        for (int f = 0; f < frames; ++f) {
            const double decay = std::exp(-4.0 * f / frames);
            const auto value = std::int16_t(9000 * decay * std::sin(6.283185307 * hz * f / sound.rate));
            for (int c = 0; c < sound.channels; ++c) sound.samples.push_back(value);
        }
        const bool ogg = i % 5 == 0;
        kv::platform::SoundFileWriter writer;
        writer.open((dir / (std::to_string(i) + (ogg ? ".ogg" : ".wav"))).string(),
                    ogg ? kv::platform::SoundFileFormat::OggVorbis : kv::platform::SoundFileFormat::Wav16, sound.rate,
                    sound.channels);
        writer.write(sound.samples.data(), sound.frames());
    }
    std::filesystem::create_directories(dir / "done");
    return dir;
}

// state.range(0) is WAVQUAL: 0 plays at 22050 Hz, 1 at 44100 Hz.
void BM_Load500Keysounds(benchmark::State& state) {
    const auto dir = writeKeysounds();
    std::vector<std::string> names;
    for (int i = 0; i < kSamples; ++i) names.push_back((dir / (std::to_string(i) + (i % 5 == 0 ? ".ogg" : ".wav"))).string());
    kv::initSoundPulled(int(state.range(0)));
    for (auto _ : state) {
        for (int i = 0; i < kSamples; ++i)
            if (kv::loadSample(kv::chartSampleSlot(i + 1), names[std::size_t(i)]) != kv::kSampleLoaded)
                state.SkipWithError("a keysound did not load");
        kv::releaseChartSamples();
    }
    kv::shutdownSound();
}
BENCHMARK(BM_Load500Keysounds)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
