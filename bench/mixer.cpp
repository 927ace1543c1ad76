// Cost of the software mixer and of decoding, per second of audio.
//
// "core_percent" is the share of one core that one second of output (or of
// decoded sound) costs; mixing 256 voices should stay under 3 %.
#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <random>
#include <vector>

#include "media/audio/mixer.h"
#include "platform/sound_file.h"

namespace {

constexpr int kOutputRate = 44100;
constexpr int kDeviceBufferFrames = 256;

kv::platform::PcmSound makeNoise(int channels, int seconds, unsigned seed) {
    kv::platform::PcmSound sound;
    sound.rate = kOutputRate;
    sound.channels = channels;
    std::minstd_rand random(seed);
    std::uniform_int_distribution<int> level(-2000, 2000);
    sound.samples.resize(std::size_t(kOutputRate) * std::size_t(seconds * channels));
    for (auto& sample : sound.samples) sample = std::int16_t(level(random));
    return sound;
}

// Processor time of this process, which runs the work on one thread.
double cpuSeconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

void reportCorePercent(benchmark::State& state, double cpuStart, double audioSecondsPerIteration) {
    const double audioSeconds = double(state.iterations()) * audioSecondsPerIteration;
    state.counters["core_percent"] = 100.0 * (cpuSeconds() - cpuStart) / audioSeconds;
}

// 256 voices sounding at once, half mono and half stereo, at rates around
// the output rate so every voice interpolates; pulled in device-sized
// buffers as the audio callback would.
void BM_Mix256VoicesOneSecond(benchmark::State& state) {
    constexpr int kVoices = 256;
    std::vector<kv::platform::PcmSound> sounds;
    for (int i = 0; i < kVoices; ++i) sounds.push_back(makeNoise(1 + i % 2, 2, unsigned(i + 1)));
    kv::Mixer mixer(kOutputRate, kVoices);
    for (int i = 0; i < kVoices; ++i) {
        mixer.setSound(i, &sounds[std::size_t(i)]);
        mixer.setFrequency(i, std::uint32_t(kOutputRate * (0.8 + 0.4 * i / kVoices)));
    }
    std::vector<std::int16_t> out(kDeviceBufferFrames * 2);
    const double cpuStart = cpuSeconds();
    for (auto _ : state) {
        // Each start on a frame of its own inside the next buffers, as play's are.
        for (int i = 0; i < kVoices; ++i) mixer.start(i, mixer.renderedFrames() + i * 3);
        for (int done = 0; done < kOutputRate; done += kDeviceBufferFrames)
            mixer.render(out.data(), kDeviceBufferFrames);
        benchmark::DoNotOptimize(out.data());
    }
    reportCorePercent(state, cpuStart, 1.0);
}
BENCHMARK(BM_Mix256VoicesOneSecond)->Unit(benchmark::kMillisecond);

// Decoding an OGG Vorbis file of ten seconds of stereo noise.
void BM_DecodeOggTenSeconds(benchmark::State& state) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("kv_bench_decode_" + std::to_string(std::random_device{}()) + ".ogg"))
                                 .string();
    const auto sound = makeNoise(2, 10, 7);
    {
        kv::platform::SoundFileWriter writer;
        if (!writer.open(path, kv::platform::SoundFileFormat::OggVorbis, sound.rate, sound.channels) ||
            !writer.write(sound.samples.data(), sound.frames())) {
            state.SkipWithError("cannot write the OGG file");
            return;
        }
    }
    kv::platform::PcmSound decoded;
    const double cpuStart = cpuSeconds();
    for (auto _ : state) {
        kv::platform::decodeSoundFile(path, decoded);
        benchmark::DoNotOptimize(decoded.samples.data());
    }
    reportCorePercent(state, cpuStart, 10.0);
    std::filesystem::remove(path);
}
BENCHMARK(BM_DecodeOggTenSeconds)->Unit(benchmark::kMillisecond);

}  // namespace
