// How long loading a chart takes.
//
//   bench_chart_load [--repeat N] CHART...
//       one line "CHART<TAB>MICROSECONDS" per chart: the fastest of N full
//       loads (header scan and chart load, no sound or pictures).
//   bench_chart_load
//       generated charts loaded with sound, wall time of each: 500 OGG
//       keysounds of 0.5 s, and 1,282 missing samples in a folder of 1,000
//       other files.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/random.h"
#include "base/text.h"
#include "chart/chart_loader.h"
#include "chart/chart_media.h"
#include "chart/header_scan.h"
#include "media/audio/sound_engine.h"
#include "platform/folder_index.h"
#include "platform/sound_file.h"
#include "play/chart_samples.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double microsecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// CPU time of every thread of the process so far, in milliseconds: on a
// machine shared with other work the wall time says little on its own.
double processCpuMilliseconds() { return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC; }

kv::Settings settingsWithoutPictures() {
    kv::Settings settings;
    settings.BGA = 0;
    settings.TITLESKIP = 1;
    return settings;
}

// The header scan and the load, as a single-song start does them. False
// when the chart cannot be read.
bool fullLoad(const fs::path& file, kv::Chart& chart, kv::ChartMedia& media) {
    std::string bytes;
    if (!kv::readFileText(file, bytes)) return false;
    kv::ChartEntry entry;
    kv::scanChartText(entry, file.parent_path().string(), file.filename().string(), kv::RankingPlace{0, {}}, bytes);
    kv::SilentLoadingScreen screen;
    const kv::LoadContext context{0, false, 0, kv::nextRandom};
    return kv::loadChartText(entry, bytes, chart, settingsWithoutPictures(), context, media, screen) == 1;
}

int timeCharts(const std::vector<std::string>& charts, int repeat) {
    auto chart = std::make_unique<kv::Chart>();
    kv::NullChartMedia media;
    int failed = 0;
    for (const std::string& name : charts) {
        const fs::path file = fs::absolute(name);
        double best = -1;
        for (int i = 0; i < repeat; ++i) {
            const auto start = Clock::now();
            if (!fullLoad(file, *chart, media)) break;
            const double took = microsecondsSince(start);
            if (best < 0 || took < best) best = took;
        }
        if (best < 0) {
            std::fprintf(stderr, "bench_chart_load: cannot load %s\n", name.c_str());
            ++failed;
            continue;
        }
        std::printf("%s\t%.1f\n", name.c_str(), best);
    }
    return failed == 0 ? 0 : 1;
}

// Loads samples into the game's sound slots, as play does, with one
// listing of the folder per load.
class SoundMedia : public kv::NullChartMedia {
public:
    std::vector<int> loadSamples(const std::vector<kv::SampleRequest>& requests,
                                 std::optional<double> rateFactor) override {
        return kv::loadChartSamples(requests, rateFactor, folder_);
    }

private:
    kv::platform::FolderIndex folder_;
};

void writeFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string base36Pair(int number) {
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    return {digits[number / 36], digits[number % 36]};
}

// "#WAVxx name" for each name, numbered from 01, and a key line using them.
std::string chartNaming(const std::vector<std::string>& names) {
    std::string text = "#TITLE bench\r\n#BPM 150\r\n";
    for (std::size_t i = 0; i < names.size(); ++i) text += "#WAV" + base36Pair(int(i) + 1) + " " + names[i] + "\r\n";
    std::string objects;
    for (std::size_t i = 0; i < names.size() && i < 64; ++i) objects += base36Pair(int(i) + 1);
    return text + "#00111:" + objects + "\r\n";
}

// 500 keysounds of 0.5 s, stereo, every other one at 48 kHz so that half
// of them are converted to the output rate.
fs::path writeOggChart(const fs::path& root) {
    const fs::path dir = root / "ogg500";
    const fs::path chart = dir / "ogg500.bms";
    if (fs::exists(chart)) return chart;
    fs::create_directories(dir);
    std::vector<std::string> names;
    for (int i = 0; i < 500; ++i) {
        kv::platform::PcmSound sound;
        sound.rate = i % 2 == 0 ? 44100 : 48000;
        sound.channels = 2;
        const int frames = sound.rate / 2;
        const double hz = 110.0 * (1 + i % 24);
        for (int f = 0; f < frames; ++f) {
            const auto value = std::int16_t(9000 * std::exp(-4.0 * f / frames) * std::sin(6.283185307 * hz * f / sound.rate));
            sound.samples.push_back(value);
            sound.samples.push_back(value);
        }
        names.push_back("k" + std::to_string(i) + ".ogg");
        kv::platform::SoundFileWriter writer;
        writer.open((dir / names.back()).string(), kv::platform::SoundFileFormat::OggVorbis, sound.rate, sound.channels);
        writer.write(sound.samples.data(), sound.frames());
    }
    writeFile(chart, chartNaming(names));
    return chart;
}

// 1,282 samples that are not there, beside 1,000 files that are.
fs::path writeMissingChart(const fs::path& root) {
    const fs::path dir = root / "missing1282";
    const fs::path chart = dir / "missing.bms";
    if (fs::exists(chart)) return chart;
    fs::create_directories(dir);
    for (int i = 0; i < 1000; ++i) writeFile(dir / ("other" + std::to_string(i) + ".txt"), "x");
    std::vector<std::string> names;
    for (int i = 0; i < 1282; ++i) names.push_back("gone" + std::to_string(i) + ".wav");
    writeFile(chart, chartNaming(names));
    return chart;
}

int timeLoadsWithSound() {
    const fs::path root = fs::temp_directory_path() / "kv_bench_chart_load";
    const std::pair<const char*, fs::path> cases[] = {
        {"500 OGG keysounds of 0.5 s", writeOggChart(root)},
        {"1282 missing samples among 1000 files", writeMissingChart(root)},
    };
    constexpr int kHighQuality = 1;  // 44.1 kHz output
    kv::initSoundPulled(kHighQuality);
    auto chart = std::make_unique<kv::Chart>();
    for (const auto& [label, file] : cases) {
        // The current folder is the chart's while it loads, as in the game.
        const fs::path home = fs::current_path();
        fs::current_path(file.parent_path());
        double best = -1, cpu = 0;
        for (int i = 0; i < 3; ++i) {
            kv::releaseChartSamples();
            const auto start = Clock::now();
            const double cpuStart = processCpuMilliseconds();
            SoundMedia media;
            fullLoad(file, *chart, media);
            const double took = microsecondsSince(start);
            if (best < 0 || took < best) {
                best = took;
                cpu = processCpuMilliseconds() - cpuStart;
            }
        }
        fs::current_path(home);
        std::printf("%s\t%.1f ms wall\t%.1f ms CPU\n", label, best / 1000.0, cpu);
    }
    kv::shutdownSound();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int repeat = 1;
    std::vector<std::string> charts;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc) {
            repeat = std::max(1, std::atoi(argv[++i]));
        } else if (argv[i][0] == '-') {
            std::fprintf(stderr, "usage: bench_chart_load [--repeat N] CHART...\n");
            return 2;
        } else {
            charts.push_back(argv[i]);
        }
    }
    return charts.empty() ? timeLoadsWithSound() : timeCharts(charts, repeat);
}
