#include "play/game_chart_load.h"

#include <algorithm>
#include <filesystem>

#include "base/random.h"
#include "chart/chart_loader.h"
#include "media/audio/midi_music.h"
#include "media/gfx/display.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/sheet_text.h"
#include "platform/folder_index.h"
#include "platform/frames.h"
#include "platform/keyboard.h"
#include "platform/path_text.h"
#include "play/chart_samples.h"
#include "scene/message_pump.h"
#include "scene/shell.h"

namespace kv {

namespace {

constexpr int kStageSlot = 4;

// Names are relative to the chart's folder, which is current while loading.
// Samples and pictures share one listing of the folder.
class SlotMedia : public ChartMedia {
public:
    std::vector<int> loadSamples(const std::vector<SampleRequest>& requests, std::optional<double> rateFactor) override {
        return loadChartSamples(requests, rateFactor, folder_);
    }
    int loadPicture(int slot, const std::string& fileName) override {
        return loadChartPicture(slot, fileName, kChartPictureSize, kChartPictureSize, folder_);
    }
    void pictureSize(int slot, int& width, int& height) const override {
        const Surface* surface = slotSurface(slot);
        width = surface ? surface->width : 0;
        height = surface ? surface->height : 0;
    }
    void loadStagePicture(const std::string& fileName) override {
        // A stage file that fails leaves the slot black, as created.
        if (createSlot(kStageSlot, kScreenWidth, kScreenHeight, 0)) kv::loadPicture(kStageSlot, fileName);
    }
    void openMidi(const std::string& fileName) override { kv::openMidi(fileName); }

private:
    platform::FolderIndex folder_;
};

class ScreenLines : public LoadingScreen {
public:
    // The lines go over the stage screen the player is looking at.
    ScreenLines() {
        const Surface& shown = platform::lastPresentedFrame();
        if (shown.width == display.back.width && shown.height == display.back.height)
            display.back.pixels = shown.pixels;
        else
            std::fill(display.back.pixels.begin(), display.back.pixels.end(), 0);
    }
    void drawLine(int y, const std::string& text) override { drawLargeText(0, y, text, 0); }
    bool waitForKey() override {
        for (;;) {
            present();
            if (!pumpMessages()) return false;
            const std::uint8_t* keys = platform::keyTable();
            for (int dik = 1; dik < 256; ++dik)
                if (keys[dik]) return true;
        }
    }
};

}  // namespace

int loadGameChart(ChartEntry entry, std::int32_t rankingTopScore) {
    std::error_code error;
    std::filesystem::current_path(platform::pathFromText(entry.dirPath), error);
    if (error) return 0;
    SlotMedia media;
    ScreenLines screen;
    const LoadContext context{shell().playMode, shell().puzzleMode != 0, rankingTopScore, nextRandom};
    const int loaded = loadChart(entry, theChart, settings(), context, media, screen);
    std::filesystem::current_path(platform::pathFromText(shell().programFolder), error);
    return loaded;
}

}  // namespace kv
