#include "play/offline_render.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "base/random.h"
#include "base/text.h"
#include "chart/chart_loader.h"
#include "chart/header_scan.h"
#include "media/audio/midi_music.h"
#include "media/audio/sample_slots.h"
#include "media/audio/sound_engine.h"
#include "platform/folder_index.h"
#include "platform/midi_synth.h"
#include "platform/path_text.h"
#include "platform/sound_file.h"
#include "platform/terminal.h"
#include "play/chart_samples.h"
#include "play/mixdown.h"
#include "play/play_config.h"
#include "play/run_start.h"
#include "play/slot_sound.h"

namespace kv {
namespace {

constexpr int kHighQuality = 1;  // WAVQUAL: 44.1 kHz
constexpr int kKeyModeOfChart = 8;  // KEY AUTO: every lane the chart uses is played

// Samples only: a mixdown shows no pictures.
class SampleOnlyMedia : public ChartMedia {
public:
    std::vector<int> loadSamples(const std::vector<SampleRequest>& requests, std::optional<double> rateFactor) override {
        return loadChartSamples(requests, rateFactor, folder_);
    }
    int loadPicture(int, const std::string&) override { return 1; }
    void pictureSize(int, int& width, int& height) const override { width = height = 0; }
    void loadStagePicture(const std::string&) override {}
    void openMidi(const std::string& fileName) override {
        // Where the system plays MIDI itself, a mixdown cannot hold it.
        if (platform::midiIsMixed())
            kv::openMidi(fileName);
        else if (!fileName.empty())
            midiLeftOut = true;
    }
    bool midiLeftOut = false;

private:
    platform::FolderIndex folder_;
};

// Load problems go to stderr; nobody waits for a key.
class ConsoleLoadingScreen : public LoadingScreen {
public:
    void drawLine(int, const std::string& text) override {
        if (text.find("ERROR") != std::string::npos) std::fprintf(stderr, "%s\n", text.c_str());
    }
    bool waitForKey() override { return true; }
};

// Mixes into a WAV file in large blocks.
class WavOutput : public MixdownOutput {
public:
    bool open(const std::string& path) {
        return writer_.open(path, platform::SoundFileFormat::Wav16, soundOutputRate(), 2);
    }
    void mix(int frames) override {
        while (frames > 0) {
            const int chunk = std::min(frames, kBlockFrames);
            const std::size_t at = block_.size();
            block_.resize(at + std::size_t(chunk) * 2);
            renderSound(block_.data() + at, chunk);
            for (std::size_t i = at; i < block_.size(); ++i) peak_ = std::max(peak_, std::abs(int(block_[i])));
            frames -= chunk;
            if (block_.size() >= std::size_t(kBlockFrames) * 2) flush();
        }
    }
    bool ringing() const override {
        for (int number = 0; number < kChartSampleNumbers; ++number)
            if (isSamplePlaying(chartSampleSlot(number))) return true;
        return false;
    }
    // Largest sample written, of 32768.
    int peak() const { return peak_; }
    // True when every block reached the file.
    bool finish() {
        flush();
        writer_.close();
        return ok_;
    }

private:
    static constexpr int kBlockFrames = 65536;
    void flush() {
        if (!block_.empty() && !writer_.write(block_.data(), block_.size() / 2)) ok_ = false;
        block_.clear();
    }
    platform::SoundFileWriter writer_;
    std::vector<std::int16_t> block_;
    int peak_ = 0;
    bool ok_ = true;
};

// "peak -3.5 dBFS", so a mix that reaches full scale shows at a glance.
std::string peakText(int peak) {
    if (peak == 0) return "silent";
    char text[32];
    std::snprintf(text, sizeof text, "peak %.1f dBFS", 20.0 * std::log10(peak / 32768.0));
    return text;
}

// The chart is read as the player's settings read it; the rest is fixed.
Settings renderSettings() {
    Settings settings;
    settings.LONGNOTES = kv::settings().LONGNOTES;
    settings.STOPS = kv::settings().STOPS;
    settings.AUTOPLAY = 1;
    settings.KEY = kKeyModeOfChart;
    settings.BGA = 0;
    settings.WAVQUAL = kHighQuality;
    return settings;
}

// Loads the chart with its folder as the current directory, as chart
// files name their samples relative to it.
bool loadForRender(const std::filesystem::path& chartFile, const Settings& settings, Chart& chart, bool& midiLeftOut) {
    ChartEntry entry;
    std::error_code error;
    const std::string dir = std::filesystem::absolute(chartFile, error).parent_path().string();
    std::string bytes;
    if (error || !readFileText(chartFile, bytes)) return false;
    scanChartText(entry, dir, chartFile.filename().string(), RankingPlace{0, {}}, bytes, settings.longNotesOn());
    const std::filesystem::path home = std::filesystem::current_path(error);
    std::filesystem::current_path(platform::pathFromText(dir), error);
    if (error) return false;
    SampleOnlyMedia media;
    ConsoleLoadingScreen screen;
    const int loaded = loadChartText(entry, bytes, chart, settings, LoadContext{0, false, 0, nextRandom}, media, screen);
    std::filesystem::current_path(home, error);
    midiLeftOut = media.midiLeftOut;
    return loaded == 1;
}

}  // namespace

int renderChartToWav(const std::string& chartPath, const std::string& wavPath) {
    const std::filesystem::path wavFile = std::filesystem::absolute(platform::pathFromText(wavPath));
    const Settings settings = renderSettings();
    if (!initSoundPulled(settings.WAVQUAL)) {
        std::fprintf(stderr, "render: no sound engine\n");
        return 1;
    }
    auto chart = std::make_unique<Chart>();
    bool midiLeftOut = false;
    if (!loadForRender(platform::pathFromText(chartPath), settings, *chart, midiLeftOut)) {
        std::fprintf(stderr, "render: cannot load %s\n", chartPath.c_str());
        shutdownSound();
        return 1;
    }
    if (midiLeftOut) std::fprintf(stderr, "render: MIDI music left out (the system synthesizer plays it, not our mixer)\n");
    WavOutput output;
    if (!output.open(wavFile.string())) {
        std::fprintf(stderr, "render: cannot write %s\n", wavFile.string().c_str());
        shutdownSound();
        return 1;
    }

    auto play = std::make_unique<Play>();
    const PlayConfig config = playConfigFromSettings(settings);
    SlotSound sound;
    PlayContext ctx{*play, *chart, config, sound, nextRandom};
    startRun(ctx, false);
    const int lastMeasure = chart->lastMeasure;
    const int rate = soundOutputRate();
    // The measure count rewrites itself on a terminal; a pipe or a log
    // gets only the closing line.
    const bool showProgress = platform::stderrIsTerminal();
    const MixdownResult mix = runMixdown(ctx, rate, output, [lastMeasure, showProgress](int measure) {
        if (showProgress && measure <= lastMeasure) std::fprintf(stderr, "\rrendering measure %d/%d", measure, lastMeasure);
    });
    const bool written = output.finish();
    closeMidi();
    shutdownSound();
    if (showProgress) std::fputc('\n', stderr);
    std::fprintf(stderr, "%s: %.2f s, %s\n", wavFile.string().c_str(), double(mix.frames) / rate,
                 peakText(output.peak()).c_str());
    if (mix.cut) {
        std::fprintf(stderr, "render: the song runs past the %d-minute limit; only its first %d minutes were written\n",
                     kMaxMixdownMinutes, kMaxMixdownMinutes);
        return 1;
    }
    return written ? 0 : 1;
}

}  // namespace kv
