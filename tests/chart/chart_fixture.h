#pragma once
// Shared by the chart and library suites: a scratch folder for chart files,
// and media and loading-screen fakes that record what the loader asked for.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/chart_entry.h"
#include "chart/chart_media.h"

namespace kv::testing {

// A folder under the system temp folder, removed with the object.
class ScratchFolder {
public:
    ScratchFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("kv_") + info->test_suite_name() + "_" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }

    // Writes bytes as given (no line-end translation).
    std::filesystem::path write(const std::filesystem::path& relative, const std::string& bytes) const {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

private:
    std::filesystem::path path_;
};

// Joins lines with LF, each line ended.
inline std::string lines(std::initializer_list<std::string> list, const std::string& end = "\n") {
    std::string text;
    for (const std::string& line : list) text += line + end;
    return text;
}

class FakeMedia : public ChartMedia {
public:
    std::set<std::string> missing;  // names whose load fails
    std::map<int, std::pair<int, int>> pictureSizes;
    std::vector<std::pair<int, std::string>> samples, pictures;
    std::vector<std::pair<int, double>> rates;
    std::string stage, midi;

    std::vector<int> loadSamples(const std::vector<SampleRequest>& requests, std::optional<double> rateFactor) override {
        std::vector<int> results;
        for (const SampleRequest& request : requests) {
            samples.emplace_back(request.number, request.fileName);
            results.push_back(missing.count(request.fileName) ? 1 : 0);
            if (rateFactor) rates.emplace_back(request.number, *rateFactor);
        }
        return results;
    }
    int loadPicture(int slot, const std::string& name) override {
        pictures.emplace_back(slot, name);
        if (missing.count(name)) return 3;
        pictureSizes.try_emplace(slot, 256, 256);
        return 1;
    }
    void pictureSize(int slot, int& width, int& height) const override {
        const auto it = pictureSizes.find(slot);
        width = it == pictureSizes.end() ? 0 : it->second.first;
        height = it == pictureSizes.end() ? 0 : it->second.second;
    }
    void loadStagePicture(const std::string& name) override { stage = name; }
    void openMidi(const std::string& name) override { midi = name; }
};

class FakeScreen : public LoadingScreen {
public:
    std::vector<std::pair<int, std::string>> drawn;
    int waits = 0;
    bool keyPressed = true;  // false: the player quits during the wait

    void drawLine(int y, const std::string& text) override { drawn.emplace_back(y, text); }
    bool waitForKey() override {
        ++waits;
        return keyPressed;
    }
};

// Plays back fixed numbers in place of the game's generator.
inline std::function<int()> randomSequence(std::vector<int> values) {
    auto queue = std::make_shared<std::deque<int>>(values.begin(), values.end());
    return [queue] {
        if (queue->empty()) return 0;
        const int value = queue->front();
        queue->pop_front();
        return value;
    };
}

}  // namespace kv::testing

#include "chart/chart_loader.h"

namespace kv::testing {

// Loads chart texts from a scratch folder with default settings.
class ChartLoadTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    FakeMedia media;
    FakeScreen screen;
    Settings settings;
    LoadContext context;
    std::unique_ptr<Chart> chart = std::make_unique<Chart>();
    ChartEntry entry;

    ChartLoadTest() {
        settings.KEY = 8;  // AUTO: the chart's own key type
        context.random = [] { return 0; };
        entry.dirPath = folder.path().string();
        entry.fileName = "chart.bms";
    }

    int load(const std::string& text) {
        folder.write(entry.fileName, text);
        return loadChart(entry, *chart, settings, context, media, screen);
    }

    // (measure, position) of each object of a source lane, in order.
    std::vector<std::pair<int, int>> placesIn(int lane) const {
        std::vector<std::pair<int, int>> places;
        for (const ChartObject& object : chart->sourceLanes[std::size_t(lane)])
            places.emplace_back(object.measure, object.position);
        return places;
    }
};

using Places = std::vector<std::pair<int, int>>;

}  // namespace kv::testing
