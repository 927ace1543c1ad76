// Cost per chart of listing a library (header scan) and of a full load
// without sample decoding, over a generated library of 2,000 charts.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "chart/chart_loader.h"
#include "chart/chart_media.h"
#include "chart/header_scan.h"

namespace {

constexpr int kCharts = 2000;

// A chart of 32 measures of notes on five lanes, with samples and headers.
std::string chartText(int seed) {
    std::string text = "#TITLE Generated " + std::to_string(seed) + "\r\n#ARTIST bench\r\n#BPM 150\r\n#PLAYLEVEL 5\r\n";
    for (int i = 1; i <= 40; ++i) text += "#WAV" + std::to_string(10 + i) + " s" + std::to_string(i) + ".wav\r\n";
    char line[64];
    for (int m = 0; m < 32; ++m) {
        for (int channel = 11; channel <= 15; ++channel) {
            std::snprintf(line, sizeof line, "#%03d%02d:%02d00%02d00%02d00%02d00\r\n", m, channel, 11 + (m + seed) % 40,
                          12 + channel % 30, 13 + m % 20, 14 + seed % 10);
            text += line;
        }
        std::snprintf(line, sizeof line, "#%03d01:1100120013001400\r\n", m);
        text += line;
    }
    return text;
}

const std::filesystem::path& library() {
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "kv_bench_library";
        std::filesystem::create_directories(path);
        for (int i = 0; i < kCharts; ++i) std::ofstream(path / ("c" + std::to_string(i) + ".bms"), std::ios::binary) << chartText(i);
        return path;
    }();
    return folder;
}

void BM_HeaderScanPerChart(benchmark::State& state) {
    const std::string folder = library().string();
    kv::ChartEntry entry;
    int i = 0;
    for (auto _ : state) {
        kv::scanChartHeader(entry, folder, "c" + std::to_string(i++ % kCharts) + ".bms", {1, folder});
        benchmark::DoNotOptimize(entry.checksum);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HeaderScanPerChart);

void BM_FullLoadPerChart(benchmark::State& state) {
    const std::string folder = library().string();
    auto chart = std::make_unique<kv::Chart>();
    kv::Settings settings;
    const kv::LoadContext context{0, false, 0, [] { return 0; }};
    kv::NullChartMedia media;
    kv::SilentLoadingScreen screen;
    kv::ChartEntry entry;
    entry.dirPath = folder;
    int i = 0;
    for (auto _ : state) {
        entry.fileName = "c" + std::to_string(i++ % kCharts) + ".bms";
        benchmark::DoNotOptimize(kv::loadChart(entry, *chart, settings, context, media, screen));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FullLoadPerChart);

}  // namespace
