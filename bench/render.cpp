// Logic steps per second on a dense chart, and the offline render as a
// multiple of real time.
#include <benchmark/benchmark.h>

#include <ctime>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "platform/sound_file.h"
#include "play/logic_step.h"
#include "play/offline_render.h"
#include "play/run_start.h"
#include "dense_chart.h"

namespace {

constexpr int kMeasures = 120;

void BM_LogicSteps(benchmark::State& state) {
    auto chart = std::make_unique<kv::Chart>();
    kv::bench::fillDenseChart(*chart, kMeasures, true);
    chart->autoplayActive = 1;
    auto play = std::make_unique<kv::Play>();
    kv::PlayConfig config;
    kv::bench::SilentSound sound;
    unsigned seed = 1;
    kv::PlayContext ctx{*play, *chart, config, sound, [&seed] {
                            seed = seed * 214013u + 2531011u;
                            return int((seed >> 16) & 0x7FFF);
                        }};
    const kv::StepInput input;
    const long stepsPerRun = long(kMeasures) * 288;
    for (auto _ : state) {
        kv::startRun(ctx, false);
        for (long step = 0; step < stepsPerRun; ++step) kv::runLogicStep(ctx, input);
        benchmark::DoNotOptimize(play->playCursor);
    }
    state.SetItemsProcessed(state.iterations() * stepsPerRun);
}
BENCHMARK(BM_LogicSteps)->Unit(benchmark::kMillisecond);

void writeTone(const std::filesystem::path& file, double hz, int frames) {
    std::vector<std::int16_t> samples(std::size_t(frames), 0);
    for (int i = 0; i < frames; ++i) samples[std::size_t(i)] = std::int16_t(8000 * std::sin(hz * i / 44100.0 * 6.2832));
    kv::platform::SoundFileWriter writer;
    writer.open(file.string(), kv::platform::SoundFileFormat::Wav16, 44100, 1);
    writer.write(samples.data(), samples.size());
}

// A dense 7-key chart of our own with tone samples, written to a temporary folder.
std::filesystem::path writeDenseSong() {
    const auto dir = std::filesystem::temp_directory_path() / "kv_bench_render";
    std::filesystem::create_directories(dir);
    std::ofstream chart(dir / "dense.bme");
    chart << "#TITLE dense\r\n#BPM 150\r\n";
    for (int n = 1; n <= 9; ++n) {
        writeTone(dir / ("t" + std::to_string(n) + ".wav"), 220.0 * n, 44100 / 4);
        chart << "#WAV0" << n << " t" << n << ".wav\r\n";
    }
    const char* channels[] = {"11", "12", "13", "14", "15", "18", "19", "16"};
    for (int measure = 0; measure < 64; ++measure) {
        char head[8];
        for (int lane = 0; lane < 8; ++lane) {
            std::snprintf(head, sizeof head, "#%03d", measure);
            chart << head << channels[lane] << ":";
            for (int i = 0; i < 16; ++i) chart << "0" << (lane + 1);
            chart << "\r\n";
        }
        std::snprintf(head, sizeof head, "#%03d01:", measure);
        chart << head << "0909090909090909\r\n";
    }
    return dir;
}

void BM_RenderRealTimeFactor(benchmark::State& state) {
    const auto dir = writeDenseSong();
    const double songSeconds = 64 * 4 * 60.0 / 150;
    for (auto _ : state) {
        // CPU time: the machine running the benchmark may be shared.
        const std::clock_t start = std::clock();
        kv::renderChartToWav((dir / "dense.bme").string(), (dir / "out.wav").string());
        const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
        state.counters["x_realtime"] = songSeconds / seconds;
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_RenderRealTimeFactor)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
