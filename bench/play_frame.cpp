// CPU time of one drawn play frame (layout, then the whole frame painted
// into the back surface and presented headless) for each lane style, in
// the middle of a dense chart with the lanes full of notes; and the frames
// a second the whole play scene reaches headless with MAXFPS 999.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "dense_chart.h"
#include "media/gfx/display.h"
#include "media/gfx/skin.h"
#include "platform/frames.h"
#include "platform/platform.h"
#include "play/lane_layout.h"
#include "play/logic_step.h"
#include "play/play_scene.h"
#include "play/play_screen.h"
#include "play/run_start.h"
#include "settings/settings.h"

namespace {

constexpr int kMeasures = 40;
constexpr int kStepsIntoTheChart = 3000;  // well past the pre-roll, lanes full

// Sheets with every fourth pixel transparent, so keyed copies cannot skip
// whole rows; the cost of a copy does not depend on the picture.
void fillSheets() {
    for (int slot = 0; slot <= 3; ++slot) {
        kv::createSlot(slot, kv::kScreenWidth, kv::kScreenHeight, 0);
        kv::Surface& sheet = *kv::slotSurface(slot);
        for (std::size_t i = 0; i < sheet.pixels.size(); ++i)
            sheet.pixels[i] = i % 4 == 0 ? 0 : kv::Pixel(0x203040 + i % 0x1000);
    }
}

void PlayFrame(benchmark::State& state) {
    kv::platform::startPlatform(true);
    kv::createDisplay(false);
    fillSheets();
    kv::settings() = kv::Settings{};

    auto chart = std::make_unique<kv::Chart>();
    kv::bench::fillDenseChart(*chart, kMeasures, false);
    auto play = std::make_unique<kv::Play>();
    kv::PlayConfig config;
    config.style = std::int8_t(state.range(0));
    config.line = 1;
    kv::bench::SilentSound sound;
    kv::PlayContext ctx{*play, *chart, config, sound, [] { return 0; }};
    kv::startRun(ctx, false);
    const kv::StepInput input;
    for (int step = 0; step < kStepsIntoTheChart; ++step) kv::runLogicStep(ctx, input);
    kv::PlayScreenState screen;

    for (auto _ : state) {
        const kv::LaneLayout layout = kv::layoutLanes(config, kv::settings(), chart->keyMode);
        kv::paintPlayFrame(ctx, layout, screen);
        benchmark::DoNotOptimize(kv::display.back.pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetLabel(state.range(0) == kv::Bemusic ? "BEMUSIC"
                   : state.range(0) == kv::Upway ? "UPWAY"
                   : state.range(0) == kv::Scan2 ? "SCAN2"
                                                 : "WAVE");
    kv::releaseDisplay();
    kv::platform::stopPlatform();
}
BENCHMARK(PlayFrame)->DenseRange(kv::Bemusic, kv::Wave)->Unit(benchmark::kMicrosecond);

// The program folder with the generated skin: KV_HOME, or "home" below the
// folder the benchmark runs in (the build folder).
std::filesystem::path programFolder() {
    const char* home = std::getenv("KV_HOME");
    return home ? std::filesystem::path(home) : std::filesystem::current_path() / "home";
}

// The whole scene on the dense chart, unplayed (it fails and ends by
// itself): logic steps, frame pacing, painting and headless presents. Every
// present is 1/60 s of game time, so frames a wall-clock second is how
// fast the game could run.
void HeadlessPlayScene(benchmark::State& state) {
    const std::filesystem::path home = programFolder();
    if (!std::filesystem::exists(home / "DEFAULT.KZK")) {
        state.SkipWithError("no program folder with the skin (set KV_HOME)");
        return;
    }
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(home);
    kv::platform::startPlatform(true);
    kv::createDisplay(false);
    kv::readSkin("DEFAULT.KZK");
    long frames = 0;
    kv::platform::setFrameObserver([&frames](const kv::Surface&) { ++frames; });
    double wallSeconds = 0;
    for (auto _ : state) {
        kv::settings() = kv::Settings{};
        kv::settings().STYLE = std::int8_t(state.range(0));
        kv::settings().MAXFPS = 999;
        auto chart = std::make_unique<kv::Chart>();  // too large for the stack
        kv::bench::fillDenseChart(*chart, kMeasures, false);
        kv::theChart = *chart;
        const auto began = std::chrono::steady_clock::now();
        kv::playChart(kv::ChartEntry{}, -1);
        wallSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    }
    state.counters["frames_per_second"] = wallSeconds > 0 ? double(frames) / wallSeconds : 0;
    kv::platform::setFrameObserver({});
    kv::releaseDisplay();
    kv::platform::stopPlatform();
    std::filesystem::current_path(previous);
}
BENCHMARK(HeadlessPlayScene)->DenseRange(kv::Bemusic, kv::Wave)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
