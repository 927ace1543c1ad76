#include "app/info_command.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "base/random.h"
#include "chart/chart_info.h"
#include "chart/chart_loader.h"
#include "chart/header_scan.h"
#include "media/audio/midi_music.h"
#include "media/audio/sample_slots.h"
#include "media/audio/sound_engine.h"
#include "media/gfx/picture_file.h"
#include "platform/files.h"
#include "scene/shell.h"
#include "settings/settings.h"

namespace kv {

namespace {

// Decodes samples into the sound engine's slots; pictures are only looked
// for. Notes every file that is missing.
class InfoMedia : public ChartMedia {
public:
    MissingMedia missing;

    int loadSample(int number, const std::string& fileName) override {
        const int result = kv::loadSample(chartSampleSlot(number), fileName);
        if (result != 0) missing.addSample(fileName);
        return result;
    }
    void setSampleRate(int number, double factor) override {
        kv::setSampleRate(chartSampleSlot(number), float(factor));
    }
    int loadPicture(int, const std::string& fileName) override {
        if (!findPictureFile(fileName).empty()) return 1;
        missing.addPicture(fileName);
        return 0;
    }
    void pictureSize(int, int& width, int& height) const override { width = height = 0; }
    void loadStagePicture(const std::string& fileName) override {
        if (!fileName.empty() && findPictureFile(fileName).empty()) missing.addPicture(fileName);
    }
    void openMidi(const std::string& fileName) override { kv::openMidi(fileName); }
};

}  // namespace

int infoCommand(const std::string& chartFile, std::ostream& out) {
    const Settings& settings = kv::settings();
    const std::string& home = shell().programFolder;
    std::error_code error;
    const std::filesystem::path file = std::filesystem::absolute(platform::resolvePath(chartFile), error);
    ChartEntry entry;
    if (error || !scanChartHeader(entry, file.parent_path().string(), file.filename().string(),
                                  RankingPlace{settings.RANKING, home}, settings.longNotesOn())) {
        std::fprintf(stderr, "info: cannot read %s\n", chartFile.c_str());
        return 1;
    }
    initSoundPulled(settings.WAVQUAL);
    // Samples and pictures are named relative to the chart's folder.
    const std::filesystem::path previous = std::filesystem::current_path(error);
    std::filesystem::current_path(file.parent_path(), error);
    auto chart = std::make_unique<Chart>();
    InfoMedia media;
    SilentLoadingScreen screen;
    const int loaded = loadChart(entry, *chart, settings, LoadContext{0, false, 0, nextRandom}, media, screen);
    std::filesystem::current_path(previous, error);
    if (loaded) writeChartInfo(out, *chart, entry, media.missing, {settings.TEMPO, settings.BPMEDIT},
                               {settings.longNotesOn(), settings.stopsOn()});
    shutdownSound();
    if (!loaded) std::fprintf(stderr, "info: cannot load %s\n", chartFile.c_str());
    return loaded ? 0 : 1;
}

}  // namespace kv
