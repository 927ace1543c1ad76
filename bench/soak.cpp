// A long session: the listen mode plays the demo charts back to back
// (KV_SOAK_PLAYS times, 1000 unless set), headless, each to its end, with
// every frame drawn and the sound mixed. Resident memory and open file descriptors are
// measured after the first ten plays and after the last; a leak shows as
// growth between the two.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/game_parts.h"
#include "app/startup.h"
#include "base/dik.h"
#include "platform/frames.h"
#include "platform/keyboard.h"
#include "settings/settings.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWarmUpPlays = 10;

struct Usage {
    double residentKb = 0;
    double openFds = 0;
};

Usage currentUsage() {
    Usage usage;
    long pages = 0, resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    usage.residentKb = double(resident) * double(sysconf(_SC_PAGESIZE)) / 1024.0;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        (void)entry;
        ++usage.openFds;
    }
    return usage;
}

// The built program folder without its programs, so the session's own
// writes (settings at exit) stay out of the build.
fs::path copyOfProgramFolder() {
    const fs::path copy = fs::temp_directory_path() / ("kv_soak_" + std::to_string(getpid()));
    fs::remove_all(copy);
    fs::copy(KV_HOME, copy, fs::copy_options::recursive);
    fs::remove(copy / "game");
    fs::remove(copy / "sysconfig");
    return copy;
}

int soakPlays() {
    const char* set = std::getenv("KV_SOAK_PLAYS");
    const int plays = set ? std::atoi(set) : 1000;
    return plays > kWarmUpPlays ? plays : kWarmUpPlays + 1;
}

void BM_SoakListenMode(benchmark::State& state) {
    const int totalPlays = soakPlays();
    const fs::path home = copyOfProgramFolder();
    // Game time only passes while the script waits; this is far beyond the session.
    std::ofstream(home / "soak.txt") << "wait 2000000000\n";

    for (auto _ : state) {
        int plays = 0, titles = 0;
        Usage warm, last;
        const kv::SceneTable real = kv::gameScenes();
        kv::SceneTable scenes = real;
        scenes.titleScreen = [&] { return titles++ == 0 ? kv::TitleListen : kv::TitleExit; };
        scenes.runSelectScreen = [&](int, const std::string&, int) { return plays < totalPlays ? 0 : kv::kSceneBack; };
        scenes.chosenEntry = [&] { return real.visibleEntry(plays % real.visibleCount()); };
        scenes.loadChart = [&](kv::ChartEntry entry) {
            kv::settings().TITLESKIP = 1;  // no loading screen waiting for a key
            return real.loadChart(entry);
        };
        scenes.playChart = [&](const kv::ChartEntry& entry, int stage) {
            // Autoplay runs until the player leaves: leave where a played
            // chart would end, two measures past its last.
            kv::platform::setFrameObserver([&](const kv::Surface&) {
                if (real.playFacts().measure > real.chartLastMeasure() + 2) kv::platform::setKeyDown(kv::DIK_ESCAPE, true);
            });
            const int result = real.playChart(entry, stage);
            kv::platform::setFrameObserver(nullptr);
            kv::platform::setKeyDown(kv::DIK_ESCAPE, false);
            if (++plays == kWarmUpPlays) warm = currentUsage();
            if (plays == totalPlays) last = currentUsage();
            return result;
        };
        kv::LaunchOptions options;
        options.home = home.string();
        options.headless = true;
        options.script = (home / "soak.txt").string();
        if (kv::runGame(options, scenes, kv::gameSubsystems()) != kv::ExitOk || plays != totalPlays) {
            state.SkipWithError("the session did not play every chart");
            break;
        }
        state.counters["plays"] = plays;
        state.counters["frames_per_play"] = double(kv::platform::presentedFrameCount()) / plays;
        state.counters["rss_kb_after_10"] = warm.residentKb;
        state.counters["rss_kb_after_last"] = last.residentKb;
        state.counters["rss_growth_kb"] = last.residentKb - warm.residentKb;
        state.counters["fds_after_10"] = warm.openFds;
        state.counters["fds_after_last"] = last.openFds;
    }
    fs::remove_all(home);
}
BENCHMARK(BM_SoakListenMode)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
