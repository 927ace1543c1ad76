#include "app/info_command.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "base/random.h"
#include "base/text.h"
#include "chart/chart_info.h"
#include "chart/chart_loader.h"
#include "chart/header_scan.h"
#include "media/audio/midi_music.h"
#include "media/audio/sound_engine.h"
#include "media/gfx/picture_file.h"
#include "platform/files.h"
#include "platform/folder_index.h"
#include "platform/path_text.h"
#include "play/chart_samples.h"
#include "scene/shell.h"
#include "settings/settings.h"

namespace kv {

namespace {

// Decodes samples into the sound engine's slots; pictures are only looked
// for. Notes every file that is missing.
class InfoMedia : public ChartMedia {
public:
    MissingMedia missing;

    std::vector<int> loadSamples(const std::vector<SampleRequest>& requests, std::optional<double> rateFactor) override {
        std::vector<int> results = loadChartSamples(requests, rateFactor, folder_);
        for (std::size_t i = 0; i < requests.size(); ++i)
            if (results[i] != 0) missing.addSample(requests[i].fileName);
        return results;
    }
    int loadPicture(int, const std::string& fileName) override {
        if (!findPictureFile(fileName, folder_).empty()) return 1;
        missing.addPicture(fileName);
        return 0;
    }
    void pictureSize(int, int& width, int& height) const override { width = height = 0; }
    void loadStagePicture(const std::string& fileName) override {
        if (!fileName.empty() && findPictureFile(fileName, folder_).empty()) missing.addPicture(fileName);
    }
    void openMidi(const std::string& fileName) override { kv::openMidi(fileName); }

private:
    platform::FolderIndex folder_;
};

}  // namespace

int infoCommand(const std::string& chartFile, std::ostream& out) {
    const Settings& settings = kv::settings();
    const std::string& home = shell().programFolder;
    std::error_code error;
    const std::filesystem::path file = std::filesystem::absolute(platform::pathFromText(platform::resolvePath(chartFile)), error);
    ChartEntry entry;
    std::string bytes;
    if (error || !readFileText(file, bytes)) {
        std::fprintf(stderr, "info: cannot read %s\n", chartFile.c_str());
        return 1;
    }
    scanChartText(entry, file.parent_path().string(), file.filename().string(), RankingPlace{settings.RANKING, home},
                  bytes, settings.longNotesOn());
    initSoundPulled(settings.WAVQUAL);
    // Samples and pictures are named relative to the chart's folder.
    const std::filesystem::path previous = std::filesystem::current_path(error);
    std::filesystem::current_path(file.parent_path(), error);
    auto chart = std::make_unique<Chart>();
    InfoMedia media;
    SilentLoadingScreen screen;
    const int loaded = loadChartText(entry, bytes, *chart, settings, LoadContext{0, false, 0, nextRandom}, media, screen);
    std::filesystem::current_path(previous, error);
    if (loaded) writeChartInfo(out, *chart, entry, media.missing, {settings.TEMPO, settings.BPMEDIT},
                               {settings.longNotesOn(), settings.stopsOn()});
    shutdownSound();
    if (!loaded) std::fprintf(stderr, "info: cannot load %s\n", chartFile.c_str());
    return loaded ? 0 : 1;
}

}  // namespace kv
